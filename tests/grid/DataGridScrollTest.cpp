#include "GridFixture.h"
#include "widgets/ScrollBarParts.h"

#include <QMouseEvent>
#include <QScrollBar>
#include <QStyle>

#include <memory>

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

// Where the style puts a part of a scroll bar, in the bar's coordinates.
QRect partOf(QScrollBar& bar, QStyle::SubControl part) { return widgets::scrollBarPart(bar, part); }

// Length of a scroll bar's thumb and of its groove, as the style draws them.
std::pair<int, int> thumbAndGroove(QScrollBar& bar) {
    return {partOf(bar, QStyle::SC_ScrollBarSlider).height(), partOf(bar, QStyle::SC_ScrollBarGroove).height()};
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

// A window laid over a scroll bar that hands the bar every press, move and
// release at the same screen point, as the skin's overlays do.
class BarOverlay : public QWidget {
public:
    explicit BarOverlay(QScrollBar& bar) : QWidget(bar.window()), bar_(bar) {
        setGeometry(QRect(bar.mapTo(bar.window(), QPoint(0, 0)), bar.size()));
        show();
        raise();
    }

protected:
    void mousePressEvent(QMouseEvent* event) override { handOn(*event); }
    void mouseMoveEvent(QMouseEvent* event) override { handOn(*event); }
    void mouseReleaseEvent(QMouseEvent* event) override { handOn(*event); }

private:
    void handOn(const QMouseEvent& event) {
        QMouseEvent copy(event.type(), bar_.mapFromGlobal(event.globalPosition()), event.globalPosition(),
                         event.button(), event.buttons(), event.modifiers());
        QApplication::sendEvent(&bar_, &copy);
    }
    QScrollBar& bar_;
};

// The scroll bars used directly, or through an overlay: the same behaviour.
class GridScrollBars : public GridScroll, public ::testing::WithParamInterface<bool> {
protected:
    void SetUp() override {
        GridScroll::SetUp();
        grid::TGridVertScrollBar vertical;
        vertical.Tracking = true;
        grid->setVertScrollBar(vertical);
    }
    // Opens the records with `record` current on the fourth row.
    void startAt(int count, int record) {
        rows.openNumbered(count);
        rows.moveBy(record - 1);
        grid->scrollCurrentToRow(3);
        if (GetParam())
            overlay = std::make_unique<BarOverlay>(bar());
    }
    QScrollBar& bar() const { return *grid->verticalScrollBar(); }
    // Where the pointer goes to reach a point of the bar.
    QWidget* target() const { return overlay ? static_cast<QWidget*>(overlay.get()) : &bar(); }
    QPoint centreOf(QStyle::SubControl part) const { return partOf(bar(), part).center(); }
    void clickOn(QStyle::SubControl part) { QTest::mouseClick(target(), Qt::LeftButton, {}, centreOf(part)); }
    int top() const { return grid->recordWindow().topRecord(); }
    int capacity() const { return grid->Layout().capacity(); }

    std::unique_ptr<BarOverlay> overlay;
};

TEST_P(GridScrollBars, ArrowsMoveJustPastTheRowsInSightAndTakeTheFocus) {
    startAt(30, 15);
    const int firstTop = top();
    clickOn(QStyle::SC_ScrollBarAddLine);
    EXPECT_TRUE(grid->hasFocus());
    EXPECT_EQ(rows.recNo(), firstTop + capacity()) << "the record below the bottom row";
    EXPECT_EQ(top(), firstTop + 1) << "the rows scrolled by one";
    clickOn(QStyle::SC_ScrollBarSubLine);
    clickOn(QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(rows.recNo(), firstTop - 1) << "the record above the top row";
    EXPECT_EQ(top(), firstTop - 1);
    EXPECT_EQ(bar().value(), rows.recNo());
}

TEST_P(GridScrollBars, TheTrackMovesByThePage) {
    startAt(30, 15);
    clickOn(QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(rows.recNo(), 15 + capacity());
    clickOn(QStyle::SC_ScrollBarSubPage);
    clickOn(QStyle::SC_ScrollBarSubPage);
    EXPECT_EQ(rows.recNo(), 15 - capacity());
    EXPECT_EQ(bar().value(), rows.recNo());
}

TEST_P(GridScrollBars, DraggingTheThumbOver1000RecordsMovesTheRowsLive) {
    startAt(1000, 1);
    QPoint at = centreOf(QStyle::SC_ScrollBarSlider);
    QTest::mousePress(target(), Qt::LeftButton, {}, at);
    EXPECT_TRUE(grid->hasFocus());
    int lastTop = top();
    for (int step = 0; step < 12; ++step) {
        at += QPoint(0, 6);
        QTest::mouseMove(target(), at);
        EXPECT_EQ(rows.recNo(), bar().sliderPosition()) << "the record whose number is the thumb position";
        EXPECT_GT(top(), lastTop) << "the rows follow during the drag, step " << step;
        lastTop = top();
    }
    const int dragged = rows.recNo();
    QTest::mouseRelease(target(), Qt::LeftButton, {}, at);
    EXPECT_EQ(rows.recNo(), dragged) << "the release moves nothing more";
    EXPECT_EQ(bar().value(), dragged);
}

INSTANTIATE_TEST_SUITE_P(Bars, GridScrollBars, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "throughAnOverlay" : "direct"; });

TEST_F(GridScroll, WithoutTrackingTheThumbMovesAtTheRelease) {
    rows.openNumbered(1000);
    QScrollBar& bar = *grid->verticalScrollBar();
    const QPoint from = partOf(bar, QStyle::SC_ScrollBarSlider).center();
    QTest::mousePress(&bar, Qt::LeftButton, {}, from);
    QTest::mouseMove(&bar, from + QPoint(0, 40));
    EXPECT_EQ(rows.recNo(), 1) << "the rows wait";
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, from + QPoint(0, 40));
    EXPECT_GT(rows.recNo(), 1);
    EXPECT_EQ(rows.recNo(), bar.value());
}

TEST_F(GridScroll, TopAndBottomGoToTheFirstAndLastRecord) {
    rows.openNumbered(50);
    rows.moveBy(20);
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    EXPECT_EQ(rows.recNo(), 50);
    grid->verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(rows.recNo(), 1);
}

TEST_F(GridScroll, DraggingTheHorizontalThumbScrollsTheColumnsLive) {
    for (int i = 0; i < 6; ++i)
        addColumn("name", 70);
    grid::TGridScrollBar horizontal;
    horizontal.Tracking = true;
    grid->setHorzScrollBar(horizontal);
    rows.openNumbered(5);
    QScrollBar& bar = *grid->horizontalScrollBar();
    ASSERT_TRUE(bar.isVisible());
    const QRect thumb = partOf(bar, QStyle::SC_ScrollBarSlider);
    const QRect groove = partOf(bar, QStyle::SC_ScrollBarGroove);
    QTest::mousePress(&bar, Qt::LeftButton, {}, thumb.center());
    QTest::mouseMove(&bar, thumb.center() + QPoint(groove.width() / 2, 0));
    EXPECT_GT(grid->LeftCol(), 0) << "before the release";
    EXPECT_EQ(grid->LeftCol(), bar.sliderPosition());
    EXPECT_TRUE(grid->hasFocus());
    QTest::mouseRelease(&bar, Qt::LeftButton, {}, thumb.center() + QPoint(groove.width() / 2, 0));
    EXPECT_EQ(rows.recNo(), 1);
}

} // namespace
} // namespace tessarin::testing
