#include "grid/RecordWindow.h"

#include <gtest/gtest.h>

namespace tessarin::grid {
namespace {

// 20 records, 5 rows in sight.
RecordWindow opened(int current = 1) {
    RecordWindow window;
    window.reset(current, 20, 5);
    return window;
}

TEST(RecordWindow, OpensWithTheCurrentRecordOnTop) {
    const RecordWindow window = opened();
    EXPECT_EQ(window.topRecord(), 1);
    EXPECT_EQ(window.rowCount(), 5);
    EXPECT_EQ(window.rowOf(1), 0);
}

TEST(RecordWindow, MovesWithinSightKeepTheWindowAndLeavingItScrollsJustEnough) {
    RecordWindow window = opened();
    window.follow(4, 20);
    EXPECT_EQ(window.topRecord(), 1);
    window.follow(7, 20); // two below the bottom row
    EXPECT_EQ(window.topRecord(), 3);
    EXPECT_EQ(window.rowOf(7), 4);
    window.follow(2, 20);
    EXPECT_EQ(window.topRecord(), 2);
    window.follow(20, 20);
    EXPECT_EQ(window.topRecord(), 16) << "the last record on the bottom row";
}

TEST(RecordWindow, ResyncKeepsTheCurrentRowWhereTheRecordsAllowIt) {
    RecordWindow window = opened();
    window.follow(8, 20);            // rows show 4 … 8, current on the bottom row
    window.follow(6, 20);            // current on row 2
    window.resync(6, 19, 5);         // a record before it was deleted
    EXPECT_EQ(window.rowOf(6), 2);
    window.resync(1, 19, 5);         // sorted: back to the first record
    EXPECT_EQ(window.topRecord(), 1);
    EXPECT_EQ(window.rowOf(1), 0);
}

TEST(RecordWindow, GrowingNearTheEndFillsFromAbove) {
    RecordWindow window = opened();
    window.follow(20, 20); // rows show 16 … 20
    window.resync(20, 20, 8);
    EXPECT_EQ(window.rowCount(), 8);
    EXPECT_EQ(window.topRecord(), 13);
    EXPECT_EQ(window.rowOf(20), 7);
}

TEST(RecordWindow, ShowOnRowPutsTheCurrentRecordThereAsFarAsTheRecordsAllow) {
    RecordWindow window = opened();
    window.showOnRow(10, 3, 20);
    EXPECT_EQ(window.topRecord(), 7);
    window.showOnRow(2, 3, 20);
    EXPECT_EQ(window.topRecord(), 1) << "nothing before the first record";
    window.showOnRow(19, 0, 20);
    EXPECT_EQ(window.topRecord(), 16) << "every row stays filled";
    window.showOnRow(10, 9, 20);
    EXPECT_EQ(window.rowOf(10), 4) << "no row beyond the window";
}

TEST(RecordWindow, FewerRecordsThanRowsGiveFewerRows) {
    RecordWindow window;
    window.reset(1, 3, 10);
    EXPECT_EQ(window.rowCount(), 3);
    window.follow(3, 3);
    EXPECT_EQ(window.topRecord(), 1);
    window.clear();
    EXPECT_EQ(window.rowCount(), 0);
    EXPECT_EQ(window.topRecord(), 0);
}

} // namespace
} // namespace tessarin::grid
