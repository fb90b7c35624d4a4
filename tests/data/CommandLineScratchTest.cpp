#include "data/CommandLineScratch.h"
#include "support/TemporaryTimetable.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <string>

namespace tessarin::data {
namespace {

using Environment = std::map<std::string, std::string>;

std::optional<std::filesystem::path> scratchFor(const std::filesystem::path& timetable, const Environment& variables) {
    return commandLineScratchFile(timetable, [&](const char* name) -> const char* {
        const auto found = variables.find(name);
        return found == variables.end() ? nullptr : found->second.c_str();
    });
}

unsigned modeOf(const std::filesystem::path& folder) {
    struct stat status {};
    ::stat(folder.c_str(), &status);
    return status.st_mode & 0777;
}

class CommandLineScratchTest : public ::testing::Test {
protected:
    testing::TemporaryTimetable home_;
    const std::filesystem::path timetable_ = home_.file();
    const std::string homeFolder_ = home_.folder().string();
};

TEST_F(CommandLineScratchTest, LiesInTheStateFolderMadePrivateOnFirstUse) {
    const std::string state = homeFolder_ + "/state/deep";
    const auto file = scratchFor(timetable_, {{"XDG_STATE_HOME", state}, {"HOME", homeFolder_}});
    ASSERT_TRUE(file);
    EXPECT_EQ(file->parent_path(), std::filesystem::path(state) / "tessarin");
    EXPECT_EQ(modeOf(file->parent_path()), 0700u);
    EXPECT_EQ(modeOf(state), 0700u);
    EXPECT_EQ(file->filename().string().rfind("results-", 0), 0u) << *file;
}

TEST_F(CommandLineScratchTest, FallsBackFromTheStateFolderToHomeAndToTheCacheFolder) {
    // A relative setting counts as unset.
    EXPECT_EQ(scratchFor(timetable_, {{"XDG_STATE_HOME", "relative"}, {"HOME", homeFolder_}})->parent_path(),
              home_.folder() / ".local/state/tessarin");
    // A state folder that cannot be made (a file stands in its way).
    std::ofstream(home_.folder() / "blocked") << "not a folder";
    const std::string cache = homeFolder_ + "/cache";
    EXPECT_EQ(scratchFor(timetable_, {{"XDG_STATE_HOME", homeFolder_ + "/blocked"}, {"XDG_CACHE_HOME", cache}})
                  ->parent_path(),
              std::filesystem::path(cache) / "tessarin");
    EXPECT_FALSE(scratchFor(timetable_, {}));
}

TEST_F(CommandLineScratchTest, OneFilePerTimetableWhateverTheWayItIsNamed) {
    const Environment variables{{"XDG_STATE_HOME", homeFolder_ + "/state"}};
    const auto file = scratchFor(timetable_, variables);
    EXPECT_EQ(scratchFor(home_.folder() / "." / timetable_.filename(), variables), file);
    EXPECT_NE(scratchFor(home_.folder() / "other.mdb", variables), file);
}

} // namespace
} // namespace tessarin::data
