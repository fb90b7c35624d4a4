#include "grid/TextPlacement.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

namespace tessarin::grid {
namespace {

struct PlacementCase {
    TAlignment alignment;
    int expected;
};

class TextLeftTable : public ::testing::TestWithParam<PlacementCase> {};

// A cell from 10 up to 71, margin 2, text 20 wide.
TEST_P(TextLeftTable, PlacesOneLineInItsCell) {
    EXPECT_EQ(textLeft(GetParam().alignment, 10, 71, 2, 20), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Alignments, TextLeftTable,
                         ::testing::Values(PlacementCase{TAlignment::taLeftJustify, 12},
                                           PlacementCase{TAlignment::taRightJustify, 71 - 20 - 3},
                                           PlacementCase{TAlignment::taCenter, 10 + 30 - 10}));

TEST(TextPlacement, CentredTextWiderThanItsCellStartsLeftOfIt) {
    EXPECT_EQ(textLeft(TAlignment::taCenter, 0, 30, 2, 51), 15 - 25);
}

// An italic face whose last glyph leans past its advance.
QFont leaningFont() {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(20);
    font.setItalic(true);
    return font;
}

TEST(TextPlacement, BoldOrItalicTextOutOfTheLeftCountsItsOverhang) {
    const QFont font = leaningFont();
    const QString text = QStringLiteral("Wf");
    const QFontMetrics metrics(font);
    const int advance = metrics.horizontalAdvance(text);
    const int inkRight = metrics.boundingRect(text).right() + 1;
    ASSERT_GT(inkRight, advance) << "the fixture needs a glyph reaching past its advance";
    EXPECT_EQ(placementWidth(font, text, TAlignment::taCenter), inkRight);
    EXPECT_EQ(placementWidth(font, text, TAlignment::taRightJustify), inkRight);
    EXPECT_EQ(placementWidth(font, text, TAlignment::taLeftJustify), advance);
    QFont upright = font;
    upright.setItalic(false);
    EXPECT_EQ(placementWidth(upright, text, TAlignment::taCenter), QFontMetrics(upright).horizontalAdvance(text));
}

} // namespace
} // namespace tessarin::grid
