#include "GridFixture.h"

#include <QScrollBar>
#include <QStyle>
#include <QStyleOptionSlider>

namespace tessarin::testing {
namespace {

class GridScroll : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        addColumn("id", 60);
        addColumn("name", 80);
    }
    int rowsInSight() const { return grid->Layout().rowCount(); }
};

// Length of a scroll bar's thumb and of its groove, as the style draws them.
std::pair<int, int> thumbAndGroove(QScrollBar& bar) {
    QStyleOptionSlider option;
    option.initFrom(&bar);
    option.orientation = bar.orientation();
    option.minimum = bar.minimum();
    option.maximum = bar.maximum();
    option.sliderPosition = bar.sliderPosition();
    option.sliderValue = bar.value();
    option.singleStep = bar.singleStep();
    option.pageStep = bar.pageStep();
    const QRect thumb = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, &bar);
    const QRect groove = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, &bar);
    return {thumb.height(), groove.height()};
}

TEST_F(GridScroll, MoreRecordsThanFitShowOnlyWhatFitsWithAThumbForTheirShare) {
    rows.openNumbered(30);
    const int capacity = grid->Layout().capacity();
    ASSERT_LT(capacity, 30);
    EXPECT_EQ(rowsInSight(), capacity);
    EXPECT_EQ(capacity, (grid->clientRect().height() - grid->Layout().titleHeight() - 1) /
                            (grid->Layout().rowHeight() + 1));

    QScrollBar& bar = *grid->verticalScrollBar();
    ASSERT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.minimum(), 1);
    EXPECT_EQ(bar.maximum(), 30);
    EXPECT_EQ(bar.pageStep(), capacity);
    EXPECT_EQ(bar.value(), 1);
    // Positions 1 … 30 with a page of `capacity`: the whole range spans
    // 30 + capacity − 1, of which the thumb is the page.
    const auto [thumb, groove] = thumbAndGroove(bar);
    EXPECT_NEAR(thumb, groove * capacity / (30 + capacity - 1), 1);
}

TEST_F(GridScroll, FollowsMovesOfTheDataSet) {
    rows.openNumbered(30);
    rows.moveBy(14);
    EXPECT_EQ(grid->verticalScrollBar()->value(), 15);
    EXPECT_EQ(grid->currentRow(), rowsInSight() - 1) << "scrolled just far enough";
    rows.last();
    EXPECT_EQ(grid->recordWindow().topRecord(), 30 - rowsInSight() + 1);
    rows.setSort("id DESC");
    EXPECT_EQ(grid->recordWindow().topRecord(), 1);
    EXPECT_EQ(grid->currentRow(), 0);
}

TEST_F(GridScroll, NoBarWhileEveryRecordFitsUnlessAlwaysShown) {
    rows.openNumbered(3);
    EXPECT_EQ(rowsInSight(), 3);
    EXPECT_FALSE(grid->verticalScrollBar()->isVisible());
    grid::TGridVertScrollBar always;
    always.VisibleMode = grid::TScrollBarVisibleMode::sbAlwaysShow;
    grid->setVertScrollBar(always);
    EXPECT_TRUE(grid->verticalScrollBar()->isVisible());
    EXPECT_FALSE(grid->verticalScrollBar()->isEnabled());
}

TEST_F(GridScroll, ResizingChangesTheRowsInSight) {
    rows.openNumbered(30);
    rows.moveBy(5);
    const int before = rowsInSight();
    grid->resize(grid->width(), grid->height() + 5 * (grid->Layout().rowHeight() + 1));
    EXPECT_EQ(rowsInSight(), before + 5);
    EXPECT_EQ(grid->verticalScrollBar()->pageStep(), before + 5);
    EXPECT_EQ(grid->currentRow(), 5) << "the current row stays in place";
}

TEST_F(GridScroll, ColumnsScrollWholeWhenTheyDoNotFit) {
    for (int i = 0; i < 4; ++i)
        addColumn("name", 70); // 60 + 80 + 4 × 70 + lines: wider than the grid
    QScrollBar& bar = *grid->horizontalScrollBar();
    ASSERT_TRUE(bar.isVisible());
    EXPECT_EQ(bar.minimum(), 0);
    EXPECT_EQ(bar.maximum(), grid->Layout().maxLeftColumn());
    bar.setValue(2);
    EXPECT_EQ(grid->LeftCol(), 2);
    EXPECT_EQ(grid->Layout().titleCell(2).left(), 0);
    grid->Columns()[5].setVisible(false);
    grid->Columns()[4].setVisible(false);
    EXPECT_FALSE(bar.isVisible()) << "the rest fit";
    EXPECT_EQ(grid->LeftCol(), 0);
}

} // namespace
} // namespace tessarin::testing
