#include "GridFixture.h"

#include <QScrollBar>
#include <QWheelEvent>

namespace tessarin::testing {
namespace {

class GridClicks : public GridFixture {
protected:
    void SetUp() override {
        GridFixture::SetUp();
        addColumn("id", 60);
        addColumn("name", 80);
        QObject::connect(grid, &grid::TDataGrid::OnTitleClick,
                         [this](grid::TGridColumn* c) { events.push_back("title " + c->FieldName().toStdString()); });
        QObject::connect(grid, &grid::TDataGrid::OnCellClick,
                         [this](grid::TGridColumn* c) { events.push_back("cell " + c->FieldName().toStdString()); });
    }
    QPoint cell(int row, int column) const { return grid->Layout().dataCell(row, column).center(); }
    QPoint title(int column) const { return grid->Layout().titleCell(column).center(); }

    std::vector<std::string> events;
};

using Events = std::vector<std::string>;

TEST_F(GridClicks, PressOnARowMakesItsRecordCurrentAndTheReleaseFiresACellClick) {
    rows.openNumbered(10);
    click(cell(3, 1));
    EXPECT_EQ(rows.recNo(), 4);
    EXPECT_EQ(events, (Events{"cell name"}));
    click(cell(1, 0));
    EXPECT_EQ(rows.recNo(), 2);
    EXPECT_EQ(grid->CurrentColumnField()->FieldName(), "id") << "the current column stays the first";
}

TEST_F(GridClicks, OnlyTheReleasePlaceCounts) {
    rows.openNumbered(10);
    QTest::mousePress(grid, Qt::LeftButton, {}, inGrid(cell(4, 0)));
    QTest::mouseRelease(grid, Qt::LeftButton, {}, inGrid(title(1)));
    EXPECT_EQ(events, (Events{"title name"}));
    EXPECT_EQ(rows.recNo(), 5) << "the press moved, the title release did not";

    const grid::GridLayout& l = grid->Layout();
    click(QPoint(l.columnsRight() + 5, 30)); // right of the last column
    click(QPoint(30, l.rowsBottom() + 200)); // below the last row
    EXPECT_EQ(events.size(), 1u);
}

TEST_F(GridClicks, DraggingCarriesTheCurrentRecordAndFiresOnceAtTheRelease) {
    rows.openNumbered(10);
    QTest::mousePress(grid, Qt::LeftButton, {}, inGrid(cell(2, 0)));
    QTest::mouseMove(grid, inGrid(cell(3, 0)));
    EXPECT_EQ(rows.recNo(), 4);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, inGrid(cell(4, 1)));
    EXPECT_EQ(events, (Events{"cell name"}));
}

TEST_F(GridClicks, RightButtonMovesButFiresNothing) {
    rows.openNumbered(10);
    click(cell(2, 0), Qt::RightButton);
    EXPECT_EQ(rows.recNo(), 3);
    EXPECT_TRUE(events.empty());
}

TEST_F(GridClicks, ClicksFireOnTheEmptyLookToo) {
    click(cell(0, 1));
    click(title(0));
    EXPECT_EQ(events, (Events{"cell name", "title id"}));
    EXPECT_FALSE(grid->CurrentColumnField().has_value());
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

void turnWheel(QWidget* over, int delta) {
    const QPointF at(over->width() / 2.0, over->height() / 2.0);
    QWheelEvent wheel(at, over->mapToGlobal(at), QPoint(), QPoint(0, delta), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(over, &wheel);
}

TEST_F(GridClicks, TheOwnerCanInterceptTheWheelOverTheScrollBars) {
    rows.openNumbered(40);
    WheelCounter owner;
    grid->installEventFilter(&owner);
    turnWheel(grid, -120);
    turnWheel(grid->verticalScrollBar(), -360);
    EXPECT_EQ(owner.deltas, (std::vector<int>{-120, -360}));
    EXPECT_EQ(grid->verticalScrollBar()->value(), 1) << "the bar did not scroll by itself";
}

} // namespace
} // namespace tessarin::testing
