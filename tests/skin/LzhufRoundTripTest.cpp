// Packing with the build-time packer and unpacking with the program's
// unpacker gives back the data, whatever its shape.

#include "SkinFixtures.h"
#include "SkinPacker.h"
#include "skin/SkinUnpacker.h"

#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <string>

namespace tessarin::skin {
namespace {

using testing::bytesOf;

std::vector<std::uint8_t> randomBytes(std::size_t count, unsigned seed) {
    std::mt19937 generator(seed);
    std::vector<std::uint8_t> bytes(count);
    for (auto& byte : bytes)
        byte = static_cast<std::uint8_t>(generator());
    return bytes;
}

// Text of a small vocabulary: many matches of every length and distance.
std::vector<std::uint8_t> wordSoup(std::size_t count) {
    static const std::vector<std::string> words{"train ", "K7322 ", "station ", "\r\n", "=", "0x1F ", "Buttons", " "};
    std::mt19937 generator(7);
    std::string text;
    while (text.size() < count)
        text += words[generator() % words.size()];
    return bytesOf(text);
}

struct RoundTripCase {
    const char* name;
    std::function<std::vector<std::uint8_t>()> data;
};

class LzhufRoundTrip : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(LzhufRoundTrip, UnpackingThePackedBytesGivesThemBack) {
    const std::vector<std::uint8_t> data = GetParam().data();
    EXPECT_EQ(unpackSkin(tools::packSkin(data)), data);
}

INSTANTIATE_TEST_SUITE_P(
    VariedData, LzhufRoundTrip,
    ::testing::Values(RoundTripCase{"Empty", [] { return std::vector<std::uint8_t>{}; }},
                      RoundTripCase{"OneByte", [] { return std::vector<std::uint8_t>{0x41}; }},
                      RoundTripCase{"LongRun", [] { return std::vector<std::uint8_t>(100000, 'a'); }},
                      RoundTripCase{"LeadingSpacesMatchTheFreshRing",
                                    [] { return bytesOf(std::string(300, ' ') + "x" + std::string(70, ' ')); }},
                      RoundTripCase{"Zeros", [] { return std::vector<std::uint8_t>(5000, 0); }},
                      // Enough symbols to rebuild the Huffman tree many times.
                      RoundTripCase{"RandomBytes", [] { return randomBytes(300000, 1); }},
                      RoundTripCase{"Words", [] { return wordSoup(200000); }},
                      RoundTripCase{"TheStoredSkin", [] { return unpackSkin(testing::storedPackedSkin()); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LzhufPacking, RepetitiveDataPacksSmall) {
    EXPECT_LT(tools::packSkin(std::vector<std::uint8_t>(100000, 'a')).size(), 2500u);  // about ten bits a 60-byte match
    EXPECT_LT(tools::packSkin(wordSoup(100000)).size(), 40000u);
}

TEST(LzhufUnpacking, StopsAtTheUnpackedSizeEvenInsideAMatch) {
    const std::vector<std::uint8_t> data = bytesOf("abcabcabcabcabcabcabcabcabcabc");
    std::vector<std::uint8_t> packed = tools::packSkin(data);
    for (std::uint8_t size : {1, 4, 5, 29}) {
        packed[0] = size;
        EXPECT_EQ(unpackSkin(packed), std::vector<std::uint8_t>(data.begin(), data.begin() + size)) << int(size);
    }
}

} // namespace
} // namespace tessarin::skin
