// tessarin-cli skin [FILE], run as a user runs it.

#include "SkinFixtures.h"
#include "SkinPacker.h"
#include "support/CliRunner.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>

#include <unistd.h>

namespace {

namespace fs = std::filesystem;

using tessarin::testing::CliRun;
using tessarin::testing::linesOf;

// tessarin-cli skin, with a packed skin file when one is named.
CliRun runCli(const std::string& file) {
    std::vector<std::string> arguments{"skin"};
    if (!file.empty())
        arguments.push_back(file);
    return tessarin::testing::runCli(arguments);
}

const fs::path packedSkinFile = fs::path(TESSARIN_SKIN_DIR) / "metallic.skin";

TEST(SkinCommand, DescribesTheStoredSkin) {
    const CliRun run = runCli("");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::vector<std::string> lines = linesOf(run.out);
    ASSERT_EQ(lines.size(), 2u + 41u + 1u + 13u);
    EXPECT_EQ(lines[0], "version 50000");
    EXPECT_TRUE(lines[1].starts_with("unpacked "));
    EXPECT_TRUE(lines[2].starts_with("entry metallic.ini "));
    EXPECT_EQ(lines[3], "entry topborder.bmp 10806");
    EXPECT_TRUE(lines[39].starts_with("entry mtrack v.bmp "));
    EXPECT_TRUE(lines[42].starts_with("entry mainmenubar.bmp "));
    EXPECT_EQ(lines[43], "frame 5 28 5 5");
    EXPECT_EQ(lines[44], "colour ButtonFace 146 164 230");
    EXPECT_EQ(lines[45], "colour Window 255 255 255");
    EXPECT_EQ(lines.back(), "colour TitleTextNoActive 162 161 161");
    EXPECT_EQ(run.err, "");
}

TEST(SkinCommand, ReadsAPackedSkinFileLikeTheStoredSkin) {
    const CliRun stored = runCli("");
    const CliRun file = runCli(packedSkinFile.string());
    EXPECT_EQ(file.status, 0) << file.err;
    EXPECT_EQ(file.out, stored.out);
}

TEST(SkinCommand, FailsOnDamagedMissingOrUnreadableFiles) {
    const fs::path folder = fs::temp_directory_path() / ("skin-command-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path cut = folder / "cut.skin";
    {
        std::ifstream in(packedSkinFile, std::ios::binary);
        std::string bytes(std::istreambuf_iterator<char>(in), {});
        // Too short to unpack to the size it declares.
        std::ofstream(cut, std::ios::binary) << bytes.substr(0, 100);
    }
    const fs::path huge = folder / "huge.skin";
    std::ofstream(huge, std::ios::binary).put('\0');
    fs::resize_file(huge, 64 * 1024 * 1024 + 1);  // sparse: no disk spent
    for (const auto& [file, message] :
         {std::pair{cut.string(), std::string("Skin unpacking: an unpacked size of ")},
          std::pair{std::string("/no/such/file.skin"), std::string("Cannot read the skin file /no/such/file.skin")},
          std::pair{std::string("/dev/zero"), std::string("The skin file /dev/zero is not a regular file")},
          std::pair{folder.string(), "The skin file " + folder.string() + " is not a regular file"},
          std::pair{huge.string(), "The skin file " + huge.string() + " is larger than 64 MB"}}) {
        const CliRun run = runCli(file);
        EXPECT_EQ(run.status, 1) << file;
        EXPECT_EQ(run.out, "") << file;
        EXPECT_TRUE(run.err.starts_with(message)) << run.err;
    }
    fs::remove_all(folder);
}

TEST(SkinCommand, AMessageOfTwoLinesJoinedByACarriageReturnPrintsAsTwoLines) {
    const fs::path folder = fs::temp_directory_path() / ("skin-command-cr-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const fs::path old = folder / "old.skin";
    {
        namespace skin = tessarin::skin;
        const auto packed =
            skin::tools::packSkin(skin::testing::archiveOf({{"a.ini", skin::testing::bytesOf("[Colours]")}}, 45000));
        std::ofstream(old, std::ios::binary)
            .write(reinterpret_cast<const char*>(packed.data()), static_cast<std::streamsize>(packed.size()));
    }
    const CliRun run = runCli(old.string());
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, "Unsupported skin version\nPlease use a skin of a supported version.\n");
    fs::remove_all(folder);
}

} // namespace
