#include "GridFixture.h"
#include "grid/GridSearch.h"
#include "grid/TDataCheckBox.h"
#include "grid/TDataComboBox.h"
#include "grid/TGridFindDialog.h"
#include "support/MessageBoxCatcher.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <map>

namespace tessarin::testing {
namespace {

using grid::TDataCheckBox;
using grid::TDataComboBox;
using grid::TGridFindDialog;

QStringList itemsOf(const QComboBox& box) {
    QStringList items;
    for (int i = 0; i < box.count(); ++i)
        items << box.itemText(i);
    return items;
}

// Twenty-five trains "T1" … "T25", but for record 4 "K7322", 8 "XK7",
// 12 "K71" and 20 "k705", with the names "name 1" … "name 25"; a third,
// hidden column.
class FindDialog : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        addColumn("id", 60).Title().setCaption(QStringLiteral("车次"));
        addColumn("name", 80).Title().setCaption(QStringLiteral("名称"));
        addColumn("id", 40).setVisible(false);
        std::vector<data::DataSet::Row> records;
        for (int n = 1; n <= 25; ++n) {
            const std::map<int, std::string> trains{{4, "K7322"}, {8, "XK7"}, {12, "K71"}, {20, "k705"}};
            const auto train = trains.find(n);
            records.push_back({train != trains.end() ? train->second : "T" + std::to_string(n),
                               "name " + std::to_string(n)});
        }
        rows.open({"id", "name"}, std::move(records));
        grid->setFocus();
    }
    void TearDown() override {
        // The next test starts with a fresh dialog, as a new run of the
        // application would.
        delete TGridFindDialog::instance();
    }

    // Record `record` current on the fourth row.
    void startAt(int record) {
        rows.moveBy(record - rows.recNo());
        grid->scrollCurrentToRow(3);
    }
    TGridFindDialog& open() {
        QTest::keyClick(grid, Qt::Key_F, Qt::ControlModifier);
        TGridFindDialog* dialog = TGridFindDialog::instance();
        EXPECT_TRUE(dialog && dialog->isVisible());
        return *dialog;
    }
    template <typename Control>
    Control& control(const char* name) const {
        auto* found = TGridFindDialog::instance()->findChild<Control*>(QLatin1String(name));
        EXPECT_TRUE(found) << name;
        return *found;
    }
    TDataComboBox& textBox() const { return control<TDataComboBox>("textBox"); }
    void choose(const char* box, const QString& item) const {
        TDataComboBox& combo = control<TDataComboBox>(box);
        combo.setCurrentIndex(combo.findText(item));
    }
    void type(const QString& text) const {
        textBox().clearEditText();
        QTest::keyClicks(textBox().lineEdit(), text);
    }
    void clickFind(Qt::KeyboardModifiers modifiers = Qt::NoModifier) const {
        QTest::mouseClick(&control<QPushButton>("findButton"), Qt::LeftButton, modifiers);
    }
    int top() const { return grid->recordWindow().topRecord(); }
};

TEST_F(FindDialog, CtrlFOpensItWithItsTextsAndStartingChoices) {
    TGridFindDialog& dialog = open();
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("查找文本"));
    EXPECT_FALSE(dialog.isModal());
    QStringList labels;
    for (const QLabel* label : dialog.findChildren<QLabel*>())
        labels << label->text();
    EXPECT_EQ(labels, (QStringList{"文本:", "字段|列:", "匹配:", "方向:"}));

    EXPECT_TRUE(textBox().isEditable());
    EXPECT_EQ(textBox().currentText(), QString());
    EXPECT_EQ(dialog.focusWidget(), &textBox());
    const TDataComboBox& columns = control<TDataComboBox>("columnBox");
    EXPECT_EQ(itemsOf(columns), (QStringList{"车次", "名称", "<全部>"})) << "the visible columns";
    EXPECT_EQ(columns.currentText(), QStringLiteral("车次"));
    const TDataComboBox& match = control<TDataComboBox>("matchBox");
    EXPECT_EQ(itemsOf(match), (QStringList{"字段的任意位置", "整个字段", "字段的开始处"}));
    EXPECT_EQ(match.currentText(), QStringLiteral("字段的任意位置"));
    const TDataComboBox& direction = control<TDataComboBox>("directionBox");
    EXPECT_EQ(itemsOf(direction), (QStringList{"向上", "向下", "全部"}));
    EXPECT_EQ(direction.currentText(), QStringLiteral("全部"));
    const TDataCheckBox& caseBox = control<TDataCheckBox>("caseBox");
    EXPECT_EQ(caseBox.text(), QStringLiteral("区别大小写"));
    EXPECT_FALSE(caseBox.isChecked());
    const TDataCheckBox& formatBox = control<TDataCheckBox>("formatBox");
    EXPECT_EQ(formatBox.text(), QStringLiteral("格式匹配"));
    EXPECT_TRUE(formatBox.isChecked());
    EXPECT_EQ(control<QPushButton>("findButton").text(), QStringLiteral("查找(&F)"));
    EXPECT_EQ(control<QPushButton>("closeButton").text(), QStringLiteral("关闭(&C)"));

    // The skin engine tells these controls by their class names.
    EXPECT_STREQ(caseBox.metaObject()->className(), "tessarin::grid::TDataCheckBox");
    EXPECT_STREQ(columns.metaObject()->className(), "tessarin::grid::TDataComboBox");
    EXPECT_EQ(dialog.findChildren<TDataComboBox*>().size(), 4);
}

TEST_F(FindDialog, FindingK7AtTheFieldStartStepsToTheEndAndThenSaysSo) {
    startAt(15);
    open();
    choose("matchBox", QStringLiteral("字段的开始处"));
    type(QStringLiteral("K7"));
    MessageBoxCatcher boxes;
    std::vector<int> found;
    for (int press = 0; press < 3; ++press) {
        clickFind();
        found.push_back(rows.recNo());
    }
    EXPECT_EQ(found, (std::vector<int>{4, 12, 20})) << "not XK7; k705 matches without 区别大小写";
    EXPECT_TRUE(boxes.boxes().empty());
    const int lastTop = top();

    clickFind();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes().front().text, QStringLiteral("字符串 \"K7\" 没有找到"));
    EXPECT_EQ(boxes.boxes().front().caption, QStringLiteral("列车时刻表"));
    EXPECT_EQ(rows.recNo(), 20) << "the record current before this search";
    EXPECT_EQ(top(), lastTop) << "on its row";
    EXPECT_TRUE(grid->updatesEnabled());
}

TEST_F(FindDialog, NothingFoundFromTheFirstRecordRestoresTheRecordAndItsRow) {
    startAt(15);
    ASSERT_GT(top(), 1);
    const int startTop = top();
    open();
    type(QStringLiteral("nowhere"));
    MessageBoxCatcher boxes;
    clickFind();
    ASSERT_EQ(boxes.boxes().size(), 1u);
    EXPECT_EQ(boxes.boxes().front().text, QStringLiteral("字符串 \"nowhere\" 没有找到"));
    EXPECT_EQ(rows.recNo(), 15);
    EXPECT_EQ(top(), startTop);
    EXPECT_EQ(grid->currentRow(), 3);
}

TEST_F(FindDialog, CtrlSearchesTheOtherWayAndEnterFindsToo) {
    startAt(15);
    open();
    choose("matchBox", QStringLiteral("字段的开始处"));
    choose("directionBox", QStringLiteral("向下"));
    type(QStringLiteral("K7"));
    clickFind(Qt::ControlModifier);
    EXPECT_EQ(rows.recNo(), 12) << "upwards from the current record";
    QTest::keyClick(textBox().lineEdit(), Qt::Key_Return);
    EXPECT_EQ(rows.recNo(), 20) << "downwards, stepping on first";
    QTest::keyClick(textBox().lineEdit(), Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(rows.recNo(), 12);
}

TEST_F(FindDialog, UpwardsOverAllColumnsTheLastColumnComesFirst) {
    startAt(10);
    open();
    choose("columnBox", QStringLiteral("<全部>"));
    choose("matchBox", QStringLiteral("整个字段"));
    choose("directionBox", QStringLiteral("向上"));
    type(QStringLiteral("name 10"));
    clickFind();
    EXPECT_EQ(rows.recNo(), 10) << "the current record's last column first";
    type(QStringLiteral("K7322"));
    clickFind();
    EXPECT_EQ(rows.recNo(), 4);
    MessageBoxCatcher boxes;
    clickFind();
    EXPECT_EQ(boxes.boxes().size(), 1u) << "nothing above";
    EXPECT_EQ(rows.recNo(), 4);
}

TEST_F(FindDialog, CaseCountsOnlyWithItsBox) {
    open();
    type(QStringLiteral("K705"));
    control<TDataCheckBox>("caseBox").setChecked(true);
    MessageBoxCatcher boxes;
    clickFind();
    EXPECT_EQ(boxes.boxes().size(), 1u);
    control<TDataCheckBox>("caseBox").setChecked(false);
    clickFind();
    EXPECT_EQ(rows.recNo(), 20);
}

TEST_F(FindDialog, OneDialogKeepsTheHistoryOfSearchedTexts) {
    TGridFindDialog& dialog = open();
    MessageBoxCatcher boxes;
    for (const char* text : {"K7", "K7", "name 2"}) {
        type(QString::fromUtf8(text));
        clickFind();
    }
    EXPECT_EQ(itemsOf(textBox()), (QStringList{"K7", "name 2"}));
    EXPECT_EQ(textBox().currentText(), QStringLiteral("name 2"));
    EXPECT_EQ(&open(), &dialog);
    EXPECT_EQ(textBox().currentText(), QString()) << "opening empties the text";
    EXPECT_EQ(itemsOf(textBox()), (QStringList{"K7", "name 2"}));
}

TEST_F(FindDialog, EscAndTheCloseButtonCloseIt) {
    TGridFindDialog& dialog = open();
    QTest::keyClick(textBox().lineEdit(), Qt::Key_Escape);
    EXPECT_FALSE(dialog.isVisible());
    open();
    QTest::mouseClick(&control<QPushButton>("closeButton"), Qt::LeftButton);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FindDialog, EnterOnAFocusedButtonClicksIt) {
    TGridFindDialog& dialog = open();
    choose("columnBox", QStringLiteral("名称"));
    type("name 2");
    control<QPushButton>("findButton").setFocus();
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    EXPECT_EQ(grid->DataSource()->dataSet()->recNo(), 2);
    control<QPushButton>("closeButton").setFocus();
    QTest::keyClick(dialog.windowHandle(), Qt::Key_Return);
    EXPECT_FALSE(dialog.isVisible());
}

TEST_F(FindDialog, AGridThatGoesAwayTakesNeitherTheDialogNorTheApplicationWithIt) {
    auto* detail = new QWidget;
    auto* stops = new grid::TDataGrid(detail);
    stops->Columns().Add().setFieldName(QStringLiteral("id"));
    stops->setDataSource(&source);
    detail->show();
    stops->setFocus();
    QTest::keyClick(stops, Qt::Key_F, Qt::ControlModifier);
    TGridFindDialog* dialog = TGridFindDialog::instance();
    ASSERT_TRUE(dialog && dialog->isVisible());
    EXPECT_EQ(dialog->parentWidget(), detail) << "above the grid's window";

    delete detail;
    ASSERT_EQ(TGridFindDialog::instance(), dialog);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->grid(), nullptr);
    MessageBoxCatcher boxes;
    dialog->find(Qt::NoModifier);
    EXPECT_EQ(boxes.boxes().size(), 1u) << "nothing to search";
    EXPECT_EQ(&open(), dialog);
    EXPECT_EQ(dialog->grid(), grid);
}

struct MatchCase {
    const char* name;
    QString cell;
    QString text;
    grid::FindMatch match;
    bool caseSensitive;
    bool matches;
};

class CellMatchTable : public ::testing::TestWithParam<MatchCase> {};

TEST_P(CellMatchTable, ComparesAsTheMatchItemSays) {
    const MatchCase& c = GetParam();
    grid::FindRequest request;
    request.text = c.text;
    request.match = c.match;
    request.caseSensitive = c.caseSensitive;
    EXPECT_EQ(grid::cellMatches(c.cell, request), c.matches);
}

using grid::FindMatch;

INSTANTIATE_TEST_SUITE_P(
    Cells, CellMatchTable,
    ::testing::Values(MatchCase{"anywhere", "XK7", "K7", FindMatch::Anywhere, false, true},
                      MatchCase{"anywhereMissing", "XK8", "K7", FindMatch::Anywhere, false, false},
                      MatchCase{"wholeField", "K7", "k7", FindMatch::WholeField, false, true},
                      MatchCase{"wholeFieldLonger", "K71", "K7", FindMatch::WholeField, false, false},
                      MatchCase{"fieldStart", "K71", "K7", FindMatch::FieldStart, false, true},
                      MatchCase{"fieldStartInside", "XK7", "K7", FindMatch::FieldStart, false, false},
                      MatchCase{"caseSensitiveDiffers", "k705", "K7", FindMatch::FieldStart, true, false},
                      MatchCase{"caseSensitiveSame", "K705", "K7", FindMatch::FieldStart, true, true},
                      MatchCase{"chineseText", "北京西", "北京", FindMatch::FieldStart, false, true},
                      MatchCase{"latinBeyondAscii", "ÄRA", "är", FindMatch::Anywhere, false, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessarin::testing
