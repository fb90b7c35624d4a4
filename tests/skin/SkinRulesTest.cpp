// Which windows and controls the skin takes, and how the caption bar is
// laid out: plain decisions, as tables.

#include "grid/TDataCheckBox.h"
#include "grid/TDataComboBox.h"
#include "grid/TDataGrid.h"
#include "skin/CaptionLayout.h"
#include "skin/ControlSkinRules.h"
#include "skin/MainWindowSkin.h"
#include "skin/WindowSkinRules.h"
#include "widgets/TPaintControl.h"
#include "widgets/TPanel.h"

#include <QComboBox>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tessarin::skin {

// A window class whose name says it previews.
class PrintPreviewForm : public QWidget {
    Q_OBJECT
};

namespace {

TSkinComponent& mainWindowComponent() {
    static TSkinComponent component;
    if (!component.hasSkin()) {
        loadMainWindowSkin(component);
        component.finishLoading();
    }
    return component;
}

struct ControlCase {
    const char* name;
    std::function<QWidget*(QWidget& parent)> make;
    ControlSkinKind kind;
};

class ControlRules : public ::testing::TestWithParam<ControlCase> {};

TEST_P(ControlRules, ChooseTheSkinOfAControl) {
    QWidget parent;
    QWidget* control = GetParam().make(parent);
    EXPECT_EQ(controlSkinKind(*control, mainWindowComponent()), GetParam().kind);
}

template <typename Widget>
std::function<QWidget*(QWidget&)> made() {
    return [](QWidget& parent) { return new Widget(&parent); };
}

INSTANTIATE_TEST_SUITE_P(
    Controls, ControlRules,
    ::testing::Values(
        ControlCase{"PushButton", made<QPushButton>(), ControlSkinKind::Button},
        ControlCase{"Edit", made<QLineEdit>(), ControlSkinKind::Edit},
        ControlCase{"ComboBox", made<QComboBox>(), ControlSkinKind::ComboBox},
        ControlCase{"EditOfAComboBox",
                    [](QWidget& parent) {
                        auto* box = new QComboBox(&parent);
                        box->setEditable(true);
                        return static_cast<QWidget*>(box->lineEdit());
                    },
                    ControlSkinKind::None},
        ControlCase{"Panel", made<widgets::TPanel>(), ControlSkinKind::Box},
        ControlCase{"PaintPanel", made<widgets::TPaintControl>(), ControlSkinKind::None},
        ControlCase{"DataGrid", made<grid::TDataGrid>(), ControlSkinKind::ScrollBars},
        ControlCase{"ListBox", made<QListWidget>(), ControlSkinKind::ScrollBars},
        ControlCase{"ScrollBarOfItsOwn", made<QScrollBar>(), ControlSkinKind::None},
        ControlCase{"DataCheckBoxByTheClassList", made<grid::TDataCheckBox>(), ControlSkinKind::CheckBox},
        ControlCase{"PlainCheckBox", made<QCheckBox>(), ControlSkinKind::None},
        ControlCase{"DataComboBox", made<grid::TDataComboBox>(), ControlSkinKind::None},
        ControlCase{"Label", made<QLabel>(), ControlSkinKind::None},
        ControlCase{"TaggedWithTheDisableTag",
                    [](QWidget& parent) {
                        auto* button = new QPushButton(&parent);
                        button->setProperty("Tag", 99);
                        return static_cast<QWidget*>(button);
                    },
                    ControlSkinKind::None}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ControlRules, FollowTheComponentsControlKindsAndClassList) {
    TSkinComponent component;
    loadMainWindowSkin(component);
    QWidget parent;
    QPushButton button(&parent);
    grid::TDataCheckBox box(&parent);
    TSkinControls controls = component.skinControls();
    controls.remove(TSkinControlKind::xcButton);
    component.setSkinControls(controls);
    component.setClassKindMap({QStringLiteral("TDataCheckBox=nil")});
    EXPECT_EQ(controlSkinKind(button, component), ControlSkinKind::None);
    EXPECT_EQ(controlSkinKind(box, component), ControlSkinKind::None);
}

struct WindowCase {
    const char* name;
    std::function<std::unique_ptr<QWidget>()> make;
    bool skinned;
};

class WindowRules : public ::testing::TestWithParam<WindowCase> {};

TEST_P(WindowRules, ChooseTheWindowsToSkin) {
    const auto window = GetParam().make();
    EXPECT_EQ(windowQualifies(*window, mainWindowComponent()), GetParam().skinned);
}

std::unique_ptr<QWidget> sized(QWidget* widget) {
    widget->resize(200, 100);
    return std::unique_ptr<QWidget>(widget);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, WindowRules,
    ::testing::Values(WindowCase{"Form", [] { return sized(new QWidget); }, true},
                      WindowCase{"Dialog", [] { return sized(new QDialog); }, true},
                      WindowCase{"ToolWindow", [] { return sized(new QWidget(nullptr, Qt::Tool)); }, true},
                      WindowCase{"Menu", [] { return sized(new QMenu); }, false},
                      WindowCase{"ToolTip", [] { return sized(new QLabel(nullptr, Qt::ToolTip)); }, false},
                      WindowCase{"EmptySize",
                                 [] {
                                     auto window = std::make_unique<QWidget>();
                                     window->resize(0, 100);
                                     return window;
                                 },
                                 false},
                      WindowCase{"Tagged99",
                                 [] {
                                     auto window = sized(new QWidget);
                                     window->setProperty("Tag", 99);
                                     return window;
                                 },
                                 false},
                      WindowCase{"Preview", [] { return sized(new PrintPreviewForm); }, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(WindowRules, APreviewWindowNeedsThePreviewOption) {
    TSkinComponent component;
    loadMainWindowSkin(component);
    component.setOptions({TSkinOption::xoToolbarBK});
    const auto preview = sized(new PrintPreviewForm);
    EXPECT_FALSE(windowQualifies(*preview, component));
}

struct PlacementCase {
    const char* name;
    int alignment;
    bool dialogFrame;
    int left;  // of the text, in a window 400 wide with text 100 wide
};

class CaptionTextPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(CaptionTextPlacement, FollowsTheSkinsAlignment) {
    TSkinTitleElement title = mainWindowComponent().skin()->title;
    title.textAlignment = GetParam().alignment;
    CaptionWindow window;
    window.width = 400;
    window.dialogFrame = GetParam().dialogFrame;
    const QRect text = captionTextRect(title, {5, 28, 5, 5}, window, QSize(100, 12), 104);
    EXPECT_EQ(text.left(), GetParam().left);
    EXPECT_EQ(text.top(), (28 - 12) / 2 + 1);
    EXPECT_EQ(text.height(), 12);
}

// Caption 390 wide from x 5; TextShift 15, TextRightClip 79.
INSTANTIATE_TEST_SUITE_P(Alignments, CaptionTextPlacement,
                         ::testing::Values(PlacementCase{"Left", 0, false, 20}, PlacementCase{"LeftOnADialog", 0, true, 4},
                                           PlacementCase{"Centred", 1, false, 5 + 145},
                                           PlacementCase{"Right", 2, false, 5 + 390 - 79 - 100},
                                           PlacementCase{"Unknown", 7, false, 5}),
                         [](const auto& info) { return std::string(info.param.name); });

struct VisibilityCase {
    const char* name;
    int visibility;
    int visibility1;
    CaptionWindow window;
    bool shown;
};

class CaptionButtonVisibility : public ::testing::TestWithParam<VisibilityCase> {};

TEST_P(CaptionButtonVisibility, FollowsBothConditions) {
    TSkinCaptionButtonElement button;
    button.action = 5;
    button.visibility = GetParam().visibility;
    button.visibility1 = GetParam().visibility1;
    const CaptionButtonQuery ask = [](int code, int action) { return code == 1500 && action == 5 ? 1 : 0; };
    EXPECT_EQ(visibilityHolds(button, GetParam().window, ask), GetParam().shown);
}

CaptionWindow withIcons(WindowIcons icons, bool active = true, ShowState show = ShowState::Normal) {
    CaptionWindow window;
    window.icons = icons;
    window.active = active;
    window.show = show;
    return window;
}

const WindowIcons mainWindowIcons{true, true, false, false};
const WindowIcons dialogIcons{true, false, false, false};

INSTANTIATE_TEST_SUITE_P(
    Codes, CaptionButtonVisibility,
    ::testing::Values(VisibilityCase{"Always", 0, 0, withIcons(dialogIcons), true},
                      VisibilityCase{"MaximizedOnly", 1, 0, withIcons(mainWindowIcons), false},
                      VisibilityCase{"MaximizedAndMaximized", 1, 0,
                                     withIcons(mainWindowIcons, true, ShowState::Maximized), true},
                      VisibilityCase{"ActiveOnlyWhenInactive", 3, 0, withIcons(dialogIcons, false), false},
                      VisibilityCase{"InactiveOnly", 4, 0, withIcons(dialogIcons, false), true},
                      VisibilityCase{"BoxesAndMenu", 2, 6, withIcons(mainWindowIcons), true},
                      VisibilityCase{"BoxesWithoutBoxes", 2, 6, withIcons(dialogIcons), false},
                      VisibilityCase{"NoMaximizeBox", 7, 0, withIcons(mainWindowIcons), true},
                      VisibilityCase{"NoMinimizeBox", 9, 0, withIcons(mainWindowIcons), false},
                      VisibilityCase{"HelpWithoutHelp", 10, 0, withIcons(dialogIcons), false},
                      VisibilityCase{"FromTheWindow", 1500, 0, withIcons(dialogIcons), true},
                      VisibilityCase{"NotFromTheWindow", 1600, 0, withIcons(dialogIcons), false},
                      VisibilityCase{"NeverInTheSecondColumn", 0, 300, withIcons(dialogIcons), false},
                      VisibilityCase{"Unknown", 55, 0, withIcons(dialogIcons), false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessarin::skin

#include "SkinRulesTest.moc"
