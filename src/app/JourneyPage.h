#pragma once

#include "data/DataSource.h"
#include "data/RowsDataSet.h"
#include "journeys/Journey.h"

#include <QObject>

#include <memory>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;

namespace tessarin::grid {
class TDataGrid;
}
namespace tessarin::journeys {
class JourneyPlanner;
}
namespace tessarin::widgets {
class TPaintControl;
}

namespace tessarin::app {

class BannerPane;
class TForm1;

// The main window's fourth page, 中转查询: journeys with up to two changes
// between the stations of two boxes, laid out as the station-to-station page
// is (its labels, boxes, query button, result grid and banner pane in the
// same places, the boxes suggesting stations as that page's do).
//
// The query button plans the journeys with one planner on the window's
// connection, made on the first query and kept for the window's life; it
// reads `train` and writes nothing. The journeys fill the page's own result
// (journeyRows, shown by dbgrd4 through ds2), one record per journey in the
// planner's order, with the fields trains ("G101→G2"), s_station, s_tm, via
// (the change stations, "-" for a direct train), e_station, e_tm, during_tm,
// changes and wait_tm. A box left empty, or no journey found, is told in the
// "提示" box; nothing found also closes the result. A row click opens the
// journey window for the row's journey.
//
// The window wires the page in as it does its other pages: it dispatches the
// boxes' key releases to the handlers below, sorts on title clicks, turns
// the wheel into one record per event, and empties the page on every page
// switch. The controls carry their names as object names: PaintControl3,
// lbl5, cbJourneyStart, lbl6, cbJourneyStop, btn8, dbgrd4, wb4.
class JourneyPage : public QObject {
public:
    // Builds the page's controls on its background panel.
    JourneyPage(TForm1& form, widgets::TPaintControl* panel);
    ~JourneyPage() override;

    // The page switch: closes the result and empties both boxes; their
    // drop-down lists keep their items.
    void clear();

    void cbJourneyStartKeyUp(int key);
    void cbJourneyStopKeyUp(int key);
    void btn8Click();
    void dbgrd4CellClick();

    widgets::TPaintControl* PaintControl3;
    QLabel* lbl5 = nullptr;
    QComboBox* cbJourneyStart = nullptr;
    QLabel* lbl6 = nullptr;
    QComboBox* cbJourneyStop = nullptr;
    QPushButton* btn8 = nullptr;
    grid::TDataGrid* dbgrd4 = nullptr;
    BannerPane* wb4 = nullptr;
    data::RowsDataSet journeyRows;
    data::DataSource ds2{&journeyRows};

private:
    const journeys::JourneyPlanner& planner();
    void showJourneys(std::vector<journeys::Journey> found);

    TForm1& form_;
    std::unique_ptr<journeys::JourneyPlanner> planner_;
    // The journeys of the open result, by the index each record keeps.
    std::vector<journeys::Journey> journeys_;
};

} // namespace tessarin::app
