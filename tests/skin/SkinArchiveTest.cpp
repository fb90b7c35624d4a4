// The archive reader: versions and their skipped blocks, names, lookups, and
// layouts that run past the end.

#include "SkinFixtures.h"
#include "skin/LittleEndian.h"
#include "skin/SkinArchive.h"
#include "skin/SkinFormatError.h"

#include <gtest/gtest.h>

namespace tessarin::skin {
namespace {

using testing::archiveOf;
using testing::bytesOf;

const std::vector<tools::ArchiveFile> someFiles{
    {"Metallic.INI", bytesOf("[Buttons]\r\n")},
    {"Silver_MenuBackground.bmp", bytesOf("BM-menu")},
    {"Empty.bmp", {}},
    {"silver_menubackground.bmp", bytesOf("BM-second")},
};

std::string contentsOf(const SkinArchive& archive, const SkinArchiveEntry* entry) {
    const auto bytes = archive.contents(*entry);
    return {bytes.begin(), bytes.end()};
}

class SkinArchiveVersion : public ::testing::TestWithParam<int> {};

TEST_P(SkinArchiveVersion, ReadsNamesSizesAndContentsPastItsSkippedBlock) {
    const SkinArchive archive(archiveOf(someFiles, GetParam()));
    EXPECT_EQ(archive.version(), GetParam());
    ASSERT_EQ(archive.entries().size(), 4u);
    EXPECT_EQ(archive.entries()[0].name, "metallic.ini");
    EXPECT_EQ(archive.entries()[1].name, "silver_menubackground.bmp");
    EXPECT_EQ(archive.entries()[2].size, 0u);
    EXPECT_EQ(contentsOf(archive, &archive.entries()[0]), "[Buttons]\r\n");
    EXPECT_EQ(contentsOf(archive, &archive.entries()[3]), "BM-second");
}

INSTANTIATE_TEST_SUITE_P(KnownVersions, SkinArchiveVersion, ::testing::Values(20000, 30000, 40000, 50000, 60000, 70000));

TEST(SkinArchive, OtherVersionsAreUnsupported) {
    for (int version : {0, 10000, 45000, 50001, 80000, -1}) {
        try {
            SkinArchive archive(archiveOf(someFiles, version));
            ADD_FAILURE() << version << " was read";
        } catch (const SkinFormatError& error) {
            EXPECT_STREQ(error.what(), "Unsupported skin version\rPlease use a skin of a supported version.");
        }
    }
}

TEST(SkinArchive, FindsFilesByTheFileNamePartOfAReference) {
    const SkinArchive archive(archiveOf(someFiles));
    EXPECT_EQ(contentsOf(archive, archive.find("Theme\\Silver_MenuBackground.bmp")), "BM-menu");
    EXPECT_EQ(contentsOf(archive, archive.find("a\\b\\SILVER_MENUBACKGROUND.BMP")), "BM-menu");
    EXPECT_EQ(archive.find("missing.bmp"), nullptr);
    EXPECT_EQ(archive.find(""), nullptr);
    EXPECT_EQ(archive.definition(), &archive.entries()[0]);
}

TEST(SkinArchive, GivesBitmapsOnlyForReferencesEndingInBmp) {
    const SkinArchive archive(archiveOf(someFiles));
    EXPECT_EQ(archive.bitmapFile("Theme\\Silver_MenuBackground.bmp").size(), 7u);
    EXPECT_TRUE(archive.bitmapFile("Silver_MenuBackground.BMP").empty());
    EXPECT_TRUE(archive.bitmapFile("Metallic.INI").empty());
    EXPECT_TRUE(archive.bitmapFile("").empty());
    EXPECT_TRUE(archive.bitmapFile("Theme\\Silver_SpinHorizontal.bmp").empty());
}

TEST(SkinArchive, WithoutAnIniEntryHasNoDefinition) {
    const SkinArchive archive(archiveOf({{"one.bmp", bytesOf("BM")}, {"two.bmp", bytesOf("BM")}}));
    EXPECT_EQ(archive.definition(), nullptr);
}

TEST(SkinArchive, ANameListWithoutFinalLineBreakHasNoEmptyName) {
    std::vector<std::uint8_t> bytes = archiveOf({{"a.ini", bytesOf("x")}}, 20000);
    // Drop the list's final CR LF: shorten the list by two and move the size up.
    bytes.erase(bytes.begin() + 16 + 5, bytes.begin() + 16 + 7);
    bytes[4] = 5;
    const SkinArchive archive(std::move(bytes));
    ASSERT_EQ(archive.entries().size(), 1u);
    EXPECT_EQ(contentsOf(archive, &archive.entries()[0]), "x");
}

void overwrite(std::vector<std::uint8_t>& bytes, std::size_t offset, std::uint32_t value) {
    for (int i = 0; i < 4; ++i)
        bytes[offset + i] = static_cast<std::uint8_t>(value >> (8 * i));
}

TEST(SkinArchive, LayoutsRunningPastTheEndFail) {
    const std::vector<std::uint8_t> good = archiveOf(someFiles, 20000);
    const std::size_t sizes = 16 + readUint32(good, 4);
    std::vector<std::vector<std::uint8_t>> damaged;
    for (std::uint32_t absurd : {0xFFFFFFFFu, 0x7FFFFFFFu, 1000u}) {
        damaged.push_back(good);
        overwrite(damaged.back(), 4, absurd);  // the name list's length
        damaged.push_back(good);
        overwrite(damaged.back(), sizes + 4, absurd);  // the second file's size
    }
    for (std::size_t length = 0; length < good.size(); ++length)
        damaged.emplace_back(good.begin(), good.begin() + length);
    damaged.push_back(archiveOf(someFiles, 30000));
    damaged.back().resize(100);  // ends inside the skipped block
    for (const auto& bytes : damaged)
        EXPECT_THROW(SkinArchive{bytes}, SkinFormatError) << bytes.size();
}

} // namespace
} // namespace tessarin::skin
