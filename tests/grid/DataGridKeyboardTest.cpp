#include "GridFixture.h"
#include "grid/TGridFindDialog.h"
#include "support/MessageBoxCatcher.h"

#include <QKeyEvent>
#include <QKeySequence>

#include <functional>

namespace tessarin::testing {
namespace {

// Forty records, columns wider than the grid, the grid focused.
class GridKeys : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        addColumn("id", 60);
        addColumn("name", 80);
        for (int i = 0; i < 4; ++i)
            addColumn("name", 70);
        grid->setFocus();
    }
    // The record `record` current on the fourth row (as far as the records
    // allow).
    void startAt(int record) {
        rows.openNumbered(40);
        rows.moveBy(record - 1);
        grid->scrollCurrentToRow(3);
    }
};

// Where the rows stand before the key.
struct Sight {
    int top;      // record in the top row
    int capacity; // rows in sight
};

struct KeyCase {
    const char* name;
    int key;
    Qt::KeyboardModifiers modifiers;
    int start;
    std::function<int(Sight)> record; // the current record after the key
    int leftCol = 0;
};

int stays(Sight) { return 15; }

class GridKeyTable : public GridKeys, public ::testing::WithParamInterface<KeyCase> {};

TEST_P(GridKeyTable, MovesAsTheKeyTableSays) {
    const KeyCase& c = GetParam();
    startAt(c.start);
    const Sight sight{grid->recordWindow().topRecord(), grid->Layout().capacity()};
    ASSERT_LT(sight.capacity, 20);
    QTest::keyClick(grid, static_cast<Qt::Key>(c.key), c.modifiers);
    EXPECT_EQ(rows.recNo(), c.record(sight));
    EXPECT_EQ(grid->LeftCol(), c.leftCol);
    EXPECT_TRUE(grid->hasFocus());
}

const Qt::KeyboardModifiers none = Qt::NoModifier;
const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
const Qt::KeyboardModifiers shift = Qt::ShiftModifier;

INSTANTIATE_TEST_SUITE_P(
    Keys, GridKeyTable,
    ::testing::Values(
        KeyCase{"up", Qt::Key_Up, none, 15, [](Sight) { return 14; }},
        KeyCase{"shiftUp", Qt::Key_Up, shift, 15, [](Sight) { return 14; }},
        KeyCase{"upAtTheFirst", Qt::Key_Up, none, 1, [](Sight) { return 1; }},
        KeyCase{"down", Qt::Key_Down, none, 15, [](Sight) { return 16; }},
        KeyCase{"shiftDown", Qt::Key_Down, shift, 15, [](Sight) { return 16; }},
        KeyCase{"downAtTheLastAppendsNothing", Qt::Key_Down, none, 40, [](Sight) { return 40; }},
        KeyCase{"pageUp", Qt::Key_PageUp, none, 15, [](Sight s) { return 15 - s.capacity; }},
        KeyCase{"pageDown", Qt::Key_PageDown, none, 15, [](Sight s) { return 15 + s.capacity; }},
        KeyCase{"pageDownNearTheEnd", Qt::Key_PageDown, none, 38, [](Sight) { return 40; }},
        KeyCase{"home", Qt::Key_Home, none, 15, [](Sight) { return 1; }},
        KeyCase{"end", Qt::Key_End, none, 15, [](Sight) { return 40; }},
        KeyCase{"ctrlHome", Qt::Key_Home, ctrl, 15, [](Sight) { return 1; }},
        KeyCase{"ctrlEnd", Qt::Key_End, ctrl, 15, [](Sight) { return 40; }},
        KeyCase{"ctrlUpTopRow", Qt::Key_Up, ctrl, 15, [](Sight s) { return s.top; }},
        KeyCase{"ctrlPageUpTopRow", Qt::Key_PageUp, ctrl, 15, [](Sight s) { return s.top; }},
        KeyCase{"ctrlDownBottomRow", Qt::Key_Down, ctrl, 15, [](Sight s) { return s.top + s.capacity - 1; }},
        KeyCase{"ctrlPageDownBottomRow", Qt::Key_PageDown, ctrl, 15,
                [](Sight s) { return s.top + s.capacity - 1; }},
        KeyCase{"rightScrollsAColumn", Qt::Key_Right, none, 15, stays, 1},
        KeyCase{"leftAtTheFirstColumn", Qt::Key_Left, none, 15, stays, 0},
        KeyCase{"insertAppendsNothing", Qt::Key_Insert, none, 15, stays},
        KeyCase{"f2EditsNothing", Qt::Key_F2, none, 15, stays},
        KeyCase{"aLetterEditsNothing", Qt::Key_A, none, 15, stays},
        KeyCase{"deleteWithoutCtrl", Qt::Key_Delete, none, 15, stays},
        KeyCase{"enter", Qt::Key_Return, none, 15, stays},
        KeyCase{"escape", Qt::Key_Escape, none, 15, stays}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridKeys, LeftScrollsBackAfterRight) {
    startAt(15);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Right);
    QTest::keyClick(grid, Qt::Key_Left);
    EXPECT_EQ(grid->LeftCol(), 1);
    EXPECT_EQ(rows.recNo(), 15);
}

TEST_F(GridKeys, TabLeavesTheGridWithoutMovingTheRecord) {
    startAt(15);
    QTest::keyClick(grid, Qt::Key_Tab);
    EXPECT_TRUE(other->hasFocus());
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_FALSE(grid->hasFocus());
    EXPECT_EQ(rows.recNo(), 15);
}

TEST_F(GridKeys, KeysTheGridDoesNotTakeGoOnToItsWindow) {
    startAt(15);
    // Enter and Esc reach the window's default and cancel handling.
    const std::pair<int, bool> keys[] = {{Qt::Key_Return, false}, {Qt::Key_Escape, false}, {Qt::Key_Insert, false},
                                         {Qt::Key_F2, false},     {Qt::Key_A, false},      {Qt::Key_Down, true},
                                         {Qt::Key_Left, true}};
    for (const auto& [key, taken] : keys) {
        QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
        QApplication::sendEvent(grid, &press);
        EXPECT_EQ(press.isAccepted(), taken) << QKeySequence(key).toString().toStdString();
    }
}

TEST_F(GridKeys, WithTheDataSetClosedNoKeyDoesAnything) {
    MessageBoxCatcher boxes;
    const std::pair<int, Qt::KeyboardModifiers> keys[] = {
        {Qt::Key_Down, none},   {Qt::Key_PageDown, none}, {Qt::Key_End, ctrl}, {Qt::Key_Down, ctrl},
        {Qt::Key_Right, none},  {Qt::Key_Delete, ctrl},   {Qt::Key_F, ctrl}};
    for (const auto& [key, modifiers] : keys)
        QTest::keyClick(grid, static_cast<Qt::Key>(key), modifiers);
    EXPECT_TRUE(boxes.boxes().empty());
    EXPECT_EQ(grid->LeftCol(), 0);
    const auto* dialog = grid::TGridFindDialog::instance();
    EXPECT_TRUE(!dialog || !dialog->isVisible()) << "no find dialog";
}

} // namespace
} // namespace tessarin::testing
