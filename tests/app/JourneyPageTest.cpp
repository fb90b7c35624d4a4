// The main window's journey page: its query on a small timetable of its
// own, its notices, its grid's sorting, wheel and row click, its station
// boxes, and the page switch that empties it.

#include "WindowInput.h"
#include "app/JourneyPage.h"
#include "app/TForm1.h"
#include "grid/GridLayout.h"
#include "grid/TDataGrid.h"
#include "grid/TGridColumn.h"
#include "grid/TGridColumnTitle.h"
#include "grid/TGridColumns.h"
#include "journeys/JourneyPlanner.h"
#include "skin/TSkinManager.h"
#include "support/MessageBoxCatcher.h"
#include "support/TemporaryTimetable.h"
#include "support/TimetableRows.h"
#include "widgets/TImgCheckButton.h"
#include "widgets/TPageControl.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace tessarin::app {
namespace {

using testing::joined;
using testing::MessageBoxCatcher;
using testing::clickPageButton;
using testing::itemsOf;
using testing::typeInto;
using testing::trainRows;
using Texts = std::vector<std::vector<std::string>>;

class JourneyPageTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
        clickPageButton(form.btn7);
    }

    // Moves the window's connection, before the page's first query, to a
    // small timetable of the given trains.
    void useTimetable(const std::vector<std::vector<std::string>>& stops) {
        timetable.addStops(stops);
        form.con1.close();
        form.con1.open(timetable.file());
    }

    // 甲 → 丙 on K1 and on to 乙 on K2, and Z3 straight from 甲 to 乙,
    // earlier and slower. train_tmp holds one row of its own.
    void useSmallTimetable() {
        useTimetable(joined({trainRows("K1", {{"甲", "1", "-", "08:00"}, {"丙", "1", "10:00", "-"}}),
                             trainRows("K2", {{"丙", "1", "-", "10:30"}, {"乙", "1", "12:00", "-"}}),
                             trainRows("Z3", {{"甲", "1", "-", "07:00"}, {"乙", "1", "13:00", "-"}})}));
        form.con1.execute("insert into train_tmp(id, s_station) values('T9', '丁')");
    }

    void queryJourneys(const QString& from, const QString& to) {
        page().cbJourneyStart->setEditText(from);
        page().cbJourneyStop->setEditText(to);
        QTest::mouseClick(page().btn8, Qt::LeftButton);
    }

    JourneyPage& page() { return *form.journeys; }

    // Every row the grid shows, each cell as displayed.
    Texts shownRows() {
        Texts rows;
        const grid::TDataGrid& grid = *page().dbgrd4;
        for (int record = 1; page().journeyRows.isOpen() && record <= page().journeyRows.recordCount(); ++record) {
            std::vector<std::string>& row = rows.emplace_back();
            for (int column = 0; column < grid.Columns().Count(); ++column)
                row.push_back(grid.Columns()[column].Field()->DisplayText(record).toStdString());
        }
        return rows;
    }

    // Clicks a data row of the grid; the window that opens is read and
    // closed from inside its modal loop. Returns its caption, empty when no
    // window opened.
    QString clickRowAndCloseTheWindow(int row) {
        QString caption;
        // With no window the look is dropped when this function returns.
        const QObject lookWithin;
        QTimer::singleShot(0, &lookWithin, [&caption] {
            if (QWidget* window = QApplication::activeModalWidget()) {
                caption = window->windowTitle();
                window->close();
            }
        });
        grid::TDataGrid* grid = page().dbgrd4;
        QTest::mouseClick(grid, Qt::LeftButton, {}, grid->Layout().dataCell(row, 2).center() + grid->clientRect().topLeft());
        return caption;
    }

    testing::TemporaryTimetable timetable;
    TForm1 form;
};

TEST_F(JourneyPageTest, AQueryShowsOneRowPerJourneyAndTouchesNoScratchRow) {
    useSmallTimetable();
    MessageBoxCatcher boxes;
    queryJourneys(QStringLiteral("甲"), QStringLiteral("乙"));

    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(shownRows(), (Texts{{"Z3", "甲", "07:00", "-", "乙", "13:00", "6:00", "0", "0:00"},
                                  {"K1→K2", "甲", "08:00", "丙", "乙", "12:00", "4:00", "1", "0:30"}}));
    EXPECT_EQ(page().dbgrd4->recordWindow().rowCount(), 2);
    EXPECT_FALSE(form.qry4.isOpen()) << "the other pages' result is not this page's";
    data::Query scratch(form.con1);
    scratch.setStatement("select id, s_station from train_tmp");
    scratch.open();
    ASSERT_EQ(scratch.recordCount(), 1);
    EXPECT_EQ(scratch.fieldText("id"), "T9");
}

TEST_F(JourneyPageTest, TwoChangesNameBothChangeStations) {
    useTimetable(joined({trainRows("K1", {{"甲", "1", "-", "08:00"}, {"丙", "1", "10:00", "-"}}),
                         trainRows("K2", {{"丙", "1", "-", "10:30"}, {"丁", "1", "11:00", "-"}}),
                         trainRows("K3", {{"丁", "1", "-", "11:40"}, {"乙", "1", "12:00", "-"}})}));
    queryJourneys(QStringLiteral("甲"), QStringLiteral("乙"));
    EXPECT_EQ(shownRows(), (Texts{{"K1→K2→K3", "甲", "08:00", "丙、丁", "乙", "12:00", "4:00", "2", "1:10"}}));
}

TEST_F(JourneyPageTest, EmptyBoxesAndNoJourneyAreTold) {
    useSmallTimetable();
    queryJourneys(QStringLiteral("甲"), QStringLiteral("乙"));
    ASSERT_TRUE(page().journeyRows.isOpen());

    MessageBoxCatcher boxes;
    queryJourneys(QString(), QStringLiteral("乙"));
    queryJourneys(QStringLiteral("甲"), QString());
    EXPECT_TRUE(page().journeyRows.isOpen()) << "an empty box asks nothing";
    queryJourneys(QStringLiteral("乙"), QStringLiteral("甲"));

    ASSERT_EQ(boxes.boxes().size(), 3u);
    const QStringList expected{"请输入发站名！", "请输入到站名！", "您输入的站点之间没有找到中转方案！"};
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const MessageBoxCatcher::Box& box = boxes.boxes()[static_cast<std::size_t>(i)];
        EXPECT_EQ(box.caption, QStringLiteral("提示"));
        EXPECT_EQ(box.text, expected[i]);
        EXPECT_EQ(box.icon, QMessageBox::Information);
    }
    EXPECT_FALSE(page().journeyRows.isOpen()) << "the rows of the earlier query answer another question";
    EXPECT_TRUE(clickRowAndCloseTheWindow(0).isEmpty());
}

TEST_F(JourneyPageTest, TitleClicksSortAndARowClickOpensThatRowsJourney) {
    useSmallTimetable();
    queryJourneys(QStringLiteral("甲"), QStringLiteral("乙"));
    grid::TGridColumn& trains = page().dbgrd4->Columns()[0];

    emit page().dbgrd4->OnTitleClick(&trains);
    EXPECT_EQ(page().journeyRows.sort(), "trains ASC");
    EXPECT_EQ(trains.Title().Font().color, widgets::clRed);
    EXPECT_EQ(clickRowAndCloseTheWindow(0), "车次：K1→K2（票价以实际票价为准！）");

    emit page().dbgrd4->OnTitleClick(&trains);
    EXPECT_EQ(page().journeyRows.sort(), "trains DESC");
    EXPECT_EQ(trains.Title().Font().color, widgets::clBlue);
    EXPECT_EQ(clickRowAndCloseTheWindow(0), "车次：Z3（票价以实际票价为准！）");
}

TEST_F(JourneyPageTest, TheJourneyWindowIsFramedAndSkinnedAsTheDetailWindow) {
    skin::TSkinManager manager;
    manager.registerComponent(form.skin1);
    manager.runPendingAction();
    useSmallTimetable();
    queryJourneys(QStringLiteral("甲"), QStringLiteral("乙"));

    bool skinned = false;
    QSize size;
    std::vector<std::string> plainControls;
    QTimer::singleShot(0, [&] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window)
            return;
        skinned = skin::TSkinManager::isSkinned(*window);
        size = window->size();
        for (const char* name : {"dbgrd1", "dbgrd2", "dbgrd3", "btn2"}) {
            const auto* control = window->findChild<QWidget*>(name);
            if (!control || !skin::TSkinManager::isSkinned(*control))
                plainControls.emplace_back(name);
        }
        window->close();
    });
    grid::TDataGrid* grid = page().dbgrd4;
    QTest::mouseClick(grid, Qt::LeftButton, {}, grid->Layout().dataCell(0, 0).center() + grid->clientRect().topLeft());

    EXPECT_TRUE(skinned);
    EXPECT_EQ(size, QSize(560 + 10, 526 + 33)) << "the detail window's frame around the journey window's client";
    EXPECT_TRUE(plainControls.empty()) << plainControls.front();
}

TEST_F(JourneyPageTest, TheWheelMovesOneJourneyPerEvent) {
    useSmallTimetable();
    queryJourneys(QStringLiteral("甲"), QStringLiteral("乙"));
    const auto turn = [this](int delta) {
        QWheelEvent event(QPointF(50, 50), page().dbgrd4->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(page().dbgrd4, &event);
    };
    turn(-360);
    EXPECT_EQ(page().journeyRows.recNo(), 2);
    turn(120);
    EXPECT_EQ(page().journeyRows.recNo(), 1);
}

TEST_F(JourneyPageTest, TheBoxesSuggestAndMoveOnAsTheFirstPagesDo) {
    typeInto(form, page().cbJourneyStart, "bj");
    const QStringList offered = itemsOf(page().cbJourneyStart);
    ASSERT_FALSE(offered.isEmpty());
    EXPECT_EQ(offered.first(), QStringLiteral("北京"));
    EXPECT_EQ(page().cbJourneyStart->currentText(), "bj");
    EXPECT_TRUE(page().cbJourneyStart->view()->isVisible());
    page().cbJourneyStart->hidePopup();

    clickPageButton(form.btn1);
    typeInto(form, form.cbStart, "bj");
    EXPECT_EQ(itemsOf(form.cbStart), offered);
    form.cbStart->hidePopup();

    clickPageButton(form.btn7);
    page().cbJourneyStart->setFocus();
    page().cbJourneyStart->setEditText(QStringLiteral("北京"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(page().cbJourneyStop->hasFocus());
    page().cbJourneyStop->setEditText(QStringLiteral("上海"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(page().btn8->hasFocus());
}

TEST_F(JourneyPageTest, EveryPageSwitchEmptiesThePageAndKeepsTheLists) {
    typeInto(form, page().cbJourneyStart, "bj");
    page().cbJourneyStart->hidePopup();
    const QStringList suggestions = itemsOf(page().cbJourneyStart);
    queryJourneys(QStringLiteral("北京"), QStringLiteral("郑州"));
    ASSERT_TRUE(page().journeyRows.isOpen());

    for (widgets::TImgCheckButton* button : {form.btn7, form.btn2, form.btn7}) {
        page().cbJourneyStart->setEditText(QStringLiteral("北京"));
        page().cbJourneyStop->setEditText(QStringLiteral("郑州"));
        form.edt1->setText("K7");
        clickPageButton(button);
        EXPECT_FALSE(page().journeyRows.isOpen());
        EXPECT_TRUE(page().cbJourneyStart->currentText().isEmpty());
        EXPECT_TRUE(page().cbJourneyStop->currentText().isEmpty());
        EXPECT_TRUE(form.edt1->text().isEmpty());
    }
    EXPECT_EQ(form.pgc1->ActivePage(), form.ts4);
    EXPECT_TRUE(form.btn7->Checked());
    EXPECT_FALSE(form.btn2->Checked());
    EXPECT_EQ(itemsOf(page().cbJourneyStart), suggestions);
}

} // namespace
} // namespace tessarin::app
