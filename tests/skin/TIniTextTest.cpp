// The definition reader's rules: lines, sections, keys, numbers and colours.

#include "skin/TIniText.h"

#include <gtest/gtest.h>

namespace tessarin::skin {
namespace {

TEST(TIniText, SplitsLinesAtCrLfOrCrLfAndTrimsThem) {
    const TIniText ini("[Buttons]\rLeftWidth=4\nRightWidth = 5 \r\n\t TopHeight\t=\t9\x01\r\n\r\n;Tile=1\n  ;Trans=1\n");
    EXPECT_EQ(ini.readInteger("Buttons", "LeftWidth", 0), 4);
    EXPECT_EQ(ini.readInteger("Buttons", "RightWidth", 0), 5);
    EXPECT_EQ(ini.readInteger("Buttons", "TopHeight", 0), 9);
    EXPECT_FALSE(ini.hasKey("Buttons", "Tile"));
    EXPECT_FALSE(ini.hasKey("Buttons", ";Trans"));
    EXPECT_EQ(ini.entries("Buttons").size(), 3u);
}

TEST(TIniText, FindsSectionsAndKeysInAnyCaseAndTakesTheFirst) {
    const TIniText ini("Orphan=1\n[ Buttons ]\nRightWidth=4\nrightwidth=9\n[Other]\nRightWidth=7\n[BUTTONS]\nRightWidth=8\n");
    for (const char* key : {"rightwidth", "RightWidth", "Rightwidth", "RIGHTWIDTH"})
        EXPECT_EQ(ini.readInteger("buttons", key, 0), 4) << key;
    EXPECT_EQ(ini.readInteger("other", "rightWidth", 0), 7);
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"Buttons", "Other"}));
    EXPECT_FALSE(ini.hasKey("", "Orphan"));
}

TEST(TIniText, SplitsEntriesAtTheFirstEqualsSign) {
    const TIniText ini("[S]\nImage=Theme\\a=b.bmp\nno equals sign\nEmpty=\n");
    EXPECT_EQ(ini.readString("S", "Image"), "Theme\\a=b.bmp");
    EXPECT_TRUE(ini.hasKey("S", ""));
    EXPECT_TRUE(ini.hasKey("S", "Empty"));
    EXPECT_EQ(ini.readString("S", "Empty", "fallback"), "fallback");
    EXPECT_EQ(ini.readString("S", "Missing", "fallback"), "fallback");
    EXPECT_EQ(ini.readString("Missing", "Image", "fallback"), "fallback");
}

struct NumberCase {
    const char* text;
    int expected;
};

class IniNumber : public ::testing::TestWithParam<NumberCase> {};

TEST_P(IniNumber, ReadsDecimalOrHexOrTheDefault) {
    const TIniText ini(std::string("[S]\nKey=") + GetParam().text + "\n");
    EXPECT_EQ(ini.readInteger("S", "Key", -77), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Cases, IniNumber,
                         ::testing::Values(NumberCase{"0x10", 16}, NumberCase{"0X1f", 31}, NumberCase{"12", 12},
                                           NumberCase{"-5", -5}, NumberCase{" 7 ", 7}, NumberCase{"0xFFFFFFFF", -1},
                                           NumberCase{"abc", -77}, NumberCase{"0x", -77}, NumberCase{"12abc", -77},
                                           NumberCase{"0x1G", -77}, NumberCase{"2147483648", -77},
                                           NumberCase{"0x100000000", -77}, NumberCase{"", -77},
                                           NumberCase{"1.5", -77}));

TEST(TIniText, ReadsColoursAsThreeNumbersBetweenAnyOtherCharacters) {
    const TIniText ini("[Colours]\nA=146 164 230\nB=146,164,230\nC=r1g2b3\nD=1 2\nE=256 0 0\nF=1 2 3 4\nG=\n");
    EXPECT_EQ(ini.readColour("Colours", "A"), (Rgb{146, 164, 230}));
    EXPECT_EQ(ini.readColour("Colours", "B"), (Rgb{146, 164, 230}));
    EXPECT_EQ(ini.readColour("Colours", "C"), (Rgb{1, 2, 3}));
    EXPECT_EQ(ini.readColour("Colours", "F"), (Rgb{1, 2, 3}));
    for (const char* malformed : {"D", "E", "G", "Missing"})
        EXPECT_FALSE(ini.readColour("Colours", malformed).has_value()) << malformed;
}

} // namespace
} // namespace tessarin::skin
