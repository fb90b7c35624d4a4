// The records read from the program's stored skin: frame counts, margins,
// colours, caption buttons and the pictures derived from others.

#include "skin/MainWindowSkin.h"
#include "skin/PlatformMetrics.h"
#include "skin/SkinPainting.h"

#include <gtest/gtest.h>

namespace tessarin::skin {
namespace {

const SkinData& storedSkin() {
    static const auto component = [] {
        auto skin1 = std::make_unique<TSkinComponent>();
        loadMainWindowSkin(*skin1);
        return skin1;
    }();
    return *component->skin();
}

const TSkinElement& element(const char* name) {
    const TSkinElement* found = storedSkin().element(QString::fromLatin1(name));
    if (!found)
        throw std::runtime_error(std::string("no element ") + name);
    return *found;
}

struct FrameCountCase {
    const char* element;
    int frames;
};

class StoredSkinFrameCount : public ::testing::TestWithParam<FrameCountCase> {};

TEST_P(StoredSkinFrameCount, IsFixedByElement) { EXPECT_EQ(element(GetParam().element).frameCount, GetParam().frames); }

INSTANTIATE_TEST_SUITE_P(
    Elements, StoredSkinFrameCount,
    ::testing::Values(FrameCountCase{"Buttons", 5}, FrameCountCase{"Progress", 2}, FrameCountCase{"MenuBar", 2},
                      FrameCountCase{"GroupBoxEdge", 2}, FrameCountCase{"ToolBars", 5}, FrameCountCase{"Tabs", 5},
                      FrameCountCase{"ExtraImages", 5}, FrameCountCase{"MenuItem", 5}, FrameCountCase{"Headerbar", 5},
                      FrameCountCase{"Tab.Pane", 1}, FrameCountCase{"GroupBox", 1}, FrameCountCase{"MenuBackground", 1},
                      FrameCountCase{"Toolbar", 1}, FrameCountCase{"StatusBarEdges", 3},
                      FrameCountCase{"ComboButton", 4}, FrameCountCase{"SunkEdge", 4}, FrameCountCase{"HorzScroll", 4},
                      FrameCountCase{"VertScroll", 4}, FrameCountCase{"Scrollbar", 23},
                      FrameCountCase{"UpDown.Horz", 8}, FrameCountCase{"UpDown.Vert", 8},
                      FrameCountCase{"HorzScrollThumb", 4}, FrameCountCase{"VertScrollThumb", 4},
                      FrameCountCase{"Trackbar.ThumbHorz", 5}, FrameCountCase{"ComboxArrow", 4},
                      FrameCountCase{"Track", 1}, FrameCountCase{"trackvert", 1}));

TEST(StoredSkinRecords, PushButtonsAndMarks) {
    const auto* buttons = storedSkin().elementAs<TSkinButtonElement>(QStringLiteral("Buttons"));
    ASSERT_NE(buttons, nullptr);
    EXPECT_EQ(buttons->image.size(), QSize(90, 23));
    EXPECT_EQ(buttons->frameWidth(), 18);
    EXPECT_EQ(buttons->margins(), QMargins(4, 9, 4, 9));
    EXPECT_TRUE(buttons->transparent);
    EXPECT_FALSE(buttons->tiled);
    EXPECT_EQ(std::tuple(buttons->checkFrameCount, buttons->radioFrameCount), std::tuple(4, 4));
    EXPECT_EQ(buttons->checkImage.size(), QSize(52, 13));
    EXPECT_EQ(buttons->normalTextColour, QColor(0, 0, 0));
    EXPECT_EQ(buttons->pressedTextColour, QColor(255, 255, 255));
    EXPECT_TRUE(buttons->normalTextColourGiven && buttons->mouseOverTextColourGiven && buttons->pressedTextColourGiven);
}

TEST(StoredSkinRecords, WindowFrameAndCaption) {
    const SkinData& skin = storedSkin();
    EXPECT_EQ(skin.frameSizes(), (FrameSizes{5, 28, 5, 5}));
    const TSkinElement* left = skin.border(BorderSide::Left);
    ASSERT_NE(left, nullptr);
    EXPECT_EQ(std::tuple(left->topHeight, left->bottomHeight, left->tiled, left->transparent),
              std::tuple(28, 5, true, true));
    const TSkinElement* top = skin.border(BorderSide::Top);
    EXPECT_EQ(std::tuple(top->leftWidth, top->rightWidth, top->tiled), std::tuple(2000, 2, false));
    EXPECT_FALSE(skin.border(BorderSide::Bottom)->transparent);
    // The outer corner pixels of the side borders are cut away.
    EXPECT_EQ(left->image.pixelColor(0, 0), transparentMagenta);
    EXPECT_EQ(left->image.pixelColor(5, left->image.height() - 1), transparentMagenta);
    EXPECT_EQ(skin.border(BorderSide::Right)->image.pixelColor(4, 0), transparentMagenta);
    EXPECT_NE(left->image.pixelColor(1, 0), transparentMagenta);

    EXPECT_EQ(std::tuple(skin.title.textShift, skin.title.textShiftVert, skin.title.textRightClip,
                         skin.title.textAlignment, skin.title.fontHeight),
              std::tuple(15, 2, 79, 0, 14));
    EXPECT_EQ(skin.title.activeTextColour, QColor(14, 16, 16));
    EXPECT_EQ(skin.title.inactiveTextColour, QColor(162, 161, 161));
}

TEST(StoredSkinRecords, Colours) {
    const SkinColours& colours = storedSkin().colours;
    EXPECT_EQ(colours[SkinColourSlot::ButtonFace], QColor(146, 164, 230));
    EXPECT_EQ(colours[SkinColourSlot::ButtonShadow], QColor(157, 157, 161));
    EXPECT_EQ(colours[SkinColourSlot::TitleTextNoActive], QColor(162, 161, 161));
    EXPECT_TRUE(colours.isGiven(SkinColourSlot::Scrollbar));
    // Not in the definition: the classic value, marked as not given.
    EXPECT_FALSE(colours.isGiven(SkinColourSlot::Buttonlight));
    EXPECT_EQ(colours[SkinColourSlot::Buttonlight], QColor(255, 255, 255));
    EXPECT_EQ(storedSkin().colourList, (std::vector<QColor>{QColor(146, 164, 230), QColor(0, 0, 0)}));
    EXPECT_EQ(storedSkin().customColours[1], QColor(178, 180, 191));
    EXPECT_EQ(storedSkin().customColours[9], QColor(Qt::white));
    EXPECT_EQ(storedSkin().buttonFaceBrush.color(), QColor(146, 164, 230));
}

TEST(StoredSkinRecords, CaptionButtons) {
    struct Expected {
        int action, align, x, y, visibility, visibility1, frames, width;
    };
    const std::vector<Expected> expected{
        {0, 1, 40, 2, 0, 0, 6, 192},     {1, 1, 72, 2, 2, 6, 6, 192},     {1, 1, 72, 2, 1, 0, 6, 192},
        {2, 1, 104, 2, 8, 0, 6, 192},    {3, 0, 6, 8, 0, 0, 6, 0},        {7, 100, 60, 0, 100, 0, 4, 64},
        {8, 100, 40, 0, 100, 0, 4, 64},  {9, 100, 20, 0, 100, 0, 4, 64},
    };
    const auto& buttons = storedSkin().captionButtons;
    ASSERT_EQ(buttons.size(), expected.size());
    for (std::size_t i = 0; i < buttons.size(); ++i) {
        const auto& b = buttons[i];
        const auto& e = expected[i];
        EXPECT_EQ(std::tuple(b.action, b.align, b.x, b.y, b.visibility, b.visibility1, b.frameCount, b.image.width()),
                  std::tuple(e.action, e.align, e.x, e.y, e.visibility, e.visibility1, e.frames, e.width))
            << i;
    }
}

TEST(StoredSkinRecords, DefinitionValuesAndAbsentParts) {
    EXPECT_EQ(element("Tab.Pane").margins(), QMargins(4, 4, 4, 4));  // 6 in the definition, capped
    EXPECT_TRUE(element("SunkEdge").tiled);
    EXPECT_EQ(element("HorzScrollThumb").margins(), QMargins(3, 5, 3, 5));
    EXPECT_EQ(element("Scrollbar").frameWidth(), 17);
    // Named in the definition but not in the archive: present, without images.
    const auto* spin = storedSkin().elementAs<TSkinBorderElement>(QStringLiteral("UpDown.Horz"));
    ASSERT_NE(spin, nullptr);
    EXPECT_TRUE(spin->image.isNull() && spin->secondImage.isNull());
    EXPECT_EQ(storedSkin().element(QStringLiteral("Trackbar.ThumbLeft")), nullptr);
    EXPECT_EQ(storedSkin().element(QStringLiteral("Dialog")), nullptr);
    EXPECT_EQ(element("Track").image.size(), QSize(20, 6));
}

TEST(StoredSkinDerivedImages, ComboBoxPicturesFrameAMagentaInterior) {
    const int arrow = horizontalScrollArrowWidth();
    const auto* combo = storedSkin().elementAs<TSkinBorderElement>(QStringLiteral("ComboButton"));
    ASSERT_NE(combo, nullptr);
    EXPECT_EQ(combo->image.size(), QSize(200, 21));
    EXPECT_EQ(combo->style, 2);
    EXPECT_EQ(combo->margins(), QMargins(2, 1, arrow + 4, 1));
    EXPECT_EQ(combo->secondImage.size(), QSize(64, 18));
    EXPECT_EQ(combo->secondImage.format(), QImage::Format_RGB888);
    for (int state = 0; state < 4; ++state) {
        const int x0 = 50 * state;
        EXPECT_EQ(combo->image.pixelColor(x0 + 10, 10), transparentMagenta) << state;
        EXPECT_EQ(combo->image.pixelColor(x0 + 45 - arrow, 17), transparentMagenta) << state;
        // The button box, from 2 + arrow + 2 pixels before the right edge, lies over the interior's last column.
        EXPECT_NE(combo->image.pixelColor(x0 + 46 - arrow, 10), transparentMagenta) << state;
        EXPECT_NE(combo->image.pixelColor(x0, 10), transparentMagenta) << state;        // the edge
        EXPECT_NE(combo->image.pixelColor(x0 + 49 - 2 - arrow / 2, 2 + 1), transparentMagenta) << state;  // the button
        EXPECT_NE(combo->image.pixelColor(x0 + 10, 19), transparentMagenta) << state;
    }
}

TEST(StoredSkinDerivedImages, SunkEdgeMirrorsEachComboBoxPictureInPlace) {
    const TSkinElement& combo = element("ComboButton");
    const TSkinElement& sunk = element("SunkEdge");
    const int arrow = horizontalScrollArrowWidth();
    EXPECT_EQ(sunk.margins(), QMargins(arrow + 4, 1, 2, 1));
    ASSERT_EQ(sunk.image.size(), combo.image.size());
    for (int state = 0; state < 4; ++state)
        for (int x = 0; x < 50; ++x)
            EXPECT_EQ(sunk.image.pixel(50 * state + x, 7), combo.image.pixel(50 * state + 49 - x, 7)) << state << ' ' << x;
    // The states differ, so the order of frames matters.
    EXPECT_NE(combo.image.copy(0, 0, 50, 21), combo.image.copy(50, 0, 50, 21));
}

TEST(StoredSkinDerivedImages, ComboArrowIsTheArrowBoxOfEachPicture) {
    const TSkinElement& combo = element("ComboButton");
    const TSkinElement& arrow = element("ComboxArrow");
    ASSERT_EQ(arrow.image.size(), QSize(68, 17));
    for (int state = 0; state < 4; ++state)
        EXPECT_EQ(arrow.image.copy(17 * state, 0, 17, 17), combo.image.copy(50 * state + 31, 2, 17, 17)) << state;
}

TEST(StoredSkinDerivedImages, ToolbarIsAGradientOfTheBorderColour) {
    const TSkinElement& toolbar = element("Toolbar");
    ASSERT_EQ(toolbar.image.size(), QSize(10, 40));
    const QColor top = toolbar.image.pixelColor(5, 0);
    const QColor bottom = toolbar.image.pixelColor(5, 39);
    const QColor border = storedSkin().border(BorderSide::Top)->image.pixelColor(64 / 3, 28 / 3);
    EXPECT_GT(top.lightness(), bottom.lightness());
    EXPECT_GE(bottom.lightness(), border.lightness());
    EXPECT_EQ(toolbar.image.pixelColor(0, 20), toolbar.image.pixelColor(9, 20));
}

} // namespace
} // namespace tessarin::skin
