#include "app/BannerPane.h"
#include "app/TForm1.h"
#include "grid/GridLayout.h"
#include "grid/TDataGrid.h"
#include "grid/TGridColumn.h"
#include "grid/TGridColumnTitle.h"
#include "grid/TGridColumns.h"
#include "WindowInput.h"
#include "support/MessageBoxCatcher.h"
#include "support/TemporaryTimetable.h"
#include "widgets/TImgCheckButton.h"
#include "widgets/TPageControl.h"
#include "widgets/TPaintControl.h"

#include <QAbstractItemView>
#include <QListWidget>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <unistd.h>

namespace tessarin::app {
namespace {

using testing::MessageBoxCatcher;
using testing::clickPageButton;
using testing::itemsOf;
using testing::pressKey;
using testing::typeInto;
using testing::typeText;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A test that runs past the update call's five seconds on a busy
        // machine must not reach out to the maker's host.
        form.setBeginUpdate([](const char*, int) {});
        form.show();
        form.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    }

    std::vector<std::string> column(const char* field) {
        std::vector<std::string> values;
        const int index = *form.qry4.fieldIndex(field);
        for (int record = 0; record < form.qry4.recordCount(); ++record)
            values.push_back(form.qry4.text(record, index));
        return values;
    }

    void queryStationToStation(const QString& from, const QString& to) {
        form.cbStart->setEditText(from);
        form.cbStop->setEditText(to);
        QTest::mouseClick(form.btn4, Qt::LeftButton);
    }

    static void turnWheel(QWidget* widget, int delta) {
        QWheelEvent event(QPointF(50, 50), widget->mapToGlobal(QPointF(50, 50)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QCoreApplication::sendEvent(widget, &event);
    }

    // The window's queries write the scratch table of a timetable of its own.
    testing::TemporaryTimetable timetable{testing::bundledTimetableFile()};
    TForm1 form{timetable.file()};
};

TEST_F(MainWindowTest, StationToStationQueryFillsTheFirstPageGridInDepartureOrder) {
    queryStationToStation(QStringLiteral("北京"), QStringLiteral("上海"));
    ASSERT_TRUE(form.qry4.isOpen());
    ASSERT_GT(form.qry4.recordCount(), 0);
    const auto departures = column("s_tm");
    EXPECT_TRUE(std::is_sorted(departures.begin(), departures.end()));
    for (const std::string& station : column("s_station"))
        EXPECT_EQ(station.rfind("北京", 0), 0u) << station;
    for (const std::string& fare : column("Train_Price"))
        EXPECT_EQ(fare, "点击查询");
    EXPECT_EQ(form.dbgrd1->recordWindow().rowCount(), std::min(form.qry4.recordCount(),
                                                                form.dbgrd1->recordWindow().capacity()));
}

TEST_F(MainWindowTest, InputProblemsAndEmptyResultsAreToldAndLeaveTheGridAsItWas) {
    queryStationToStation(QStringLiteral("北京"), QStringLiteral("上海"));
    const int shown = form.qry4.recordCount();
    MessageBoxCatcher catcher;
    queryStationToStation(QString(), QStringLiteral("上海"));
    queryStationToStation(QStringLiteral("北京"), QString());
    queryStationToStation(QStringLiteral("上海"), QStringLiteral("乌鲁木齐北'"));
    form.edt1->clear();
    QTest::mouseClick(form.btn5, Qt::LeftButton);

    ASSERT_EQ(catcher.boxes().size(), 4u);
    const QStringList expected{"请输入发站名！", "请输入到站名！", "您输入的站点之间没有车次到达！", "请输入车次！"};
    for (qsizetype i = 0; i < expected.size(); ++i) {
        const MessageBoxCatcher::Box& box = catcher.boxes()[static_cast<std::size_t>(i)];
        EXPECT_EQ(box.caption, QStringLiteral("提示"));
        EXPECT_EQ(box.text, expected[i]);
        EXPECT_EQ(box.icon, QMessageBox::Information);
    }
    ASSERT_TRUE(form.qry4.isOpen());
    EXPECT_EQ(form.qry4.recordCount(), shown);
}

TEST_F(MainWindowTest, TrainNumberAndStationPagesShowTheirQueries) {
    clickPageButton(form.btn2);
    form.edt1->setText("T1");
    QTest::mouseClick(form.btn5, Qt::LeftButton);
    ASSERT_TRUE(form.qry4.isOpen());
    for (const std::string& id : column("id"))
        EXPECT_NE(id.find("T1"), std::string::npos) << id;

    clickPageButton(form.btn3);
    form.sTaBox->setEditText(QStringLiteral("郑州"));
    QTest::mouseClick(form.btn6, Qt::LeftButton);
    ASSERT_TRUE(form.qry4.isOpen());
    EXPECT_GT(form.qry4.recordCount(), 0);
    EXPECT_EQ(form.pgc1->ActivePage(), form.ts3);
}

TEST_F(MainWindowTest, PageSwitchEmptiesTheInputsClosesTheResultAndKeepsTheLists) {
    typeInto(form, form.cbStart, "bj");
    form.cbStart->hidePopup();
    const QStringList suggestions = itemsOf(form.cbStart);
    ASSERT_FALSE(suggestions.isEmpty());
    queryStationToStation(QStringLiteral("北京"), QStringLiteral("上海"));
    ASSERT_TRUE(form.qry4.isOpen());

    for (widgets::TImgCheckButton* button : {form.btn2, form.btn1}) {
        form.edt1->setText("K7");
        form.sTaBox->setEditText(QStringLiteral("北京"));
        clickPageButton(button);
        EXPECT_FALSE(form.qry4.isOpen());
        for (QComboBox* box : {form.cbStart, form.cbStop, form.sTaBox})
            EXPECT_TRUE(box->currentText().isEmpty());
        EXPECT_TRUE(form.edt1->text().isEmpty());
    }
    EXPECT_EQ(form.pgc1->ActivePage(), form.ts1);
    EXPECT_TRUE(form.btn1->Checked());
    EXPECT_FALSE(form.btn2->Checked());
    EXPECT_EQ(itemsOf(form.cbStart), suggestions);
}

TEST_F(MainWindowTest, TypingInitialsOffersStationsWhileTypingGoesOn) {
    typeInto(form, form.cbStart, "bj");
    const QStringList offered = itemsOf(form.cbStart);
    ASSERT_GE(offered.size(), 6);
    EXPECT_EQ(offered.mid(0, 6), (QStringList{"北京", "北京北", "北京东", "北京南", "北京市", "北京西"}));
    EXPECT_EQ(form.cbStart->currentText(), "bj");
    EXPECT_TRUE(form.cbStart->view()->isVisible());

    typeText(form, "x");
    EXPECT_EQ(form.cbStart->currentText(), "bjx");
    EXPECT_EQ(itemsOf(form.cbStart), QStringList{"北京西"});

    // Backspace changes the text but not the list.
    pressKey(form, Qt::Key_Backspace);
    EXPECT_EQ(form.cbStart->currentText(), "bj");
    EXPECT_EQ(itemsOf(form.cbStart), QStringList{"北京西"});

    // Digits offer nothing; the other boxes keep their own lists.
    clickPageButton(form.btn3);
    typeInto(form, form.sTaBox, "1");
    EXPECT_TRUE(itemsOf(form.sTaBox).isEmpty());
    EXPECT_EQ(itemsOf(form.cbStart), QStringList{"北京西"});
}

TEST_F(MainWindowTest, BothPagesOfferStationsByAnyReadingAndByFullPinyin) {
    typeInto(form, form.cbStart, "shenzhen");
    const QStringList shenzhen = itemsOf(form.cbStart);
    ASSERT_FALSE(shenzhen.isEmpty());
    EXPECT_EQ(shenzhen.first(), QStringLiteral("深圳"));
    EXPECT_EQ(form.cbStart->currentText(), "shenzhen");

    typeInto(form, form.cbStop, "cq");
    const QStringList chongqing = itemsOf(form.cbStop);
    EXPECT_TRUE(chongqing.contains(QStringLiteral("重庆")));
    clickPageButton(form.btn3);
    typeInto(form, form.sTaBox, "cq");
    EXPECT_EQ(itemsOf(form.sTaBox), chongqing);
}

TEST_F(MainWindowTest, TheFirstArrowChoosesTheFirstNameAndEnterBeforeAnyArrowKeepsTheTypedText) {
    typeInto(form, form.cbStart, "sh");
    ASSERT_GE(form.cbStart->count(), 2);
    ASSERT_EQ(form.cbStart->itemText(0), QStringLiteral("上海"));
    pressKey(form, Qt::Key_Down);
    pressKey(form, Qt::Key_Return);
    EXPECT_EQ(form.cbStart->currentText(), QStringLiteral("上海"));
    EXPECT_TRUE(form.cbStop->hasFocus());
    EXPECT_FALSE(form.cbStart->view()->isVisible());

    typeInto(form, form.cbStop, "sh");
    pressKey(form, Qt::Key_Down);
    pressKey(form, Qt::Key_Down);
    pressKey(form, Qt::Key_Return);
    EXPECT_EQ(form.cbStop->currentText(), form.cbStop->itemText(1));

    form.cbStop->clearEditText();
    typeInto(form, form.cbStop, "bj");
    pressKey(form, Qt::Key_Return);
    EXPECT_EQ(form.cbStop->currentText(), "bj");
    EXPECT_TRUE(form.btn4->hasFocus());
    EXPECT_FALSE(form.cbStop->view()->isVisible());
}

TEST_F(MainWindowTest, TheListDropsDownAlsoWhenNothingMatches) {
    typeInto(form, form.cbStart, "1");
    EXPECT_EQ(form.cbStart->count(), 0);
    EXPECT_TRUE(form.cbStart->view()->isVisible());
    EXPECT_EQ(form.cbStart->currentText(), "1");
    // Typing goes on into the edit.
    typeText(form, "2");
    EXPECT_EQ(form.cbStart->currentText(), "12");
    EXPECT_EQ(form.cbStart->lineEdit()->cursorPosition(), 2);
}

// Type, Enter, type, Enter, Enter: the names typed in full, as an input
// method gives them.
TEST_F(MainWindowTest, TheKeyboardAloneRunsAStationToStationQuery) {
    form.cbStart->setFocus();
    typeText(form, QStringLiteral("北京"));
    EXPECT_TRUE(form.cbStart->view()->isVisible()) << "an empty list";
    pressKey(form, Qt::Key_Return);
    typeText(form, QStringLiteral("上海"));
    pressKey(form, Qt::Key_Return);
    EXPECT_TRUE(form.btn4->hasFocus());
    pressKey(form, Qt::Key_Return);
    ASSERT_TRUE(form.qry4.isOpen());
    EXPECT_GT(form.qry4.recordCount(), 0);
    EXPECT_EQ(form.cbStart->currentText(), QStringLiteral("北京"));
}

// The inputs first on the first page, the query button first on the others;
// each page's grid and banner pane follow, then Button1, beneath the pages.
TEST_F(MainWindowTest, TabVisitsTheControlsOfThePageShownInTheirOrder) {
    const struct {
        widgets::TImgCheckButton* page;
        std::vector<QWidget*> order;
    } pages[] = {
        {form.btn1, {form.cbStart, form.cbStop, form.btn4, form.dbgrd1, form.wb2, form.Button1, form.cbStart}},
        {form.btn2, {form.btn5, form.edt1, form.dbgrd2, form.wb3, form.Button1, form.btn5}},
        {form.btn3, {form.btn6, form.sTaBox, form.dbgrd3, form.wb1, form.Button1, form.btn6}},
    };
    for (const auto& page : pages) {
        clickPageButton(page.page);
        page.order.front()->setFocus();
        for (std::size_t i = 1; i < page.order.size(); ++i) {
            pressKey(form, Qt::Key_Tab);
            EXPECT_TRUE(page.order[i]->hasFocus())
                << "step " << i << " of " << page.order.front()->objectName().toStdString() << ": focus on "
                << QApplication::focusWidget()->objectName().toStdString();
        }
    }
}

TEST_F(MainWindowTest, EnterMovesOnOnlyFromABoxWithText) {
    form.cbStart->setFocus();
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(form.cbStart->hasFocus());

    form.cbStart->setEditText(QStringLiteral("北京"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(form.cbStop->hasFocus());
    form.cbStop->setEditText(QStringLiteral("上海"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_TRUE(form.btn4->hasFocus());

    clickPageButton(form.btn2);
    form.edt1->setFocus();
    QTest::keyClick(form.edt1, Qt::Key_Return);
    EXPECT_TRUE(form.btn5->hasFocus());
}

TEST_F(MainWindowTest, EnterOrSpaceOnAFocusedQueryButtonRunsTheQuery) {
    const struct {
        widgets::TImgCheckButton* page;
        std::function<void()> input;
        QPushButton* button;
    } pages[] = {
        {form.btn1, [this] { form.cbStart->setEditText(QStringLiteral("北京")); form.cbStop->setEditText("上海"); }, form.btn4},
        {form.btn2, [this] { form.edt1->setText("T1"); }, form.btn5},
        {form.btn3, [this] { form.sTaBox->setEditText(QStringLiteral("郑州")); }, form.btn6},
    };
    for (const auto& page : pages) {
        for (Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
            clickPageButton(page.page);
            page.input();
            page.button->setFocus();
            pressKey(form, key);
            EXPECT_TRUE(form.qry4.isOpen()) << page.button->objectName().toStdString() << " key " << key;
        }
    }
}

TEST_F(MainWindowTest, TheWheelOverAResultGridMovesOneRecordPerEvent) {
    MessageBoxCatcher catcher;
    queryStationToStation(QStringLiteral("北京"), QStringLiteral("郑州"));
    ASSERT_GE(form.qry4.recordCount(), 3);
    turnWheel(form.dbgrd1, -360);
    EXPECT_EQ(form.qry4.recNo(), 2);
    turnWheel(form.dbgrd1, -120);
    EXPECT_EQ(form.qry4.recNo(), 3);
    turnWheel(form.dbgrd1, 120);
    EXPECT_EQ(form.qry4.recNo(), 2);
    turnWheel(form.dbgrd1, 0);
    EXPECT_EQ(form.qry4.recNo(), 1);

    // With no result open the wheel does nothing, on every page.
    for (widgets::TImgCheckButton* button : {form.btn2, form.btn3}) {
        clickPageButton(button);
        turnWheel(button == form.btn2 ? form.dbgrd2 : form.dbgrd3, -120);
    }
    EXPECT_TRUE(catcher.boxes().empty());
}

TEST_F(MainWindowTest, TitleClicksSortAscendingThenDescendingAndMarkOnlyTheLastTitle) {
    queryStationToStation(QStringLiteral("北京"), QStringLiteral("郑州"));
    ASSERT_GE(form.qry4.recordCount(), 2);
    grid::TGridColumns& columns = form.dbgrd1->Columns();
    grid::TGridColumn& trainColumn = columns[0];
    grid::TGridColumn& departureColumn = columns[5];

    const auto click = [&](grid::TGridColumn& column) { emit form.dbgrd1->OnTitleClick(&column); };
    const struct {
        grid::TGridColumn* column;
        const char* sort;
        widgets::TColor colour;
    } steps[] = {{&trainColumn, "id ASC", widgets::clRed},
                 {&trainColumn, "id DESC", widgets::clBlue},
                 {&trainColumn, "id ASC", widgets::clRed},
                 {&departureColumn, "s_tm ASC", widgets::clRed}};
    for (const auto& step : steps) {
        click(*step.column);
        EXPECT_EQ(form.qry4.sort(), step.sort);
        for (int i = 0; i < columns.Count(); ++i) {
            const widgets::TFont font = columns[i].Title().Font();
            const bool marked = &columns[i] == step.column;
            EXPECT_EQ(font.color, marked ? step.colour : widgets::clWindowText) << step.sort << " column " << i;
            EXPECT_EQ(font.font.bold(), marked);
        }
    }
    const auto ids = column("s_tm");
    EXPECT_TRUE(std::is_sorted(ids.begin(), ids.end()));

    // After a page switch the titles are unmarked by the click, and nothing sorts.
    clickPageButton(form.btn1);
    click(departureColumn);
    EXPECT_EQ(departureColumn.Title().Font().color, widgets::clWindowText);
    EXPECT_FALSE(form.qry4.isOpen());
}

TEST_F(MainWindowTest, ThePageBorderFollowsTheCheckedPageButton) {
    const struct {
        widgets::TImgCheckButton* button;
        int left;
        int width;
    } pages[] = {{form.btn2, 152, 96}, {form.btn3, 248, 135}, {form.btn7, 383, 96}, {form.btn1, 56, 96}};
    const QColor outer(201, 210, 243);
    const QColor inner(104, 121, 250);
    for (const auto& page : pages) {
        clickPageButton(page.button);
        const QImage image = form.PcMain->grab().toImage();
        for (int x = 1; x < 639; ++x) {
            const bool gapInRowZero = x >= page.left && x < page.left + page.width - 1;
            const bool gapInRowOne = x >= page.left + 3 && x < page.left + page.width - 4;
            EXPECT_EQ(QColor(image.pixel(x, 0)) == outer, !gapInRowZero) << "row 0, x " << x;
            EXPECT_EQ(QColor(image.pixel(x, 1)) == inner, !gapInRowOne) << "row 1, x " << x;
        }
    }
}

// Clicks a cell of a grid's data row; the window the click opens is looked
// at and closed from inside its modal loop. Returns its caption and the text
// of one of its line edits (empty when there is none of that name).
struct OpenedWindow {
    QString className;
    QString caption;
    QString field;
};

OpenedWindow clickRowAndCloseTheWindow(grid::TDataGrid* grid, int row, int column, const char* fieldName) {
    OpenedWindow opened;
    // When no window opens, the look must not outlive `opened`.
    const QObject lookingLasts;
    QTimer::singleShot(0, &lookingLasts, [&opened, fieldName] {
        QWidget* window = QApplication::activeModalWidget();
        if (!window)
            return;
        opened.className = window->metaObject()->className();
        opened.caption = window->windowTitle();
        if (auto* field = window->findChild<QLineEdit*>(fieldName))
            opened.field = field->text();
        window->close();
    });
    const QPoint point = grid->Layout().dataCell(row, column).center() + grid->clientRect().topLeft();
    QTest::mouseClick(grid, Qt::LeftButton, {}, point);
    return opened;
}

TEST_F(MainWindowTest, ARowClickOpensTheDetailOrRouteWindowForThatRowsTrain) {
    queryStationToStation(QStringLiteral("北京"), QStringLiteral("上海"));
    ASSERT_GE(form.qry4.recordCount(), 2);
    const std::string secondTrain = column("id")[1];
    const std::string secondDeparture = column("s_station")[1];

    const OpenedWindow detail = clickRowAndCloseTheWindow(form.dbgrd1, 1, 3, "edt1");
    EXPECT_EQ(detail.className, "tessarin::fares::TForm2");
    EXPECT_EQ(form.SelectedTrainId.toStdString(), secondTrain);
    EXPECT_EQ(detail.caption, QStringLiteral("车次：%1（票价以实际票价为准！）").arg(form.SelectedTrainId));
    EXPECT_EQ(detail.field.toStdString(), secondDeparture);

    clickPageButton(form.btn3);
    form.sTaBox->setEditText(QStringLiteral("郑州"));
    QTest::mouseClick(form.btn6, Qt::LeftButton);
    const std::string firstTrain = column("id")[0];
    const OpenedWindow route = clickRowAndCloseTheWindow(form.dbgrd3, 0, 5, "");
    EXPECT_EQ(route.className, "tessarin::fares::TForm3");
    EXPECT_EQ(route.caption, QStringLiteral("车次：%1").arg(QString::fromStdString(firstTrain)));
}

TEST_F(MainWindowTest, AClickOnAnEmptyGridOpensNoWindow) {
    form.SelectedTrainId = "K7";
    const OpenedWindow nothing = clickRowAndCloseTheWindow(form.dbgrd1, 0, 0, "");
    EXPECT_TRUE(nothing.className.isEmpty());
    EXPECT_EQ(form.SelectedTrainId, "K7");
}

TEST(MainWindowStartTest, WithTheDataFolderMissingOneBoxSaysSoAndNothingElseIsShownOrRead) {
    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("tessarin-no-data-" + std::to_string(getpid())) / "data";
    MessageBoxCatcher catcher;
    const TForm1 form(folder / "Train+-+090719.mdb");

    ASSERT_EQ(catcher.boxes().size(), 1u);
    const MessageBoxCatcher::Box& box = catcher.boxes()[0];
    EXPECT_EQ(box.caption, QStringLiteral("列车时刻表"));
    EXPECT_EQ(box.text.toStdString(), "出错！Could not find folder '" + folder.string() + "'.");
    EXPECT_EQ(box.icon, QMessageBox::NoIcon);
    EXPECT_EQ(box.buttons, QMessageBox::Ok);
    EXPECT_FALSE(form.connected());
    EXPECT_FALSE(form.isVisible());
    EXPECT_EQ(form.ListBox1->count(), 0);
}

TEST(MainWindowUpdateTest, TheUpdateLibraryIsCalledOnceAfterFiveSeconds) {
    const testing::TemporaryTimetable timetable{testing::bundledTimetableFile()};
    TForm1 form{timetable.file()};
    std::vector<std::pair<std::string, int>> calls;
    form.setBeginUpdate([&calls](const char* url, int flag) { calls.emplace_back(url, flag); });
    // The window's timer decides when: it is judged by its settings, and its
    // running out is played at once rather than waited for.
    ASSERT_TRUE(form.tmr1->isActive());
    EXPECT_EQ(form.tmr1->interval(), 5000);
    EXPECT_TRUE(calls.empty());
    ASSERT_TRUE(QMetaObject::invokeMethod(form.tmr1, "timeout"));
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, "http://" TESSARIN_MAKER_HOST "/Update.txt");
    EXPECT_EQ(calls[0].second, 1);
    EXPECT_FALSE(form.tmr1->isActive()) << "it would call again five seconds later";
}

} // namespace
} // namespace tessarin::app
