#include "ResultGridColumns.h"

#include "grid/TDataGrid.h"
#include "grid/TGridColumn.h"
#include "grid/TGridColumnTitle.h"
#include "grid/TGridColumns.h"
#include "widgets/TFont.h"

#include <span>

namespace tessarin::app {
namespace {

using grid::TAlignment;
using widgets::TFont;

struct ColumnSpec {
    const char* field;
    const char* title;
    int width;
};

constexpr ColumnSpec stationToStationColumns[] = {
    {"id", "车次", 60},       {"start_s", "始发站", 60}, {"end_s", "终点站", 60},   {"type", "列车类型", 60},
    {"s_station", "发站", 58}, {"s_tm", "发时", 50},     {"e_station", "到站", 58}, {"e_tm", "到时", 50},
    {"during_tm", "历时", 45}, {"during_s_no", "停站", 30}, {"Train_Price", "票价", 63},
};

constexpr ColumnSpec trainNumberColumns[] = {
    {"id", "车次", 60},       {"start_s", "始发站", 70}, {"end_s", "终点站", 70},   {"type", "列车类型", 60},
    {"s_station", "发站", 65}, {"s_tm", "发时", 50},     {"e_station", "到站", 65}, {"e_tm", "到时", 50},
    {"during_tm", "历时", 45}, {"Train_Price", "票价", 63},
};

// The station page shows the arrival time before the queried station.
constexpr ColumnSpec stationColumns[] = {
    {"id", "车次", 60},      {"start_s", "始发站", 77},   {"end_s", "终点站", 77}, {"type", "列车类型", 77},
    {"e_tm", "到时", 77},    {"s_station", "查询站", 77}, {"s_tm", "发时", 77},    {"Train_Price", "票价", 77},
};

TFont songTi() { return TFont::make(QStringLiteral("宋体"), -12, widgets::clWindowText); }
TFont sansSerif() { return TFont::make(QStringLiteral("MS Sans Serif"), -11, widgets::clWindowText); }

void setUpGrid(grid::TDataGrid& grid) {
    grid.setOptions(grid::dgTitles | grid::dgColLines | grid::dgRowLines | grid::dgTabs | grid::dgRowSelect |
                    grid::dgConfirmDelete | grid::dgCancelOnExit);
    grid.setHorzScrollBar({.Tracking = true, .Visible = true});
    grid.setVertScrollBar({{.Tracking = true, .Visible = true}, grid::TScrollBarVisibleMode::sbAutoShow});
}

// Adds the columns; each gets its own "宋体" title font unless it is the
// first column of a grid whose first title keeps the grid's title font.
void addColumns(grid::TDataGrid& grid, std::span<const ColumnSpec> specs, bool firstTitleFollowsGrid) {
    for (const ColumnSpec& spec : specs) {
        grid::TGridColumn& column = grid.Columns().Add();
        column.setFieldName(QString::fromUtf8(spec.field));
        column.setWidth(spec.width);
        column.setAlignment(TAlignment::taCenter);
        column.Title().setCaption(QString::fromUtf8(spec.title));
        column.Title().setAlignment(TAlignment::taCenter);
        column.Title().setColor(widgets::clBtnHighlight);
        if (!(firstTitleFollowsGrid && column.Index() == 0))
            column.Title().setFont(songTi());
    }
}

} // namespace

void setUpStationToStationColumns(grid::TDataGrid& grid) {
    setUpGrid(grid);
    grid.setFont(songTi());
    grid.setTitleFont(TFont::make(QStringLiteral("宋体"), -12, widgets::clWindowFrame));
    grid.setOddRowColor(widgets::clWhite);
    addColumns(grid, stationToStationColumns, true);
    grid.Columns()[0].setFont(TFont::make(QStringLiteral("宋体"), -12, widgets::clWindowFrame));
}

void setUpTrainNumberColumns(grid::TDataGrid& grid) {
    setUpGrid(grid);
    grid.setFont(songTi());
    grid.setTitleFont(sansSerif());
    addColumns(grid, trainNumberColumns, false);
}

void setUpStationColumns(grid::TDataGrid& grid) {
    setUpGrid(grid);
    grid.setTitleFont(sansSerif());
    addColumns(grid, stationColumns, false);
}

} // namespace tessarin::app
