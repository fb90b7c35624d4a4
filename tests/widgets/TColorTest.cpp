#include "widgets/TColor.h"

#include <gtest/gtest.h>

namespace tessarin::widgets {
namespace {

TEST(TColor, ReadsTwentyFourBitValuesWithRedInTheLowByte) {
    EXPECT_EQ(TColor::fromInt(15115410).toQColor(), QColor(146, 164, 230));
    EXPECT_EQ(TColor::fromInt(15059394).toQColor(), QColor(194, 201, 229));
    EXPECT_EQ(TColor::rgb(104, 121, 250).toInt(), 16415080);
    EXPECT_EQ(TColor::fromQColor(QColor(201, 210, 243)), TColor::fromInt(15979209));
}

TEST(TColor, SystemColoursKeepTheirNameButShowTheirClassicValue) {
    EXPECT_EQ(clBtnFace.toQColor(), QColor(212, 208, 200));
    EXPECT_EQ(clHighlight.toQColor(), QColor(10, 36, 106));
    EXPECT_EQ(clWindow.toInt(), 16777215);
    EXPECT_NE(clWindow, clWhite) << "alike on screen, not the same colour";
    EXPECT_TRUE(clWindow.isSystem());
    EXPECT_FALSE(clWhite.isSystem());
}

} // namespace
} // namespace tessarin::widgets
