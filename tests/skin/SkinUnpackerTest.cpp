// Packed skins: bits past the end of the data read as 0 and unpacking stops
// after the declared size; a size no packed stream of that length could hold
// fails with a message, and nothing ever reads outside the data.

#include "SkinFixtures.h"
#include "SizePrefix.h"
#include "SkinPacker.h"
#include "skin/SkinArchive.h"
#include "skin/SkinFormatError.h"
#include "skin/SkinUnpacker.h"

#include <gtest/gtest.h>

#include <random>

namespace tessarin::skin {
namespace {

using testing::bytesOf;

std::uint32_t declaredSize(const std::vector<std::uint8_t>& packed) {
    return packed[0] | packed[1] << 8 | packed[2] << 16 | static_cast<std::uint32_t>(packed[3]) << 24;
}

struct DamagedCase {
    const char* name;
    std::vector<std::uint8_t> packed;
    const char* message;
};

class DamagedPackedSkin : public ::testing::TestWithParam<DamagedCase> {};

TEST_P(DamagedPackedSkin, FailsWithAMessage) {
    try {
        unpackSkin(GetParam().packed);
        FAIL() << "unpacked";
    } catch (const SkinFormatError& error) {
        EXPECT_NE(std::string(error.what()).find(GetParam().message), std::string::npos) << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedPackedSkin,
    ::testing::Values(DamagedCase{"NoSize", {1, 2, 3}, "too short to hold its unpacked size"},
                      DamagedCase{"SizeBeyondTheData", tools::prefixed(0xFFFFFFFF, bytesOf("abcdefgh")), "more than 8 packed"},
                      DamagedCase{"SizeBeyondTheBestRatio", tools::prefixed(8 * 48 + 1, bytesOf("abcdefgh")), "more than 8 packed"},
                      DamagedCase{"SizeWithoutData", tools::prefixed(1, {}), "more than 0 packed"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SkinUnpacker, AStreamCutShortReadsZeroBitsAndStopsAfterTheDeclaredSize) {
    const std::vector<std::uint8_t> packed = tools::packSkin(bytesOf("Track=mtrack_h.bmp\r\nTRACKVERT=mtrack v.bmp\r\n"));
    for (std::size_t length = 5; length < packed.size(); ++length) {
        const auto cut = std::span(packed).first(length);
        std::vector<std::uint8_t> zeroFilled(cut.begin(), cut.end());
        zeroFilled.resize(packed.size(), 0);
        const std::vector<std::uint8_t> unpacked = unpackSkin(cut);
        EXPECT_EQ(unpacked.size(), declaredSize(packed)) << length;
        EXPECT_EQ(unpacked, unpackSkin(zeroFilled)) << length;
    }
}

TEST(SkinUnpacker, TheStoredSkinCutByItsLastByteStillLoads) {
    std::vector<std::uint8_t> packed = testing::storedPackedSkin();
    const std::vector<std::uint8_t> whole = unpackSkin(packed);
    packed.pop_back();
    const std::vector<std::uint8_t> cut = unpackSkin(packed);
    ASSERT_EQ(cut.size(), whole.size());
    const SkinArchive archive(cut);
    EXPECT_EQ(archive.version(), 50000);
    EXPECT_EQ(archive.entries().size(), 41u);
}

// The best the packer can do: one byte over and over, every match the
// longest, each coded in the fewest bits there are. The size cap must let
// that through.
TEST(SkinUnpacker, TheBestPackedRunUnpacksWithinTheSizeCap) {
    const std::vector<std::uint8_t> run(1 << 20, 'x');
    const std::vector<std::uint8_t> packed = tools::packSkin(run);
    EXPECT_GT(run.size(), 40 * (packed.size() - 4)) << "the run should pack nearly as well as possible";
    EXPECT_EQ(unpackSkin(packed), run);
}

TEST(SkinUnpacker, CorruptedBytesEitherFailOrGiveTheDeclaredSize) {
    const std::vector<std::uint8_t> original = testing::storedPackedSkin();
    std::mt19937 generator(11);
    for (int round = 0; round < 60; ++round) {
        std::vector<std::uint8_t> packed = original;
        for (int flips = 0; flips < 3; ++flips)
            packed[4 + generator() % (packed.size() - 4)] ^= static_cast<std::uint8_t>(1 + generator() % 255);
        try {
            EXPECT_EQ(unpackSkin(packed).size(), declaredSize(original));
        } catch (const SkinFormatError&) {
        }
    }
}

} // namespace
} // namespace tessarin::skin
