#include "grid/GridLayout.h"

#include <gtest/gtest.h>

namespace tessarin::grid {
namespace {

// Title cells 17 high, data cells 16 high, three columns 60, 40 and 50 wide,
// a client area 120 × 100.
GridLayout layout() {
    GridLayout l;
    l.setTitleHeight(17);
    l.setRowHeight(16);
    l.setColumnWidths({60, 40, 50});
    l.setClientSize(QSize(120, 100));
    l.setRowCount(3);
    return l;
}

TEST(GridLayout, BufferSizeIsTheRowsThatFitBelowTheTitleLine) {
    GridLayout l = layout();
    EXPECT_EQ(l.capacity(), (100 - 17 - 1) / 17);
    l.setClientSize(QSize(120, 20));
    EXPECT_EQ(l.capacity(), 1) << "at least one row";
}

TEST(GridLayout, CellsAreFollowedByOnePixelLines) {
    const GridLayout l = layout();
    EXPECT_EQ(l.titleCell(0), QRect(0, 0, 60, 17));
    EXPECT_EQ(l.titleCell(1), QRect(61, 0, 40, 17));
    EXPECT_EQ(l.dataCell(0, 0), QRect(0, 18, 60, 16));
    EXPECT_EQ(l.dataCell(2, 1), QRect(61, 18 + 2 * 17, 40, 16));
    EXPECT_EQ(l.rowsBottom(), 18 + 3 * 17);
    EXPECT_EQ(l.dataRow(1), QRect(0, 35, 152, 16)) << "from the first column to the last one in sight";
}

TEST(GridLayout, DataAreaSpansTheRowsAndTheColumnsInSight) {
    GridLayout l = layout();
    EXPECT_EQ(l.dataArea(), QRect(0, 18, 120, 3 * 17)) << "the columns reach past the client";
    l.setColumnWidths({60, 40});
    EXPECT_EQ(l.dataArea(), QRect(0, 18, 102, 3 * 17)) << "up to the last column's line";
}

struct HitCase {
    QPoint at;
    GridHit expected;
};

class GridHitTable : public ::testing::TestWithParam<HitCase> {};

TEST_P(GridHitTable, MapsPointsToCells) { EXPECT_EQ(layout().hitTest(GetParam().at), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    Points, GridHitTable,
    ::testing::Values(HitCase{{5, 5}, {GridHit::Title, -1, 0}},
                      HitCase{{60, 17}, {GridHit::Title, -1, 0}}, // the lines belong to the cell before them
                      HitCase{{61, 18}, {GridHit::Data, 0, 1}},
                      HitCase{{110, 60}, {GridHit::Data, 2, 2}},
                      HitCase{{5, 18 + 3 * 17}, {}},  // below the last row
                      HitCase{{119, 5}, {GridHit::Title, -1, 2}},
                      HitCase{{-1, 5}, {}}));

TEST(GridLayout, NothingRightOfTheLastColumn) {
    GridLayout l = layout();
    l.setClientSize(QSize(300, 100));
    EXPECT_EQ(l.hitTest({153, 20}), GridHit{});
    EXPECT_EQ(l.hitTest({152, 20}).column, 2);
}

TEST(GridLayout, ScrollsByWholeColumns) {
    GridLayout l = layout();
    EXPECT_FALSE(l.columnsFit());
    EXPECT_EQ(l.maxLeftColumn(), 1) << "columns 1 and 2 fit 120 pixels";
    l.setLeftColumn(1);
    EXPECT_EQ(l.titleCell(1).left(), 0);
    EXPECT_EQ(l.titleCell(2).left(), 41);
    EXPECT_LT(l.titleCell(0).left(), 0);
    EXPECT_EQ(l.hitTest({5, 5}).column, 1);
    EXPECT_EQ(l.columnsFullyInSight(), 2);
    l.setClientSize(QSize(153, 100));
    EXPECT_TRUE(l.columnsFit());
    EXPECT_EQ(l.maxLeftColumn(), 0);
}

} // namespace
} // namespace tessarin::grid
