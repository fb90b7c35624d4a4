#include "GridFixture.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace tessarin::testing {
namespace {

class GridWheel : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        addColumn("id", 60);
    }
};

void turnWheel(QWidget* over, int delta, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    const QPointF at(over->width() / 2.0, over->height() / 2.0);
    QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, modifiers,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &wheel);
}

// An owner's filter on the grid sees the wheel, over the cells or the bars.
class WheelCounter : public QObject {
public:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Wheel)
            return false;
        deltas.push_back(static_cast<QWheelEvent*>(event)->angleDelta().y());
        return true;
    }
    std::vector<int> deltas;
};

TEST_F(GridWheel, TheOwnerCanInterceptTheWheelOverTheScrollBars) {
    rows.openNumbered(40);
    WheelCounter owner;
    grid->installEventFilter(&owner);
    turnWheel(grid, -120);
    turnWheel(grid->verticalScrollBar(), -360);
    EXPECT_EQ(owner.deltas, (std::vector<int>{-120, -360}));
    EXPECT_EQ(grid->verticalScrollBar()->value(), 1) << "the bar did not scroll by itself";
    EXPECT_EQ(rows.recNo(), 1) << "nor did the grid";
}

struct WheelCase {
    const char* name;
    std::vector<int> deltas;
    // The current record after each delta, from record 20.
    std::vector<int> records;
    Qt::KeyboardModifiers modifiers = Qt::NoModifier;
};

class GridWheelTable : public GridWheel, public ::testing::WithParamInterface<WheelCase> {};

TEST_P(GridWheelTable, EveryFull120UnitsMoveOneRecord) {
    rows.openNumbered(40);
    rows.moveBy(19);
    const WheelCase& c = GetParam();
    std::vector<int> records;
    for (const int delta : c.deltas) {
        turnWheel(grid, delta, c.modifiers);
        records.push_back(rows.recNo());
    }
    EXPECT_EQ(records, c.records);
}

INSTANTIATE_TEST_SUITE_P(
    Deltas, GridWheelTable,
    ::testing::Values(WheelCase{"towardsTheUserForward", {-120, -120}, {21, 22}},
                      WheelCase{"awayBack", {120}, {19}},
                      WheelCase{"threeNotchesAtOnce", {-360}, {23}},
                      WheelCase{"halvesAddUp", {-60, -60, -60}, {20, 21, 21}},
                      WheelCase{"theRestKeepsItsDirection", {-250, -110, 100}, {22, 23, 23}},
                      WheelCase{"oppositeTurnsCancel", {-100, 100, -100}, {20, 20, 20}},
                      WheelCase{"shiftChangesNothing", {-120}, {21}, Qt::ShiftModifier},
                      WheelCase{"ctrlChangesNothing", {120}, {19}, Qt::ControlModifier},
                      WheelCase{"stopsAtTheFirst", {1200, 1200}, {10, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(GridWheel, AClosedDataSetIgnoresTheWheel) {
    turnWheel(grid, -120);
    rows.openNumbered(5);
    EXPECT_EQ(rows.recNo(), 1);
}

} // namespace
} // namespace tessarin::testing
