#include "data/DataFile.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <fstream>

namespace tessarin::data {
namespace {

// A build folder holds the timetable in data/ beside the programs; an
// installed tree in share/tessarin/data/ beside bin/. The first that holds
// the file wins; with neither, the place beside the programs is named.
TEST(DataFileTest, BesideTheProgramsFirstThenTheInstalledDataFolder) {
    struct Case {
        const char* name;
        bool beside;
        bool installed;
        const char* expected;
    };
    const Case cases[] = {
        {"BuildFolder", true, false, "bin/data/Train+-+090719.mdb"},
        {"InstalledTree", false, true, "share/tessarin/data/Train+-+090719.mdb"},
        {"BothBesideWins", true, true, "bin/data/Train+-+090719.mdb"},
        {"NeitherNamesBeside", false, false, "bin/data/Train+-+090719.mdb"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        testing::TemporaryTimetable scratch;
        const std::filesystem::path root = scratch.folder() / "prefix";
        for (const auto& [present, folder] : {std::pair{c.beside, root / "bin" / "data"},
                                              std::pair{c.installed, root / "share" / "tessarin" / "data"}}) {
            std::filesystem::create_directories(folder);
            if (present)
                std::ofstream(folder / "Train+-+090719.mdb") << "timetable";
        }
        EXPECT_EQ(dataFileFor(root / "bin"), root / c.expected);
    }
}

} // namespace
} // namespace tessarin::data
