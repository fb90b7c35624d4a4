// Reading small skins made here: the rules of the definition that the stored
// skin does not exercise.

#include "SkinTestArchive.h"
#include "skin/SkinArchive.h"
#include "skin/SkinFormatError.h"
#include "skin/SkinPainting.h"
#include "skin/SkinReader.h"

#include <gtest/gtest.h>

namespace tessarin::skin {
namespace {

using testing::filled;
using testing::skinArchiveOf;

constexpr int arrowWidth = 16;

SkinData read(std::string_view definition, const std::vector<testing::TestBitmap>& bitmaps = {}) {
    return readSkin(SkinArchive(skinArchiveOf(definition, bitmaps)), arrowWidth);
}

TEST(SkinReader, TileAboveOneReadsAsStretchForCommonElementsAndTileForProgress) {
    const SkinData skin = read("[Progress]\nBitmap=p.bmp\nTile=2\n[SunkEdge]\nImage=s.bmp\nTile=2\n"
                               "[Headerbar]\nImage=h.bmp\nTile=1\n[Buttons]\nBitmap=b.bmp\nTile=2\n");
    EXPECT_TRUE(skin.element(QStringLiteral("Progress"))->tiled);
    EXPECT_FALSE(skin.element(QStringLiteral("SunkEdge"))->tiled);
    EXPECT_TRUE(skin.element(QStringLiteral("Headerbar"))->tiled);
    EXPECT_FALSE(skin.element(QStringLiteral("Buttons"))->tiled);
}

TEST(SkinReader, ElementsExistOnlyWithTheirImageKey) {
    const SkinData skin = read("[SunkEdge]\nLeftWidth=3\n[MenuItem]\nImage=\n[Scrollbar]\nImage=bars.png\n");
    EXPECT_EQ(skin.element(QStringLiteral("SunkEdge")), nullptr);
    ASSERT_NE(skin.element(QStringLiteral("MenuItem")), nullptr);
    ASSERT_NE(skin.element(QStringLiteral("Scrollbar")), nullptr);
    EXPECT_TRUE(skin.element(QStringLiteral("Scrollbar"))->image.isNull());  // not a ".bmp" reference
    EXPECT_EQ(skin.element(QStringLiteral("Buttons")), nullptr);
    EXPECT_FALSE(skin.border(BorderSide::Left));
}

TEST(SkinReader, CaptionButtonSectionsWithActionMinusOneAreSkippedUnlessVisibilityIsZero) {
    const auto buttonsOf = [](std::string_view visibility) {
        return read(std::string("[BUTTON1]\nAction=-1\n") + std::string(visibility) + "\n[Buttons]\nBitmap=b.bmp\n"
                    "[Button.Radio]\nImage=r.bmp\n[BUTTON.CHECKBOX]\nImage=c.bmp\n[Button]\nAction=0\n")
            .captionButtons;
    };
    // Only the three buttons of child windows remain.
    EXPECT_EQ(buttonsOf("Visibility=7").size(), 3u);
    EXPECT_EQ(buttonsOf("").size(), 3u);
    const auto read = buttonsOf("Visibility=0");
    ASSERT_EQ(read.size(), 4u);
    EXPECT_EQ(read[0].name, QStringLiteral("BUTTON1"));
    EXPECT_EQ(std::tuple(read[0].action, read[0].visibility1, read[0].frameCount, read[0].combineOp),
              std::tuple(-1, -1, 6, -1));
}

TEST(SkinReader, CaptionButtonFramesComeFromTheImageShapeWhenNotGiven) {
    const SkinData skin = read("[BUTTON0]\nButtonImage=narrow.bmp\n[BUTTON1]\nButtonImage=wide.bmp\n"
                               "[BUTTON2]\nButtonImage=narrow.bmp\nframe=2\n[BUTTON3]\nAction=-2\nframe=2\n",
                               {{"narrow.bmp", filled(57, 19)}, {"wide.bmp", filled(192, 19)}});
    std::vector<int> frames;
    for (const auto& button : skin.captionButtons)
        frames.push_back(button.frameCount);
    EXPECT_EQ(frames, (std::vector<int>{3, 6, 2, 6, 4, 4, 4}));
}

TEST(SkinReader, HelpButtonTakesThePlaceOfTheMaximizeButtonBeforeIt) {
    const SkinData skin = read("[BUTTON0]\nAction=1\nVisibility=1\nXcoord=10\n[BUTTON1]\nAction=1\nVisibility=2\n"
                               "Xcoord=72\nYcoord=3\n[BUTTON2]\nAction=4\nXcoord=500\nYcoord=500\n");
    const auto& help = skin.captionButtons[2];
    EXPECT_EQ(std::tuple(help.action, help.x, help.y), std::tuple(4, 72, 3));
}

TEST(SkinReader, HelpButtonFindsTheMaximizeButtonAfterManyButtonsBetween) {
    std::string definition = "[BUTTON00]\nAction=1\nVisibility=2\nXcoord=72\nYcoord=3\n";
    for (int i = 1; i <= 40; ++i)
        definition += "[BUTTON" + std::to_string(i + 10) + "]\nAction=2\nXcoord=" + std::to_string(i) + "\n";
    definition += "[BUTTON99]\nAction=4\nXcoord=500\nYcoord=500\n";
    const SkinData skin = read(definition);
    const auto& help = skin.captionButtons[41];
    EXPECT_EQ(std::tuple(help.action, help.x, help.y), std::tuple(4, 72, 3));
}

TEST(SkinReader, ChildWindowButtonsShareTheTwelvePartImage) {
    const SkinData skin = read("[MDICONTROLS]\nImage=mdi.bmp\n", {{"mdi.bmp", filled(120, 9)}});
    ASSERT_EQ(skin.captionButtons.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        const auto& button = skin.captionButtons[i];
        EXPECT_EQ(std::tuple(button.action, button.x, button.frameCount, button.image.width(), button.image.height()),
                  std::tuple(7 + i, 14 * (3 - i), 4, 40, 9));
    }
}

TEST(SkinReader, FrameCountsFromTheDefinitionOrTheImages) {
    const SkinData skin =
        read("[Buttons]\nBitmap=b.bmp\nCheckButton=c.bmp\nRadioButton=r.bmp\nRadioButtonFrame=7\n"
             "[Headerbar]\nImage=h.bmp\nFrame=3\n[MenuItem]\nImage=m.bmp\nFrame=9\n[HorzScrollThumb]\nImage=t.bmp\n"
             "[VertScrollThumb]\nImage=t.bmp\nFrameCount=2\n[Progress]\nBitmap=p.bmp\nStyle=1\n[Progress.Chunk]\n"
             "Image=p.bmp\nFrame=7\n",
             {{"c.bmp", filled(64, 16)}});
    const auto* buttons = skin.elementAs<TSkinButtonElement>(QStringLiteral("Buttons"));
    EXPECT_EQ(std::tuple(buttons->checkFrameCount, buttons->radioFrameCount), std::tuple(4, 7));
    const auto frames = [&](const char* name) { return skin.element(QString::fromLatin1(name))->frameCount; };
    EXPECT_EQ(frames("Headerbar"), 3);
    EXPECT_EQ(frames("MenuItem"), 5);
    EXPECT_EQ(frames("HorzScrollThumb"), 3);
    EXPECT_EQ(frames("VertScrollThumb"), 2);
    EXPECT_EQ(frames("Progress"), 1);
    EXPECT_EQ(frames("Progress.Chunk"), 7);
}

TEST(SkinReader, MarkFramesAreThirteenOrSixteenPixelsWideAndAtLeastFour) {
    for (const auto& [image, frames] : {std::pair{filled(39, 13), 4}, std::pair{filled(78, 13), 6},
                                        std::pair{filled(80, 16), 5}, std::pair{QImage(), 4}}) {
        const SkinData skin = read("[Buttons]\nBitmap=b.bmp\nCheckButton=c.bmp\n", {{"c.bmp", image}});
        EXPECT_EQ(skin.elementAs<TSkinButtonElement>(QStringLiteral("Buttons"))->checkFrameCount, frames)
            << image.width();
    }
}

TEST(SkinReader, ColoursFallBackAndTextColoursRememberWhetherGiven) {
    const SkinData skin = read("[Colours]\nButtonFace=1 2 3\nButtonText=9 9 9\nMenubar=oops\n"
                               "[Colour1]\ncolor=4 5 6\n[COLOURS2]\n[Customcolors]\nColor3=7 8 9\n"
                               "[Buttons]\nBitmap=b.bmp\nPressedColour2=255 255 255\nNormalColour=3\n");
    EXPECT_EQ(skin.colours[SkinColourSlot::Menubar], QColor(1, 2, 3));  // the button face just read
    EXPECT_FALSE(skin.colours.isGiven(SkinColourSlot::Menubar));
    EXPECT_EQ(skin.colours[SkinColourSlot::WindowText], QColor(0, 0, 0));
    EXPECT_EQ(skin.colourList, (std::vector<QColor>{QColor(4, 5, 6), QColor(0, 0, 0)}));
    EXPECT_EQ(skin.customColours[3], QColor(7, 8, 9));
    EXPECT_EQ(skin.customColours[0], QColor(Qt::white));
    const auto* buttons = skin.elementAs<TSkinButtonElement>(QStringLiteral("Buttons"));
    EXPECT_EQ(buttons->normalTextColour, QColor(9, 9, 9));
    EXPECT_FALSE(buttons->normalTextColourGiven);
    EXPECT_EQ(buttons->pressedTextColour, QColor(255, 255, 255));
    EXPECT_TRUE(buttons->pressedTextColourGiven);
    EXPECT_EQ(std::tuple(buttons->normalColour, buttons->mouseOverColour), std::tuple(3, -1));
}

TEST(SkinReader, CaptionTextColoursNeedAllThreeNumbers) {
    const SkinData skin = read("[Personality]\nActiveTextR=1\nActiveTextG=2\nActiveTextB=3\n"
                               "InActiveTextR=1\nInActiveTextG=-1\nInActiveTextB=3\n");
    EXPECT_EQ(skin.title.activeTextColour, QColor(1, 2, 3));
    EXPECT_FALSE(skin.title.inactiveTextColour.has_value());
}

TEST(SkinReader, TracksFallBackOnTheBuiltInGrooves) {
    const SkinData skin = read("[Colours]\n");
    const TSkinElement* track = skin.element(QStringLiteral("Track"));
    const TSkinElement* vertical = skin.element(QStringLiteral("TRACKVERT"));
    ASSERT_TRUE(track && vertical);
    EXPECT_EQ(track->image.size(), QSize(16, 4));
    EXPECT_EQ(vertical->image.size(), QSize(4, 16));
    EXPECT_EQ(std::tuple(track->margins(), track->tiled, track->frameCount), std::tuple(QMargins(3, 3, 3, 3), false, 1));
}

TEST(SkinReader, ComboArrowWithoutSunkEdgeIsTheButtonOnTheButtonFace) {
    QImage button = filled(8, 4, Qt::darkBlue);
    button.setPixelColor(0, 0, transparentMagenta);
    const SkinData skin = read("[Colours]\nButtonFace=10 20 30\n[ComboButton]\nImage=c.bmp\n", {{"c.bmp", button}});
    const TSkinElement* arrow = skin.element(QStringLiteral("ComboxArrow"));
    ASSERT_NE(arrow, nullptr);
    EXPECT_EQ(arrow->image.pixelColor(0, 0), QColor(10, 20, 30));
    EXPECT_EQ(arrow->image.pixelColor(1, 0), QColor(Qt::darkBlue));
    EXPECT_EQ(skin.element(QStringLiteral("ComboButton"))->image.size(), QSize(8, 4));  // no pictures derived
}

TEST(SkinReader, ToolbarFallsBackOnTheButtonFaceWithoutATopBorder) {
    const SkinData skin = read("[Colours]\nButtonFace=100 100 100\n");
    const QImage& toolbar = skin.element(QStringLiteral("Toolbar"))->image;
    EXPECT_EQ(toolbar.pixelColor(0, 39), QColor(116, 116, 116));  // a tenth of the way to white
}

TEST(SkinReader, AnArchiveWithoutDefinitionFails) {
    EXPECT_THROW(readSkin(SkinArchive(testing::archiveOf({{"a.bmp", testing::bytesOf("BM")}})), arrowWidth),
                 SkinFormatError);
}

} // namespace
} // namespace tessarin::skin
