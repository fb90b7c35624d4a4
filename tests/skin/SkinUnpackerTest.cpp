// Damaged packed skins fail with a message, never with a crash or a read
// outside the data.

#include "SkinFixtures.h"
#include "SizePrefix.h"
#include "SkinPacker.h"
#include "skin/SkinFormatError.h"
#include "skin/SkinUnpacker.h"

#include <gtest/gtest.h>

#include <random>

namespace tessarin::skin {
namespace {

using testing::bytesOf;

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

std::vector<std::uint8_t> storedCutBy(std::size_t bytes) {
    std::vector<std::uint8_t> packed = testing::storedPackedSkin();
    packed.resize(packed.size() - bytes);
    return packed;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DamagedPackedSkin,
    ::testing::Values(DamagedCase{"NoSize", {1, 2, 3}, "too short to hold its unpacked size"},
                      DamagedCase{"SizeBeyondTheData", tools::prefixed(0xFFFFFFFF, bytesOf("abcdefgh")), "more than 8 packed"},
                      DamagedCase{"SizeWithoutData", tools::prefixed(1, {}), "more than 0 packed"},
                      DamagedCase{"LastByteMissing", storedCutBy(1), "the packed data ends after"},
                      DamagedCase{"HalfMissing", storedCutBy(testing::storedPackedSkin().size() / 2),
                                  "the packed data ends after"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SkinUnpacker, EveryCutOfAPackedTextFails) {
    const std::vector<std::uint8_t> packed = tools::packSkin(bytesOf("Track=mtrack_h.bmp\r\nTRACKVERT=mtrack v.bmp\r\n"));
    for (std::size_t length = 4; length < packed.size(); ++length)
        EXPECT_THROW(unpackSkin(std::span(packed).first(length)), SkinFormatError) << length;
}

TEST(SkinUnpacker, CorruptedBytesEitherFailOrGiveTheDeclaredSize) {
    const std::vector<std::uint8_t> original = testing::storedPackedSkin();
    std::mt19937 generator(11);
    for (int round = 0; round < 60; ++round) {
        std::vector<std::uint8_t> packed = original;
        for (int flips = 0; flips < 3; ++flips)
            packed[4 + generator() % (packed.size() - 4)] ^= static_cast<std::uint8_t>(1 + generator() % 255);
        try {
            EXPECT_EQ(unpackSkin(packed).size(), original[0] | original[1] << 8 | original[2] << 16);
        } catch (const SkinFormatError&) {
        }
    }
}

} // namespace
} // namespace tessarin::skin
