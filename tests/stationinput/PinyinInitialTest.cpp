#include "stationinput/PinyinInitial.h"

#include <gtest/gtest.h>

#include <string>

namespace tessarin::stationinput {
namespace {

struct InitialCase {
    const char* text;
    char initial;
};

// The first and last level-1 character of every letter, read through their
// GBK codes: a wrong bound in the table moves one of them into a neighbour.
class RangeEnds : public ::testing::TestWithParam<InitialCase> {};

TEST_P(RangeEnds, GiveTheirRangesLetter) { EXPECT_EQ(GetPinyinInitial(GetParam().text), GetParam().initial); }

INSTANTIATE_TEST_SUITE_P(
    EveryLetter, RangeEnds,
    ::testing::Values(InitialCase{"啊", 'A'}, InitialCase{"澳", 'A'}, InitialCase{"芭", 'B'}, InitialCase{"怖", 'B'},
                      InitialCase{"擦", 'C'}, InitialCase{"错", 'C'}, InitialCase{"搭", 'D'}, InitialCase{"堕", 'D'},
                      InitialCase{"蛾", 'E'}, InitialCase{"贰", 'E'}, InitialCase{"发", 'F'}, InitialCase{"咐", 'F'},
                      InitialCase{"噶", 'G'}, InitialCase{"过", 'G'}, InitialCase{"哈", 'H'}, InitialCase{"祸", 'H'},
                      InitialCase{"击", 'J'}, InitialCase{"骏", 'J'}, InitialCase{"喀", 'K'}, InitialCase{"阔", 'K'},
                      InitialCase{"垃", 'L'}, InitialCase{"络", 'L'}, InitialCase{"妈", 'M'}, InitialCase{"穆", 'M'},
                      InitialCase{"拿", 'N'}, InitialCase{"诺", 'N'}, InitialCase{"哦", 'O'}, InitialCase{"沤", 'O'},
                      InitialCase{"啪", 'P'}, InitialCase{"瀑", 'P'}, InitialCase{"期", 'Q'}, InitialCase{"群", 'Q'},
                      InitialCase{"然", 'R'}, InitialCase{"弱", 'R'}, InitialCase{"撒", 'S'}, InitialCase{"所", 'S'},
                      InitialCase{"塌", 'T'}, InitialCase{"唾", 'T'}, InitialCase{"挖", 'W'}, InitialCase{"误", 'W'},
                      InitialCase{"昔", 'X'}, InitialCase{"迅", 'X'}, InitialCase{"压", 'Y'}, InitialCase{"孕", 'Y'},
                      InitialCase{"匝", 'Z'}, InitialCase{"座", 'Z'}));

class CharacterInitials : public ::testing::TestWithParam<InitialCase> {};

TEST_P(CharacterInitials, FollowTheGbkCode) { EXPECT_EQ(GetPinyinInitial(GetParam().text), GetParam().initial); }

INSTANTIATE_TEST_SUITE_P(
    EdgeCases, CharacterInitials,
    ::testing::Values(InitialCase{"北京", 'B'},      // only the first character is read
                      InitialCase{"京", 'J'},
                      InitialCase{"巡", 'X'},
                      InitialCase{"綦", 0},          // level 2 (F4EB), ordered by radical
                      InitialCase{"、", 0},          // GB2312 symbol A1A2
                      InitialCase{"╋", 0},           // GB2312 symbol A9EF, the last of row 9
                      InitialCase{"ab", 0},          // ASCII
                      InitialCase{"€", 0},           // one-byte GBK code 80
                      InitialCase{"盄", 'B'},        // GBK extension B140 inside the B range
                      InitialCase{"𝄞", 0},           // no GBK code
                      InitialCase{"\xE5\x8C", 0},    // malformed: a truncated character
                      InitialCase{"", 0}));

struct CodeCase {
    unsigned code;
    char initial;
};

class CodeInitials : public ::testing::TestWithParam<CodeCase> {};

TEST_P(CodeInitials, LieInTheirRange) { EXPECT_EQ(pinyinInitialOfCode(GetParam().code), GetParam().initial); }

// Codes that no character reaches through the converter.
INSTANTIATE_TEST_SUITE_P(
    CodesWithoutCharacters, CodeInitials,
    ::testing::Values(CodeCase{0xB0A0, 0}, CodeCase{0xB1FF, 'B'},  // a non-character between two level-1 codes
                      CodeCase{0xD7FA, 0}, CodeCase{0xD7FE, 0},    // unassigned after 座
                      CodeCase{24930, 0}, CodeCase{0, 0}, CodeCase{0xFFFF, 0}));

TEST(PinyinInitials, GiveOneInitialPerCharacter) {
    EXPECT_EQ(pinyinInitials("北京西"), "BJX");
    EXPECT_EQ(pinyinInitials("綦江1"), std::string("\0J\0", 3));
    EXPECT_EQ(pinyinInitials(""), "");
}

} // namespace
} // namespace tessarin::stationinput
