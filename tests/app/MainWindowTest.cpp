#include "app/TForm1.h"
#include "grid/GridLayout.h"
#include "grid/TDataGrid.h"
#include "grid/TGridColumn.h"
#include "grid/TGridColumnTitle.h"
#include "grid/TGridColumns.h"
#include "support/MessageBoxCatcher.h"
#include "widgets/TImgCheckButton.h"
#include "widgets/TPageControl.h"
#include "widgets/TPaintControl.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace tessarin::app {
namespace {

using testing::MessageBoxCatcher;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    }

    static QStringList itemsOf(const QComboBox* box) {
        QStringList items;
        for (int i = 0; i < box->count(); ++i)
            items << box->itemText(i);
        return items;
    }

    // Types into a box as the keyboard does: to the focused widget.
    static void typeInto(QWidget* box, const QString& keys) {
        box->setFocus();
        QTest::keyClicks(QApplication::focusWidget(), keys);
    }

    static void clickPageButton(widgets::TImgCheckButton* button) {
        QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(10, 10));
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

    TForm1 form;
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
    typeInto(form.cbStart, "bj");
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
    typeInto(form.cbStart, "bj");
    const QStringList offered = itemsOf(form.cbStart);
    ASSERT_GE(offered.size(), 6);
    EXPECT_EQ(offered.mid(0, 6), (QStringList{"北京", "北京北", "北京东", "北京南", "北京市", "北京西"}));
    EXPECT_EQ(form.cbStart->currentText(), "bj");
    EXPECT_TRUE(form.cbStart->view()->isVisible());

    QTest::keyClicks(QApplication::focusWidget(), "x");
    EXPECT_EQ(form.cbStart->currentText(), "bjx");
    EXPECT_EQ(itemsOf(form.cbStart), QStringList{"北京西"});

    // Backspace changes the text but not the list.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backspace);
    EXPECT_EQ(form.cbStart->currentText(), "bj");
    EXPECT_EQ(itemsOf(form.cbStart), QStringList{"北京西"});

    // Digits offer nothing; the other boxes keep their own lists.
    typeInto(form.sTaBox, "1");
    EXPECT_TRUE(itemsOf(form.sTaBox).isEmpty());
    EXPECT_EQ(itemsOf(form.cbStart), QStringList{"北京西"});
}

TEST_F(MainWindowTest, BothPagesOfferStationsByAnyReadingAndByFullPinyin) {
    typeInto(form.cbStart, "shenzhen");
    const QStringList shenzhen = itemsOf(form.cbStart);
    ASSERT_FALSE(shenzhen.isEmpty());
    EXPECT_EQ(shenzhen.first(), QStringLiteral("深圳"));
    EXPECT_EQ(form.cbStart->currentText(), "shenzhen");

    typeInto(form.cbStop, "cq");
    const QStringList chongqing = itemsOf(form.cbStop);
    EXPECT_TRUE(chongqing.contains(QStringLiteral("重庆")));
    clickPageButton(form.btn3);
    typeInto(form.sTaBox, "cq");
    EXPECT_EQ(itemsOf(form.sTaBox), chongqing);
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
    QTimer::singleShot(0, [&opened, fieldName] {
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

TEST(MainWindowUpdateTest, TheUpdateLibraryIsCalledOnceAfterFiveSeconds) {
    TForm1 form;
    std::vector<std::pair<std::string, int>> calls;
    form.setBeginUpdate([&calls](const char* url, int flag) { calls.emplace_back(url, flag); });
    QTest::qWait(4500);
    EXPECT_TRUE(calls.empty());
    QTest::qWait(1000);
    QTest::qWait(1500);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].first, "http://" TESSARIN_MAKER_HOST "/Update.txt");
    EXPECT_EQ(calls[0].second, 1);
}

} // namespace
} // namespace tessarin::app
