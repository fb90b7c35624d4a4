// Skinned window frames: the window's size and shape, the frame's looks,
// the caption text and the caption buttons with their mouse handling.

#include "EngineFixture.h"
#include "support/RecordingPaintDevice.h"

#include <QLabel>
#include <QCursor>
#include <QMenu>
#include <QBackingStore>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QStyleHints>
#include <QTest>

namespace tessarin::skin::testing {
namespace {

using tessarin::testing::RecordedText;
using tessarin::testing::textsOf;
using SkinnedWindow = EngineFixture;

const TCaptionButton* buttonOf(const TSkinnedWindow& window, int action, int visibility = -2) {
    for (const TCaptionButton& button : window.captionButtons()) {
        if (button.element.action == action && (visibility == -2 || button.element.visibility == visibility))
            return &button;
    }
    return nullptr;
}

QWidget& frameOf(QWidget& window) { return *window.findChild<QWidget*>(QStringLiteral("SkinFrame")); }

// The caption text as the frame writes it: the frame writes no other text.
RecordedText captionOf(QWidget& window) {
    const std::vector<RecordedText> texts = textsOf(frameOf(window));
    EXPECT_EQ(texts.size(), 1u);
    return texts.empty() ? RecordedText{} : texts.back();
}

// Mouse input on a window as the window system delivers it, with the
// desktop's pointer moved along: while a caption button is current the frame
// asks the desktop where the pointer is, whenever its tracking timer runs.
void press(QWindow* window, QPoint at) {
    QCursor::setPos(window->mapToGlobal(at));
    QTest::mousePress(window, Qt::LeftButton, {}, at);
}
void moveTo(QWindow* window, QPoint at) {
    QCursor::setPos(window->mapToGlobal(at));
    QTest::mouseMove(window, at);
}
void release(QWindow* window, QPoint at) {
    QCursor::setPos(window->mapToGlobal(at));
    QTest::mouseRelease(window, Qt::LeftButton, {}, at);
}
void click(QWindow* window, QPoint at) {
    press(window, at);
    release(window, at);
}

TEST_F(SkinnedWindow, TheMainWindowsFormGrowsByTheFrameAroundItsClient) {
    const auto form = mainLikeForm();
    QWidget* client = form->findChild<QWidget*>(QStringLiteral("ClientArea"));
    const TSkinnedWindow& skinned = showSkinned(*form);
    EXPECT_EQ(skinned.frameSizes(), (FrameSizes{5, 28, 5, 5}));
    EXPECT_EQ(form->size(), QSize(641 + 10, 617 + 33));
    EXPECT_EQ(client->geometry(), QRect(5, 28, 641, 617));
    EXPECT_TRUE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(form->palette().color(QPalette::Window), QColor(146, 164, 230));
}

TEST_F(SkinnedWindow, AFormWhoseChildrenLieOnItMovesThemWithItsClient) {
    const auto dialog = plainDialog({300, 200});
    auto* label = new QLabel(QStringLiteral("始发站："), dialog.get());
    label->move(10, 20);
    showSkinned(*dialog);
    EXPECT_EQ(dialog->size(), QSize(310, 233));
    EXPECT_EQ(label->pos(), QPoint(15, 48));
}

TEST_F(SkinnedWindow, TheFourOuterCornerPixelsAreCutFromItsShape) {
    const auto form = mainLikeForm();
    showSkinned(*form);
    const QRegion shape = form->mask();
    const int right = form->width() - 1, bottom = form->height() - 1;
    for (QPoint corner : {QPoint(0, 0), QPoint(right, 0), QPoint(0, bottom), QPoint(right, bottom)})
        EXPECT_FALSE(shape.contains(corner)) << corner.x() << "," << corner.y();
    for (QPoint beside : {QPoint(1, 0), QPoint(0, 1), QPoint(right - 1, bottom), QPoint(right, bottom - 1),
                          QPoint(right / 2, bottom / 2)})
        EXPECT_TRUE(shape.contains(beside)) << beside.x() << "," << beside.y();
}

TEST_F(SkinnedWindow, ItsShapeFollowsANewSize) {
    const auto dialog = plainDialog({300, 200});
    showSkinned(*dialog);
    dialog->resize(400, 260);
    EXPECT_FALSE(dialog->mask().contains(QPoint(399, 259)));
    EXPECT_TRUE(dialog->mask().contains(QPoint(398, 259)));
}

TEST_F(SkinnedWindow, AnInactiveWindowShowsTheSecondFramesAndTheInactiveCaptionColour) {
    const auto form = mainLikeForm();
    TSkinnedWindow& skinned = showSkinned(*form);
    const auto other = plainDialog();
    other->show();
    other->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(other.get()));
    ASSERT_FALSE(skinned.active());

    const QImage shown = grabbed(*form);
    const TSkinElement& left = *skin().border(BorderSide::Left);
    EXPECT_EQ(shownFrame(shown, QRect(0, 0, 5, 28), left, QRect(0, 1, 5, 27)), 2);
    EXPECT_EQ(captionOf(*form).colour, QColor(162, 161, 161));
    const TCaptionButton& close = *buttonOf(skinned, 0);
    EXPECT_EQ(shownFrame(shown, close.rect, close.element, QRect(0, 0, 32, 19)), 4);
}

TEST_F(SkinnedWindow, AnActiveWindowShowsTheFirstFramesAndTheActiveCaptionColour) {
    const auto form = mainLikeForm();
    TSkinnedWindow& skinned = showSkinned(*form);
    const QImage shown = grabbed(*form);
    EXPECT_EQ(shownFrame(shown, QRect(0, 0, 5, 28), *skin().border(BorderSide::Left), QRect(0, 1, 5, 27)), 1);
    EXPECT_EQ(captionOf(*form).colour, QColor(14, 16, 16));
    const TCaptionButton& close = *buttonOf(skinned, 0);
    EXPECT_EQ(shownFrame(shown, close.rect, close.element, QRect(0, 0, 32, 19)), 1);
}

// What the window shows on screen now: its backing store once the pending
// repaints are done. Unlike a grab, this does not repaint the whole window.
QImage onScreen(QWidget& window) {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
    QPaintDevice* device = window.backingStore()->paintDevice();
    EXPECT_EQ(device->devType(), QInternal::Image);
    return static_cast<QImage*>(device)->convertToFormat(QImage::Format_RGB32);
}

TEST_F(SkinnedWindow, OnlyAStateChangeDrawsACaptionButtonHotAFullRepaintDrawsItsFirstFrame) {
    const auto form = mainLikeForm();
    TSkinnedWindow& skinned = showSkinned(*form);
    const TCaptionButton& close = *buttonOf(skinned, 0);
    const QRect part(0, 0, 32, 19);
    onScreen(*form);

    QTest::mouseMove(form->windowHandle(), close.rect.center());
    ASSERT_EQ(close.state, CaptionButtonState::Hot);
    EXPECT_EQ(shownFrame(onScreen(*form), close.rect, close.element, part), 3);

    frameOf(*form).update();
    EXPECT_EQ(shownFrame(onScreen(*form), close.rect, close.element, part), 1);
    EXPECT_EQ(close.state, CaptionButtonState::Hot);

    QTest::mousePress(form->windowHandle(), Qt::LeftButton, {}, close.rect.center());
    EXPECT_EQ(shownFrame(onScreen(*form), close.rect, close.element, part), 2);
}

struct ButtonsCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
    std::vector<int> shownActions;  // in the skin's order
};

class CaptionButtons : public EngineFixture, public ::testing::WithParamInterface<ButtonsCase> {};

TEST_P(CaptionButtons, AreShownByTheWindowsBoxes) {
    const auto window = GetParam().make();
    window->setWindowIcon(QIcon(QPixmap(16, 16)));
    TSkinnedWindow& skinned = showSkinned(*window);
    std::vector<int> shown;
    for (const TCaptionButton& button : skinned.captionButtons()) {
        if (button.visible)
            shown.push_back(button.element.action);
    }
    EXPECT_EQ(shown, GetParam().shownActions);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, CaptionButtons,
    ::testing::Values(
        // Close, maximize (disabled), minimize, icon.
        ButtonsCase{"MainWindow", [] { return mainLikeForm(); }, {0, 1, 2, 3}},
        ButtonsCase{"DetailWindow", [] { return std::unique_ptr<QWidget>(plainDialog()); }, {0, 3}},
        ButtonsCase{"FindDialog",
                    [] {
                        auto dialog = std::make_unique<QDialog>(nullptr, Qt::Tool);
                        dialog->resize(300, 150);
                        return std::unique_ptr<QWidget>(std::move(dialog));
                    },
                    {0}},
        ButtonsCase{"MessageBox",
                    [] {
                        return std::unique_ptr<QWidget>(std::make_unique<QMessageBox>(
                            QMessageBox::Information, QStringLiteral("提示"), QStringLiteral("请输入车次！")));
                    },
                    {0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SkinnedWindow, TheMaximizeButtonOfAWindowWithOnlyAMinimizeBoxIsShownDisabled) {
    const auto form = mainLikeForm();
    TSkinnedWindow& skinned = showSkinned(*form);
    const TCaptionButton& maximize = *buttonOf(skinned, 1, 2);
    ASSERT_TRUE(maximize.visible);
    EXPECT_FALSE(maximize.enabled);
    EXPECT_EQ(shownFrame(grabbed(*form), maximize.rect, maximize.element, QRect(0, 0, 32, 19)), 4);

    click(form->windowHandle(), maximize.rect.center());
    EXPECT_FALSE(form->isMaximized());
    click(form->windowHandle(), buttonOf(skinned, 2)->rect.center());
    EXPECT_TRUE(form->isMinimized());
}

struct CloseCase {
    const char* name;
    QPoint press;               // offsets from the close button's centre
    std::vector<QPoint> moves;  // while the left button is down
    QPoint release;
    bool closes;
};

class CloseButton : public EngineFixture, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(CloseButton, ClosesOnlyWhenReleasedOnItAsTheCurrentButton) {
    const auto form = mainLikeForm();
    TSkinnedWindow& skinned = showSkinned(*form);
    const QPoint centre = buttonOf(skinned, 0)->rect.center();
    QWindow* window = form->windowHandle();
    press(window, centre + GetParam().press);
    for (QPoint move : GetParam().moves)
        moveTo(window, centre + move);
    release(window, centre + GetParam().release);
    QCoreApplication::processEvents();  // the close is posted
    EXPECT_EQ(!form->isVisible(), GetParam().closes);
    EXPECT_FALSE(form->isMinimized());
}

INSTANTIATE_TEST_SUITE_P(
    Paths, CloseButton,
    ::testing::Values(CloseCase{"ReleasedOnIt", {}, {}, {}, true},
                      CloseCase{"MovedOffAndReleasedElsewhere", {}, {{-200, 60}}, {-200, 60}, false},
                      CloseCase{"MovedOffAndBackBeforeTheRelease", {}, {{-200, 60}, {0, 0}}, {}, true},
                      CloseCase{"ReleasedOnTheCaption", {}, {{-300, 0}}, {-300, 0}, false},
                      // The minimize button lies 64 pixels to the left.
                      CloseCase{"PressedOnMinimizeReleasedOnIt", {-64, 0}, {{0, 0}}, {}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// A left click on the frame at an input time of the test's own.
void clickFrame(QWidget& form, QPoint at, quint64 time) {
    QWidget& frame = frameOf(form);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        const Qt::MouseButtons held = type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton;
        QMouseEvent event(type, at, frame.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
        event.setTimestamp(time);
        QApplication::sendEvent(&frame, &event);
    }
}

struct SecondClick {
    const char* name;
    int after;  // ms of input time after the click that opened the menu
    bool closes;
};

class IconClicks : public EngineFixture, public ::testing::WithParamInterface<SecondClick> {};

TEST_P(IconClicks, AClickOpensTheSystemMenuAndASecondOneSoonAfterClosesTheWindow) {
    const auto form = mainLikeForm();
    form->setWindowIcon(QIcon(QPixmap(16, 16)));
    TSkinnedWindow& skinned = showSkinned(*form);
    const QPoint icon = buttonOf(skinned, 3)->rect.center();
    clickFrame(*form, icon, 10000);
    ASSERT_TRUE(skinned.systemMenu());
    EXPECT_TRUE(skinned.systemMenu()->isVisible());
    skinned.systemMenu()->close();

    clickFrame(*form, icon, 10000 + static_cast<quint64>(GetParam().after));
    EXPECT_EQ(skinned.systemMenu() && skinned.systemMenu()->isVisible(), !GetParam().closes);
    QCoreApplication::processEvents();  // the close is posted
    EXPECT_EQ(!form->isVisible(), GetParam().closes);
}

INSTANTIATE_TEST_SUITE_P(
    Times, IconClicks,
    ::testing::Values(SecondClick{"Soon", QGuiApplication::styleHints()->mouseDoubleClickInterval() - 1, true},
                      SecondClick{"Late", QGuiApplication::styleHints()->mouseDoubleClickInterval(), false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SkinnedWindow, ADoubleClickOnTheIconClosesTheWindow) {
    const auto form = mainLikeForm();
    form->setWindowIcon(QIcon(QPixmap(16, 16)));
    TSkinnedWindow& skinned = showSkinned(*form);
    const QPoint icon = buttonOf(skinned, 3)->rect.center();
    QWidget& frame = frameOf(*form);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, icon, frame.mapToGlobal(icon), Qt::LeftButton,
                            Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&frame, &doubleClick);
    QCoreApplication::processEvents();  // the close is posted
    EXPECT_FALSE(form->isVisible());
}

struct MenuOpening {
    const char* name;
    std::function<void(QWidget& form)> open;
};

class SystemMenu : public EngineFixture, public ::testing::WithParamInterface<MenuOpening> {};

TEST_P(SystemMenu, OpensWithWhatTheWindowsBoxesAllow) {
    const auto form = mainLikeForm();
    TSkinnedWindow& skinned = showSkinned(*form);
    GetParam().open(*form);
    ASSERT_TRUE(skinned.systemMenu());
    EXPECT_TRUE(skinned.systemMenu()->isVisible());
    std::vector<std::pair<QString, bool>> items;
    for (const QAction* action : skinned.systemMenu()->actions()) {
        if (!action->isSeparator())
            items.emplace_back(action->text(), action->isEnabled());
    }
    const std::vector<std::pair<QString, bool>> expected{
        {QStringLiteral("还原(&R)"), false},  {QStringLiteral("移动(&M)"), true},
        {QStringLiteral("大小(&S)"), false},  {QStringLiteral("最小化(&N)"), true},
        {QStringLiteral("最大化(&X)"), false}, {QStringLiteral("关闭(&C)"), true}};
    EXPECT_EQ(items, expected);
    skinned.systemMenu()->close();
}

INSTANTIATE_TEST_SUITE_P(
    Ways, SystemMenu,
    ::testing::Values(MenuOpening{"RightClickOnTheCaption",
                                  [](QWidget& form) {
                                      QTest::mouseClick(form.windowHandle(), Qt::RightButton, {}, QPoint(200, 12));
                                  }},
                      MenuOpening{"AltSpace",
                                  [](QWidget& form) { QTest::keyClick(&form, Qt::Key_Space, Qt::AltModifier); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(SkinnedWindow, ALongCaptionIsCutWithAnEllipsis84PixelsFromTheRightEdge) {
    // A dialog: no button lies over the end of the text.
    const auto dialog = plainDialog({400, 200});
    const QChar che(0x8F66);
    dialog->setWindowTitle(QString(80, che));
    TSkinnedWindow& skinned = showSkinned(*dialog);
    const int limit = dialog->width() - 84;
    const QRect text = skinned.captionTextRect();
    EXPECT_EQ(text.right(), limit - 1);
    const RecordedText caption = captionOf(*dialog);
    EXPECT_EQ(caption.clip, text);
    // As many characters as fit before the limit, then the ellipsis.
    const QChar ellipsis(0x2026);
    ASSERT_TRUE(caption.text.endsWith(ellipsis)) << caption.text.toStdString();
    const QString kept = caption.text.chopped(1);
    ASSERT_FALSE(kept.trimmed().isEmpty());
    EXPECT_EQ(kept.trimmed(), QString(kept.trimmed().size(), che));
    const QFontMetrics metrics(caption.font);
    EXPECT_LE(caption.baseline.x() + metrics.horizontalAdvance(caption.text), limit);
    EXPECT_GT(caption.baseline.x() + metrics.horizontalAdvance(kept + che + ellipsis), limit);
}

TEST_F(SkinnedWindow, DraggingTheCaptionMovesTheWindow) {
    const auto form = mainLikeForm();
    showSkinned(*form);
    const QPoint before = form->pos();
    QWidget& frame = frameOf(*form);
    QTest::mousePress(&frame, Qt::LeftButton, {}, QPoint(200, 12));
    QTest::mouseMove(&frame, QPoint(250, 32));
    QTest::mouseRelease(&frame, Qt::LeftButton, {}, QPoint(250, 32));
    EXPECT_EQ(form->pos(), before + QPoint(50, 20));
}

TEST_F(SkinnedWindow, AWindowTagged99KeepsItsOwnFrameAndControls) {
    const auto form = mainLikeForm();
    form->setProperty("Tag", 99);
    auto* button = new QPushButton(QStringLiteral("查询"), form->findChild<QWidget*>(QStringLiteral("ClientArea")));
    form->show();
    applyNow();
    EXPECT_EQ(TSkinnedWindow::of(*form), nullptr);
    EXPECT_FALSE(TSkinManager::isSkinned(*button));
    EXPECT_EQ(form->size(), QSize(653, 629));
    EXPECT_FALSE(form->windowFlags().testFlag(Qt::FramelessWindowHint));
}

TEST_F(SkinnedWindow, AMessageBoxIsSkinnedAsItIsShownFitsItsCaptionAndClipsItAsAPopUp) {
    applyNow();
    QMessageBox box(QMessageBox::Information, QString(40, QChar(0x63D0)), QStringLiteral("无"), QMessageBox::Ok);
    box.show();
    const TSkinnedWindow* skinned = TSkinnedWindow::of(box);
    ASSERT_TRUE(skinned && skinned->applied());
    const QRect text = skinned->captionTextRect();
    EXPECT_EQ(text.left(), 4);
    QFont captionFont(QStringLiteral("宋体"));
    captionFont.setPixelSize(12);
    captionFont.setBold(true);
    const QFontMetrics metrics(captionFont);
    EXPECT_GE(box.width(), 15 + metrics.horizontalAdvance(box.windowTitle()) + 79);
    EXPECT_TRUE(TSkinManager::isSkinned(*box.button(QMessageBox::Ok)));

    // As a pop-up window, its caption is not cut at TextRightClip (79) from
    // the caption's end, but only 5 pixels before the close button's Xcoord (40).
    const int textWidth = metrics.horizontalAdvance(QStringLiteral("  ") + box.windowTitle() + " ");
    EXPECT_EQ(text.width(), std::min(textWidth, box.width() - 5 - 40 - 5 - text.left()));
    EXPECT_GT(text.right(), box.width() - 5 - 79);
}

} // namespace
} // namespace tessarin::skin::testing
