// Skinned controls: push buttons, edits, combo boxes, the find dialog's
// check boxes, and the scroll bars of grids and lists, from grabs and from
// the mouse as the window system delivers it.

#include "EngineFixture.h"
#include "data/DataSet.h"
#include "data/DataSource.h"
#include "grid/TDataCheckBox.h"
#include "grid/TDataGrid.h"
#include "skin/TScrollBarOverlay.h"
#include "skin/TSkinControl.h"
#include "support/RecordingPaintDevice.h"

#include <QComboBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTest>

namespace tessarin::skin::testing {
namespace {

using tessarin::testing::lastText;
using tessarin::testing::textsOf;

// A window with its controls at fixed places, skinned once shown.
class SkinnedControls : public EngineFixture {
protected:
    SkinnedControls() { window.resize(400, 300); }

    template <typename Widget, typename... Args>
    Widget* add(QRect geometry, Args&&... args) {
        auto* widget = new Widget(std::forward<Args>(args)..., &window);
        widget->setGeometry(geometry);
        return widget;
    }
    void skinWindow() { showSkinned(window); }

    // Mouse input as the window system delivers it, at a point of a control.
    void press(QWidget* control, QPoint at) { QTest::mousePress(handle(), Qt::LeftButton, {}, inWindow(control, at)); }
    void moveTo(QWidget* control, QPoint at) { QTest::mouseMove(handle(), inWindow(control, at)); }
    void release(QWidget* control, QPoint at) {
        QTest::mouseRelease(handle(), Qt::LeftButton, {}, inWindow(control, at));
    }
    // The pointer alone, as the desktop moves it.
    void hover(QWidget* control, QPoint at) { QTest::mouseMove(control, at); }

    QWindow* handle() { return window.windowHandle(); }
    QPoint inWindow(QWidget* control, QPoint at) { return control->mapTo(&window, at); }

    QWidget window;
};

// Push buttons.

const TSkinElement& buttonsElement(const SkinData& skin) { return *skin.element(QStringLiteral("Buttons")); }

// The frame of the "Buttons" picture the button shows, judged by its
// left edge and corners, which are drawn unstretched.
int buttonFrame(QPushButton& button, const SkinData& skin) {
    return shownFrame(grabbed(button), QRect(0, 0, 18, 23), buttonsElement(skin), QRect(0, 0, 4, 9));
}

struct ClickCase {
    const char* name;
    std::vector<QPoint> moves;  // while the left button is down
    QPoint release;
    int clicks;
};

class ButtonClicks : public SkinnedControls, public ::testing::WithParamInterface<ClickCase> {};

TEST_P(ButtonClicks, ClickOnlyWhenReleasedInsideWithoutHavingLeft) {
    auto* button = add<QPushButton>(QRect(20, 20, 75, 25), QStringLiteral("查询"));
    skinWindow();
    QSignalSpy clicked(button, &QPushButton::clicked);
    press(button, QPoint(30, 12));
    EXPECT_EQ(buttonFrame(*button, skin()), 2);
    for (QPoint move : GetParam().moves)
        moveTo(button, move);
    release(button, GetParam().release);
    EXPECT_EQ(clicked.count(), GetParam().clicks);
}

INSTANTIATE_TEST_SUITE_P(Paths, ButtonClicks,
                         ::testing::Values(ClickCase{"ReleasedInside", {{40, 10}}, {40, 10}, 1},
                                           ClickCase{"DraggedOffReleasedOutside", {{120, 12}}, {120, 12}, 0},
                                           ClickCase{"DraggedOffAndBack", {{120, 12}, {30, 12}}, {30, 12}, 0}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SkinnedControls, TheDefaultButtonShowsImage5WhileAnotherControlHasTheFocus) {
    auto* query = add<QPushButton>(QRect(20, 20, 75, 25), QStringLiteral("查询"));
    auto* other = add<QPushButton>(QRect(120, 20, 75, 25), QStringLiteral("关闭"));
    query->setDefault(true);
    skinWindow();
    other->setFocus();
    ASSERT_TRUE(other->hasFocus());
    EXPECT_EQ(buttonFrame(*query, skin()), 5);
    EXPECT_EQ(buttonFrame(*other, skin()), 5);  // focused
    query->setDefault(false);
    EXPECT_EQ(buttonFrame(*query, skin()), 1);
}

TEST_F(SkinnedControls, AButtonUnderThePointerShowsImage4) {
    auto* button = add<QPushButton>(QRect(20, 20, 75, 25), QStringLiteral("查询"));
    button->setFocusPolicy(Qt::NoFocus);
    skinWindow();
    hover(button, QPoint(30, 12));
    EXPECT_EQ(buttonFrame(*button, skin()), 4);
    hover(&window, QPoint(300, 250));
    EXPECT_EQ(buttonFrame(*button, skin()), 1);
}

TEST_F(SkinnedControls, ADisabledButtonShowsImage3WithGreyText) {
    auto* button = add<QPushButton>(QRect(20, 20, 75, 25), QStringLiteral("查询"));
    auto* enabled = add<QPushButton>(QRect(120, 20, 75, 25), QStringLiteral("查询"));
    button->setDefault(true);
    button->setEnabled(false);
    skinWindow();
    EXPECT_EQ(buttonFrame(*button, skin()), 3);
    // The caption the skin writes over the button's own: the button-shadow
    // grey, where an enabled button has the skin's text colour.
    EXPECT_EQ(lastText(textsOf(*button), QStringLiteral("查询")).colour, QColor(128, 128, 128));
    const auto* buttons = dynamic_cast<const TSkinButtonElement*>(&buttonsElement(skin()));
    ASSERT_NE(buttons->normalTextColour, QColor(128, 128, 128));
    EXPECT_EQ(lastText(textsOf(*enabled), QStringLiteral("查询")).colour, buttons->normalTextColour);
}

// Edits.

TEST_F(SkinnedControls, AnEditWithABorderGetsFlatRings) {
    auto* edit = add<QLineEdit>(QRect(20, 20, 145, 21));
    skinWindow();
    const QImage shown = grabbed(*edit);
    EXPECT_EQ(pixel(shown, {0, 10}), QColor(157, 157, 161));
    EXPECT_EQ(pixel(shown, {1, 10}), QColor(Qt::white));
    EXPECT_EQ(pixel(shown, {2, 10}), QColor(Qt::white));
    EXPECT_EQ(pixel(shown, {144, 20}), QColor(157, 157, 161));
}

TEST_F(SkinnedControls, AnEditWithoutABorderIsLeftAlone) {
    auto* edit = add<QLineEdit>(QRect(20, 20, 145, 21));
    edit->setFrame(false);
    edit->setFocusPolicy(Qt::NoFocus);  // no blinking cursor between the grabs
    window.show();
    const QImage before = grabbed(*edit);
    skinWindow();
    EXPECT_EQ(grabbed(*edit), before);
}

// Combo boxes.

// The frame of the combo-box picture the box shows, judged by its button
// at the right, which is drawn unstretched in a box 21 pixels high.
int comboFrame(QComboBox& box, const SkinData& skin) {
    const TSkinElement& picture = *skin.element(QStringLiteral("ComboButton"));
    const int button = picture.rightWidth;
    return shownFrame(grabbed(box), QRect(box.width() - picture.frameWidth(), 0, picture.frameWidth(), 21), picture,
                      QRect(picture.frameWidth() - button, 0, button, 21));
}

TEST_F(SkinnedControls, AComboBoxLooksHotOnlyWithThePointerOverItsButton) {
    auto* box = add<QComboBox>(QRect(20, 20, 145, 21));
    box->setEditable(true);
    skinWindow();
    EXPECT_EQ(comboFrame(*box, skin()), 1);
    hover(box, QPoint(60, 10));  // over the edit part
    EXPECT_EQ(comboFrame(*box, skin()), 1);
    hover(box, QPoint(136, 10));  // over the button
    EXPECT_EQ(comboFrame(*box, skin()), 4);
    hover(&window, QPoint(300, 250));
    EXPECT_EQ(comboFrame(*box, skin()), 1);
}

TEST_F(SkinnedControls, AComboBoxLooksPressedWhileTheLeftButtonIsDownOnIt) {
    auto* box = add<QComboBox>(QRect(20, 20, 145, 21));
    box->setEditable(true);
    skinWindow();
    press(box, QPoint(60, 10));  // on the edit part
    EXPECT_EQ(comboFrame(*box, skin()), 2);
    release(box, QPoint(60, 10));
    EXPECT_EQ(comboFrame(*box, skin()), 1);
}

// Check boxes.

TEST_F(SkinnedControls, TheFindDialogsCheckBoxesAreDrawnFromTheCheckBoxPicture) {
    auto* box = add<grid::TDataCheckBox>(QRect(20, 20, 120, 20), QStringLiteral("区别大小写"));
    auto* plain = add<QCheckBox>(QRect(20, 50, 120, 20), QStringLiteral("格式匹配"));
    box->setChecked(true);
    skinWindow();
    EXPECT_FALSE(TSkinManager::isSkinned(*plain));
    ASSERT_TRUE(TSkinManager::isSkinned(*box));
    const auto* buttons = dynamic_cast<const TSkinButtonElement*>(&buttonsElement(skin()));
    const QRect mark(0, 3, 13, 13);  // vertically centred in 20 pixels
    EXPECT_EQ(shownFrame(grabbed(*box), mark, buttons->checkImage, buttons->checkFrameCount, QRect(0, 0, 13, 13)), 2);
    box->setEnabled(false);
    EXPECT_EQ(shownFrame(grabbed(*box), mark, buttons->checkImage, buttons->checkFrameCount, QRect(0, 0, 13, 13)), 4);
    EXPECT_EQ(pixel(grabbed(*box), {16, 1}), QColor(146, 164, 230));
}

} // namespace
} // namespace tessarin::skin::testing
