#include "GridFixture.h"

#include <QTimer>

namespace tessarin::testing {
namespace {

// A left press on a data row, then the pointer dragged outside the rows.
class GridDrag : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        addColumn("id", 60);
        addColumn("name", 80);
        QObject::connect(grid, &grid::TDataGrid::OnCellClick, [this](grid::TGridColumn*) { ++clicks; });
        rows.openNumbered(100);
        QTest::mousePress(grid, Qt::LeftButton, {}, inGrid(layout().dataCell(1, 0)));
        ASSERT_EQ(rows.recNo(), 2);
    }
    const grid::GridLayout& layout() const { return grid->Layout(); }
    // The pointer d pixels below the bottom edge under the rows.
    QPoint below(int d) const { return inGrid(QPoint(30, layout().rowsBottom() + d)); }
    void dragTo(QPoint at) { QTest::mouseMove(grid, at); }
    const QTimer& timer() const { return grid->rowDrag().autoScrollTimer(); }

    int clicks = 0;
};

TEST_F(GridDrag, BelowTheRowsTheRecordsMoveFasterTheFartherThePointerIs) {
    struct Step {
        int d;
        int records;
        int delay;
    };
    const Step steps[] = {{3, 0, 155}, {6, 1, 110}, {12, 2, 20}, {30, 5, 0}, {100, 8, 0}};
    for (const Step& step : steps) {
        const int before = rows.recNo();
        dragTo(below(step.d));
        EXPECT_EQ(rows.recNo() - before, step.records) << step.d << " pixels below";
        EXPECT_TRUE(timer().isActive());
        EXPECT_EQ(timer().interval(), step.delay) << step.d << " pixels below";
    }
    EXPECT_EQ(grid->currentRow(), layout().rowCount() - 1) << "the rows scrolled along";
}

TEST_F(GridDrag, TheTimerKeepsMovingUntilThePointerIsBackInside) {
    dragTo(below(12));
    const int afterMove = rows.recNo();
    // Waits for the timer's ticks, however late a busy machine runs them.
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows.recNo() >= afterMove + 4; }, 60000)) << "ticks go on, 2 at a time";
    EXPECT_EQ((rows.recNo() - afterMove) % 2, 0);

    const QPoint inside = inGrid(layout().dataCell(3, 1));
    dragTo(inside);
    EXPECT_FALSE(timer().isActive());
    EXPECT_EQ(rows.recNo(), grid->recordWindow().recordAt(3)) << "the record under the pointer";
    const int settled = rows.recNo();
    QCoreApplication::processEvents();  // a tick already due would run here
    EXPECT_EQ(rows.recNo(), settled);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, inside);
    EXPECT_EQ(clicks, 1);
}

TEST_F(GridDrag, AboveTheRowsTheRecordsMoveBack) {
    rows.moveBy(40);
    const int before = rows.recNo();
    dragTo(inGrid(QPoint(30, layout().dataTop() - 18)));
    EXPECT_EQ(rows.recNo(), before - 3);
}

TEST_F(GridDrag, TheReleaseStopsTheTimerAndBelowTheRowsFiresNothing) {
    dragTo(below(100));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, below(100));
    EXPECT_FALSE(timer().isActive());
    const int released = rows.recNo();
    QCoreApplication::processEvents();  // a tick already due would run here
    EXPECT_EQ(rows.recNo(), released);
    EXPECT_EQ(clicks, 0);
}

TEST_F(GridDrag, BesideTheColumnsTheyScrollByOneColumn) {
    for (int i = 0; i < 4; ++i)
        addColumn("name", 70);
    ASSERT_FALSE(layout().columnsFit());
    const int before = rows.recNo();
    const QPoint right = inGrid(QPoint(grid->clientRect().width() + 2, layout().rowTop(1) + 3));
    dragTo(right);
    EXPECT_EQ(grid->LeftCol(), 1);
    dragTo(right);
    EXPECT_EQ(grid->LeftCol(), 2);
    EXPECT_EQ(rows.recNo(), before) << "beside the rows, not above or below them";
    dragTo(inGrid(QPoint(-3, layout().rowTop(1) + 3)));
    EXPECT_EQ(grid->LeftCol(), 1);
}

} // namespace
} // namespace tessarin::testing
