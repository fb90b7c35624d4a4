#include "ResultGridColumns.h"

#include "grid/CentredColumns.h"
#include "grid/TDataGrid.h"
#include "grid/TGridColumn.h"
#include "grid/TGridColumns.h"
#include "widgets/TFont.h"

namespace tessarin::app {
namespace {

using grid::CentredColumn;
using widgets::TFont;

constexpr CentredColumn stationToStationColumns[] = {
    {"id", "车次", 60},       {"start_s", "始发站", 60}, {"end_s", "终点站", 60},   {"type", "列车类型", 60},
    {"s_station", "发站", 58}, {"s_tm", "发时", 50},     {"e_station", "到站", 58}, {"e_tm", "到时", 50},
    {"during_tm", "历时", 45}, {"during_s_no", "停站", 30}, {"Train_Price", "票价", 63},
};

constexpr CentredColumn trainNumberColumns[] = {
    {"id", "车次", 60},       {"start_s", "始发站", 70}, {"end_s", "终点站", 70},   {"type", "列车类型", 60},
    {"s_station", "发站", 65}, {"s_tm", "发时", 50},     {"e_station", "到站", 65}, {"e_tm", "到时", 50},
    {"during_tm", "历时", 45}, {"Train_Price", "票价", 63},
};

// The station page shows the arrival time before the queried station.
constexpr CentredColumn stationColumns[] = {
    {"id", "车次", 60},      {"start_s", "始发站", 77},   {"end_s", "终点站", 77}, {"type", "列车类型", 77},
    {"e_tm", "到时", 77},    {"s_station", "查询站", 77}, {"s_tm", "发时", 77},    {"Train_Price", "票价", 77},
};

// A journey's trains and change stations, each in travel order.
constexpr CentredColumn journeyColumns[] = {
    {"trains", "车次", 120},   {"s_station", "发站", 70}, {"s_tm", "发时", 45},
    {"via", "中转站", 110},    {"e_station", "到站", 70}, {"e_tm", "到时", 45},
    {"during_tm", "历时", 50}, {"changes", "换乘", 40},   {"wait_tm", "等候", 50},
};

TFont songTi(widgets::TColor colour = widgets::clWindowText) { return TFont::make(QStringLiteral("宋体"), -12, colour); }
TFont sansSerif() { return TFont::make(QStringLiteral("MS Sans Serif"), -11, widgets::clWindowText); }

// Cells and column titles in 宋体; the grid's own title font MS Sans Serif.
void setUpSongTiCellGrid(grid::TDataGrid& grid, std::span<const CentredColumn> columns) {
    grid::setUpListGrid(grid);
    grid.setFont(songTi());
    grid.setTitleFont(sansSerif());
    grid::addCentredColumns(grid, columns, songTi());
}

} // namespace

// The first column's title keeps the grid's title font; its cells are
// written in the window-frame colour.
void setUpStationToStationColumns(grid::TDataGrid& grid) {
    grid::setUpListGrid(grid);
    grid.setFont(songTi());
    grid.setTitleFont(songTi(widgets::clWindowFrame));
    grid.setOddRowColor(widgets::clWhite);
    const std::span<const CentredColumn> columns(stationToStationColumns);
    grid::addCentredColumns(grid, columns.first(1), std::nullopt);
    grid::addCentredColumns(grid, columns.subspan(1), songTi());
    grid.Columns()[0].setFont(songTi(widgets::clWindowFrame));
}

void setUpTrainNumberColumns(grid::TDataGrid& grid) { setUpSongTiCellGrid(grid, trainNumberColumns); }

void setUpJourneyColumns(grid::TDataGrid& grid) { setUpSongTiCellGrid(grid, journeyColumns); }

void setUpStationColumns(grid::TDataGrid& grid) {
    grid::setUpListGrid(grid);
    grid.setTitleFont(sansSerif());
    grid::addCentredColumns(grid, stationColumns, songTi());
}

} // namespace tessarin::app
