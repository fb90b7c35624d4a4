#include "GridFixture.h"

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
    EXPECT_EQ(rows.recNo(), 3);
    QTest::mouseMove(grid, inGrid(cell(3, 0)));
    EXPECT_EQ(rows.recNo(), 4);
    QTest::mouseMove(grid, inGrid(cell(4, 1)));
    EXPECT_EQ(rows.recNo(), 5);
    EXPECT_TRUE(events.empty()) << "nothing fires before the release";
    QTest::mouseRelease(grid, Qt::LeftButton, {}, inGrid(cell(4, 1)));
    EXPECT_EQ(rows.recNo(), 5);
    EXPECT_EQ(events, (Events{"cell name"}));
    QTest::mouseMove(grid, inGrid(cell(1, 1)));
    EXPECT_EQ(rows.recNo(), 5) << "no drag after the release";
}

TEST_F(GridClicks, EveryLeftReleaseFiresTheDoubleClicksToo) {
    rows.openNumbered(10);
    const QPoint at = inGrid(cell(1, 0));
    QTest::mousePress(grid, Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, at);
    QTest::mouseDClick(grid, Qt::LeftButton, {}, at);
    QTest::mouseRelease(grid, Qt::LeftButton, {}, at);
    EXPECT_EQ(events, (Events{"cell id", "cell id"}));
    EXPECT_EQ(rows.recNo(), 2);
}

// Takes the focus back whenever it loses it, as a box that insists on valid
// input does.
class FocusKeeper : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void focusOutEvent(QFocusEvent* event) override {
        QWidget::focusOutEvent(event);
        setFocus();
    }
};

TEST_F(GridClicks, APressThatCannotTakeTheFocusIsIgnored) {
    rows.openNumbered(10);
    auto* keeper = new FocusKeeper(&window);
    keeper->setFocusPolicy(Qt::StrongFocus);
    keeper->show();
    keeper->setFocus();
    QTest::mousePress(grid, Qt::LeftButton, {}, inGrid(cell(3, 0)));
    EXPECT_TRUE(keeper->hasFocus());
    EXPECT_EQ(rows.recNo(), 1) << "the press moved nothing";
    QTest::mouseMove(grid, inGrid(cell(5, 0)));
    EXPECT_EQ(rows.recNo(), 1) << "and began no drag";
    QTest::mouseRelease(grid, Qt::LeftButton, {}, inGrid(cell(5, 0)));
}

TEST_F(GridClicks, APressTakesTheFocus) {
    rows.openNumbered(10);
    ASSERT_TRUE(other->hasFocus());
    click(title(0));
    EXPECT_TRUE(grid->hasFocus());
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

} // namespace
} // namespace tessarin::testing
