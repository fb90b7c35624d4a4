#pragma once

namespace tessarin::grid {
class TDataGrid;
}

namespace tessarin::app {

// The column lists and fonts of the main window's result grids: the
// station-to-station page's (dbgrd1), the train-number page's (dbgrd2), the
// station page's (dbgrd3) and the journey page's (dbgrd4). Every column is
// centred under a centred title on the button-highlight colour.
void setUpStationToStationColumns(grid::TDataGrid& grid);
void setUpTrainNumberColumns(grid::TDataGrid& grid);
void setUpStationColumns(grid::TDataGrid& grid);
void setUpJourneyColumns(grid::TDataGrid& grid);

} // namespace tessarin::app
