// The skin on the program's own windows: the main window, the train detail
// window and the grid's find dialog.

#include "app/TForm1.h"
#include "fares/TForm2.h"
#include "grid/TDataGrid.h"
#include "grid/TGridFindDialog.h"
#include "skin/TSkinManager.h"
#include "skin/TSkinnedWindow.h"
#include "support/TemporaryTimetable.h"
#include "widgets/TImgCheckButton.h"
#include "widgets/TPageControl.h"
#include "widgets/TPaintControl.h"
#include "widgets/TPanel.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

namespace tessarin::skin {
namespace {

// The main window, its skin switched on as the program does, applied at once.
class ProgramWindows : public ::testing::Test {
protected:
    void SetUp() override {
        form.setBeginUpdate([](const char*, int) {});
        manager.registerComponent(form.skin1);
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        manager.runPendingAction();
    }

    static std::vector<int> shownActions(const QWidget& window) {
        std::vector<int> actions;
        for (const TCaptionButton& button : TSkinnedWindow::of(window)->captionButtons()) {
            if (button.visible)
                actions.push_back(button.element.action);
        }
        return actions;
    }

    // The window's queries write the scratch table of a timetable of its own.
    testing::TemporaryTimetable timetable{testing::bundledTimetableFile()};
    app::TForm1 form{timetable.file()};
    TSkinManager manager;
};

TEST_F(ProgramWindows, TheMainWindowIsFramedAroundItsClientAndItsControlsSkinnedAsDesigned) {
    EXPECT_EQ(form.size(), QSize(641 + 10, 617 + 33));
    EXPECT_EQ(form.ClientArea()->geometry(), QRect(5, 28, 641, 617));
    EXPECT_EQ(shownActions(form), (std::vector<int>{0, 1, 2, 3}));  // close, maximize, minimize, icon
    const std::vector<QWidget*> skinned{form.cbStart, form.cbStop, form.sTaBox, form.btn4,   form.btn5,
                                        form.btn6,    form.Button1, form.edt1,  form.pnl1,   form.dbgrd1,
                                        form.dbgrd2,  form.dbgrd3,  form.ListBox1};
    for (QWidget* control : skinned)
        EXPECT_TRUE(TSkinManager::isSkinned(*control)) << control->objectName().toStdString();
    const std::vector<QWidget*> ownLook{form.btn1, form.btn2, form.btn3, form.PcMain, form.PaintControl1, form.lbl1};
    for (QWidget* control : ownLook)
        EXPECT_FALSE(TSkinManager::isSkinned(*control)) << control->objectName().toStdString();
    EXPECT_EQ(form.PcMain->Color(), QColor(146, 164, 230));
}

TEST_F(ProgramWindows, TheDetailWindowAndTheFindDialogAreFramedWhenShown) {
    form.edt1->setText(QStringLiteral("5611"));
    form.btn5->click();
    fares::TForm2 detail(form.con1, QStringLiteral("5611"));
    detail.show();
    ASSERT_TRUE(TSkinManager::isSkinned(detail));
    EXPECT_EQ(detail.size(), QSize(464 + 10, 526 + 33));
    EXPECT_EQ(detail.findChild<QWidget*>(QStringLiteral("PaintControl1"))->geometry(), QRect(5, 28, 464, 526));
    EXPECT_EQ(detail.findChild<QWidget*>(QStringLiteral("dbgrd1"))->pos(), QPoint(5, 28 + 103));
    EXPECT_EQ(shownActions(detail), (std::vector<int>{0, 3}));
    EXPECT_TRUE(TSkinManager::isSkinned(*detail.findChild<QLineEdit*>(QStringLiteral("edt1"))));
    EXPECT_TRUE(TSkinManager::isSkinned(*detail.findChild<QPushButton*>(QStringLiteral("btn2"))));

    auto& grid = *detail.findChild<grid::TDataGrid*>(QStringLiteral("dbgrd1"));
    grid::TGridFindDialog& find = grid::TGridFindDialog::openFor(grid);
    ASSERT_TRUE(TSkinManager::isSkinned(find));
    EXPECT_EQ(shownActions(find), (std::vector<int>{0}));
    EXPECT_EQ(TSkinnedWindow::of(find)->captionTextRect().left(), 4);
    EXPECT_TRUE(TSkinManager::isSkinned(*find.findChild<QWidget*>(QStringLiteral("caseBox"))));
    EXPECT_TRUE(TSkinManager::isSkinned(*find.findChild<QWidget*>(QStringLiteral("findButton"))));
    EXPECT_FALSE(TSkinManager::isSkinned(*find.findChild<QWidget*>(QStringLiteral("textBox"))));

    // Moved over to the main window's grid, it keeps its frame.
    const QSize framed = find.size();
    detail.close();
    grid::TGridFindDialog::openFor(*form.dbgrd2);
    EXPECT_EQ(find.window(), &find);
    EXPECT_TRUE(find.windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_EQ(find.size(), framed);
    EXPECT_TRUE(TSkinManager::isSkinned(find));
    find.close();
}

// A key pressed and released as the keyboard does it: to the window, which
// hands it to its focused control.
void pressKey(QWidget& window, Qt::Key key) {
    QTest::keyPress(window.windowHandle(), key);
    QTest::keyRelease(window.windowHandle(), key);
}

TEST_F(ProgramWindows, ASkinnedStationBoxDropsItsListDownAlsoEmpty) {
    form.cbStart->setFocus();
    QTest::sendKeyEvent(QTest::Click, form.windowHandle(), Qt::Key_1, QStringLiteral("1"), Qt::NoModifier);
    EXPECT_EQ(form.cbStart->count(), 0);
    EXPECT_TRUE(form.cbStart->view()->isVisible());
    pressKey(form, Qt::Key_Return);
    EXPECT_FALSE(form.cbStart->view()->isVisible());
    EXPECT_EQ(form.cbStart->currentText(), "1");
    EXPECT_TRUE(form.cbStop->hasFocus());
}

TEST_F(ProgramWindows, EnterOrSpaceClicksAFocusedSkinnedButtonWhichKeepsItsLook) {
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        form.btn3->setChecked(true);
        form.pgc1->setActivePage(form.ts3);
        form.qry4.close();
        form.sTaBox->setEditText(QStringLiteral("郑州"));
        form.btn6->setFocus();
        pressKey(form, key);
        EXPECT_TRUE(form.qry4.isOpen()) << "key " << key;
        EXPECT_FALSE(form.btn6->isDefault());
    }

    const QString train = QString::fromStdString(form.qry4.fieldText("id"));
    for (Qt::Key key : {Qt::Key_Return, Qt::Key_Space}) {
        fares::TForm2 detail(form.con1, train);
        detail.show();
        ASSERT_TRUE(TSkinManager::isSkinned(detail));
        auto* close = detail.findChild<QPushButton*>(QStringLiteral("btn2"));
        close->setFocus();
        pressKey(detail, key);
        EXPECT_FALSE(detail.isVisible()) << "key " << key;
    }

    grid::TGridFindDialog& find = grid::TGridFindDialog::openFor(*form.dbgrd3);
    ASSERT_TRUE(TSkinManager::isSkinned(find));
    find.findChild<QPushButton*>(QStringLiteral("closeButton"))->setFocus();
    pressKey(find, Qt::Key_Return);
    EXPECT_FALSE(find.isVisible());
}

} // namespace
} // namespace tessarin::skin
