#include "widgets/ImgPlacement.h"

#include <gtest/gtest.h>

namespace tessarin::widgets {
namespace {

struct PlacementCase {
    const char* name;
    TImgControlLayout layout;
    TImgState state;
    bool hasCaption;
    ImgPlacement expected;
};

// A 100 × 50 control, a 20 × 10 picture, a 30 × 12 caption, spacing 4,
// enter offset 1, down offset 2.
ImgPlacement place(const PlacementCase& c) {
    ImgPlacementInput input;
    input.control = QSize(100, 50);
    input.picture = QSize(20, 10);
    input.caption = c.hasCaption ? QSize(30, 12) : QSize(0, 12);
    input.hasCaption = c.hasCaption;
    input.layout = c.layout;
    input.spacing = 4;
    input.state = c.state;
    input.enterOffset = 1;
    input.downOffset = 2;
    return placeImgAndCaption(input);
}

class PlacementTable : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(PlacementTable, PlacesPictureAndCaption) {
    const PlacementCase& c = GetParam();
    EXPECT_EQ(place(c), c.expected) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Layouts, PlacementTable,
    ::testing::Values(
        // Side by side: the pair centred across, each centred down.
        PlacementCase{"left", iclImgLeft, isNormal, true, {{23, 20}, {47, 19}}},
        PlacementCase{"right", iclImgRight, isNormal, true, {{57, 20}, {23, 19}}},
        // One above the other: the pair centred down, each centred across.
        PlacementCase{"top", iclImgTop, isNormal, true, {{40, 12}, {35, 26}}},
        PlacementCase{"bottom", iclImgBottom, isNormal, true, {{40, 28}, {35, 12}}},
        // Centred over each other; spacing plays no part.
        PlacementCase{"centre", iclImgCenter, isNormal, true, {{40, 20}, {35, 19}}},
        // Without a caption there is no spacing either.
        PlacementCase{"top without caption", iclImgTop, isNormal, false, {{40, 14}, {50, 24}}},
        // Hovering moves both up-left, pressing down-right; checked stays.
        PlacementCase{"top while hovered", iclImgTop, isEnter, true, {{39, 11}, {34, 25}}},
        PlacementCase{"top while down", iclImgTop, isDown, true, {{42, 14}, {37, 28}}},
        PlacementCase{"top while checked", iclImgTop, isCheck, true, {{40, 12}, {35, 26}}}),
    [](const auto& info) {
        std::string name = info.param.name;
        for (char& ch : name)
            if (ch == ' ')
                ch = '_';
        return name;
    });

TEST(ImgPlacement, TruncatesTowardsZeroWhenThePictureIsWiderThanTheControl) {
    ImgPlacementInput input;
    input.control = QSize(10, 10);
    input.picture = QSize(15, 15);
    input.layout = iclImgCenter;
    // (10 − 15) / 2 = −2.5 → −2, not −3.
    EXPECT_EQ(placeImgAndCaption(input).picture, QPoint(-2, -2));
}

} // namespace
} // namespace tessarin::widgets
