#include "GridFixture.h"

#include <QFontMetrics>

namespace tessarin::testing {
namespace {

using GridColumns = GridFixture;

TEST_F(GridColumns, BindByNameWithoutRegardToCaseAndTakeTheFieldsCase) {
    grid::TGridColumn& column = addColumn("ID", 60);
    rows.openNumbered(2);
    ASSERT_TRUE(column.Field().has_value());
    EXPECT_EQ(column.Field()->Index(), 0);
    EXPECT_EQ(column.FieldName(), "id");
    EXPECT_EQ(column.Title().Caption(), "id") << "the caption follows the field's name until set";
    column.Title().setCaption("车次");
    EXPECT_EQ(column.Title().Caption(), "车次");

    rows.close();
    EXPECT_FALSE(column.Field().has_value()) << "no binding while closed";
}

TEST_F(GridColumns, CurrentColumnFieldIsTheFirstColumnsFieldWhileOpen) {
    addColumn("name", 60);
    addColumn("id", 60);
    EXPECT_FALSE(grid->CurrentColumnField().has_value());
    rows.openNumbered(3);
    rows.moveBy(2);
    ASSERT_TRUE(grid->CurrentColumnField().has_value());
    EXPECT_EQ(grid->CurrentColumnField()->FieldName(), "name");
    EXPECT_EQ(grid->CurrentColumnField()->AsString(), "name 3");
    rows.close();
    EXPECT_FALSE(grid->CurrentColumnField().has_value());
}

TEST_F(GridColumns, UnassignedLooksFollowTheGridLiveAndAssignedOnesStay) {
    grid::TGridColumn& follows = addColumn("id", 60);
    grid::TGridColumn& own = addColumn("name", 60);
    const widgets::TFont cellFont = widgets::TFont::make("DejaVu Sans", -15, widgets::clWindowFrame);
    own.setFont(cellFont);
    own.setColor(widgets::clRed);
    own.Title().setColor(widgets::clBtnHighlight);
    widgets::TFont titleFont = own.Title().Font();
    titleFont.font.setBold(true);
    own.Title().setFont(titleFont);

    grid->setFont(widgets::TFont::make("DejaVu Sans", -14));
    grid->setTitleFont(widgets::TFont::make("DejaVu Sans", -13));
    grid->setColor(widgets::clInfoBk);
    grid->setFixedColor(widgets::clGray);

    EXPECT_EQ(follows.Font().font.pixelSize(), 14);
    EXPECT_EQ(follows.Color(), widgets::clInfoBk);
    EXPECT_EQ(follows.Title().Font().font.pixelSize(), 13);
    EXPECT_EQ(follows.Title().Color(), widgets::clGray);
    EXPECT_EQ(own.Font(), cellFont);
    EXPECT_EQ(own.Color(), widgets::clRed);
    EXPECT_EQ(own.Title().Font(), titleFont);
    EXPECT_EQ(own.Title().Color(), widgets::clBtnHighlight);
}

TEST_F(GridColumns, RowHeightsComeFromTheFonts) {
    addColumn("id", 60);
    const int cellText = QFontMetrics(grid->Font().font).height();
    const int titleText = QFontMetrics(grid->TitleFont().font).height();
    EXPECT_EQ(grid->Layout().rowHeight(), cellText + 3 + 1);
    EXPECT_EQ(grid->Layout().titleHeight(), titleText + 4);

    // A taller title font on one column raises the whole title row.
    widgets::TFont tall = grid->Columns()[0].Title().Font();
    tall.font.setPixelSize(24);
    grid->Columns()[0].Title().setFont(tall);
    EXPECT_EQ(grid->Layout().titleHeight(), QFontMetrics(tall.font).height() + 4);

    grid->setFlat(true);
    EXPECT_EQ(grid->Layout().rowHeight(), cellText + 1 + 1);
}

TEST_F(GridColumns, RowSelectClearsEditing) {
    grid->setOptions(grid::dgEditing | grid::dgAlwaysShowEditor | grid::dgRowSelect | grid::dgTitles);
    EXPECT_EQ(grid->Options(), grid::dgRowSelect | grid::dgTitles);
}

TEST(GridDataSource, AGridOutlivingItsDataSourceLetsGoOfIt) {
    TestRows rows;
    grid::TDataGrid grid;
    grid.Columns().Add().setFieldName("id");
    {
        data::DataSource source(&rows);
        grid.setDataSource(&source);
        rows.openNumbered(3);
        ASSERT_TRUE(grid.Columns()[0].Field().has_value());
    }
    EXPECT_EQ(grid.DataSource(), nullptr);
    EXPECT_FALSE(grid.Columns()[0].Field().has_value());
    EXPECT_EQ(grid.Layout().rowCount(), 1) << "the empty look";
}

} // namespace
} // namespace tessarin::testing
