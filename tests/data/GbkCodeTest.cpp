#include "data/GbkCode.h"
#include "data/Utf8Characters.h"

#include <gtest/gtest.h>

#include <optional>

namespace tessarin::data {
namespace {

struct GbkCase {
    const char* character;
    std::optional<unsigned> code;
};

class GbkCodes : public ::testing::TestWithParam<GbkCase> {};

TEST_P(GbkCodes, AreTheCodePage936Bytes) { EXPECT_EQ(gbkCode(GetParam().character), GetParam().code); }

INSTANTIATE_TEST_SUITE_P(OneCharacterOnly, GbkCodes,
                         ::testing::Values(GbkCase{"啊", 0xB0A1}, GbkCase{"a", 0x61}, GbkCase{"𝄞", std::nullopt},
                                           GbkCase{"北京", std::nullopt}, GbkCase{"", std::nullopt}));

struct SplitCase {
    const char* text;
    const char* first;
    std::optional<char32_t> codePoint;
};

class FirstCharacter : public ::testing::TestWithParam<SplitCase> {};

TEST_P(FirstCharacter, NeverRunsPastTheTextAndDecodesOnlyWellFormedCharacters) {
    const std::string_view first = firstCharacter(GetParam().text);
    EXPECT_EQ(first, GetParam().first);
    EXPECT_EQ(codePoint(first), GetParam().codePoint);
}

INSTANTIATE_TEST_SUITE_P(WellFormedAndMalformed, FirstCharacter,
                         ::testing::Values(SplitCase{"", "", std::nullopt}, SplitCase{"ab", "a", U'a'},
                                           SplitCase{"ü", "ü", U'ü'}, SplitCase{"北京", "北", U'北'},
                                           SplitCase{"𝄞x", "𝄞", U'𝄞'}, SplitCase{"\xE5\x8C", "\xE5", std::nullopt},
                                           SplitCase{"\xE5" "a", "\xE5", std::nullopt},
                                           SplitCase{"\xFF北", "\xFF", std::nullopt}));

} // namespace
} // namespace tessarin::data
