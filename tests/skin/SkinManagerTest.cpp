// The skin manager: when it applies the skin, and taking it off again.

#include "EngineFixture.h"
#include "grid/TDataGrid.h"
#include "skin/MainWindowSkin.h"
#include "widgets/TPanel.h"

#include <QPushButton>
#include <QTest>

namespace tessarin::skin::testing {
namespace {

TEST(SkinManager, AppliesTheSkin250MillisecondsAfterAnActiveComponentRegisters) {
    const auto form = mainLikeForm();
    form->show();
    TSkinComponent component;
    loadMainWindowSkin(component);
    component.finishLoading();
    TSkinManager manager;
    manager.registerComponent(component);
    EXPECT_FALSE(manager.active());
    EXPECT_EQ(TSkinnedWindow::of(*form), nullptr);
    const QTimer& timer = manager.pendingActionTimer();
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(timer.isSingleShot());
    EXPECT_EQ(timer.interval(), 250);
    // The wait is for the timer to run out, however busy the machine is.
    QTRY_VERIFY_WITH_TIMEOUT(TSkinManager::isSkinned(*form), 60000);

    // From then on a window is skinned as it is shown.
    const auto dialog = plainDialog();
    dialog->show();
    EXPECT_TRUE(TSkinManager::isSkinned(*dialog));
}

TEST(SkinManager, AComponentWithoutASkinIsMadeInactive) {
    TSkinComponent component;
    component.setActive(true);
    TSkinManager manager;
    manager.registerComponent(component);
    EXPECT_FALSE(component.active());
}

// A form with a panel, a button and a grid, as the main window has.
struct FurnishedForm {
    FurnishedForm() {
        QWidget* client = form->findChild<QWidget*>(QStringLiteral("ClientArea"));
        panel = new widgets::TPanel(client);
        panel->setColor(widgets::clBtnFace);
        button = new QPushButton(QStringLiteral("查询"), client);
        grid = new grid::TDataGrid(client);
    }
    std::unique_ptr<QWidget> form = mainLikeForm();
    widgets::TPanel* panel;
    QPushButton* button;
    grid::TDataGrid* grid;
};

using SkinRemoval = EngineFixture;

TEST_F(SkinRemoval, SwitchingTheComponentOffGivesEveryWindowItsOwnLookBack) {
    FurnishedForm furnished;
    QWidget& form = *furnished.form;
    const QPoint position = form.pos();
    const QColor ownColour = form.palette().color(QPalette::Window);
    showSkinned(form);
    ASSERT_EQ(furnished.panel->Color(), widgets::TColor::rgb(146, 164, 230));

    component.setActive(false);
    manager.runPendingAction();
    EXPECT_FALSE(manager.active());
    EXPECT_EQ(TSkinnedWindow::of(form), nullptr);
    EXPECT_EQ(form.size(), QSize(653, 629));
    EXPECT_EQ(form.pos(), position);
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("ClientArea"))->pos(), QPoint(6, 6));
    EXPECT_FALSE(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(form.mask().isEmpty());
    EXPECT_EQ(form.findChild<QWidget*>(QStringLiteral("SkinFrame")), nullptr);
    EXPECT_EQ(form.palette().color(QPalette::Window), ownColour);
    EXPECT_EQ(furnished.panel->Color(), widgets::clBtnFace);
    EXPECT_EQ(furnished.grid->FixedColor(), widgets::clBtnFace);
    EXPECT_FALSE(TSkinManager::isSkinned(*furnished.button));

    component.setActive(true);
    manager.runPendingAction();
    EXPECT_TRUE(TSkinManager::isSkinned(form));
    EXPECT_EQ(form.size(), QSize(651, 650));
}

TEST_F(SkinRemoval, ReadingTheSkinAgainKeepsTheClientSize) {
    const auto form = mainLikeForm();
    showSkinned(*form);
    manager.schedule(TSkinManager::Action::Reread);
    manager.runPendingAction();
    EXPECT_TRUE(TSkinManager::isSkinned(*form));
    EXPECT_EQ(form->size(), QSize(651, 650));
    EXPECT_EQ(form->findChild<QWidget*>(QStringLiteral("ClientArea"))->geometry(), QRect(5, 28, 641, 617));
}

} // namespace
} // namespace tessarin::skin::testing
