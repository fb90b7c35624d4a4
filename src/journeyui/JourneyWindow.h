#pragma once

#include "data/DataSource.h"
#include "data/RowsDataSet.h"
#include "fares/StopListWindow.h"
#include "journeys/Journey.h"

class QLabel;
class QPushButton;

namespace tessarin::journeyui {

// The journey window, opened by a row click on the journey page. For the
// clicked journey it shows each leg (train, train type, from and to station
// and time, distance, running time and the wait at the change before it),
// each leg's fare in the seven seat and berth classes with the journey's
// total per class ("--" where a leg lacks the class), and the stop list of
// one of its trains: the first leg's when it opens, then that of the leg
// last clicked. The caption is "车次：" + the trains joined by "→" +
// "（票价以实际票价为准！）". It is framed and skinned as the train detail
// window is, and like it only reads the timetable.
//
// Usage: JourneyWindow window(con1, journey); window.exec();
//
// The journey is copied. A failure while the window fills itself (the stop
// list, or a fare that cannot be computed) shows the standard error box
// once; the legs show all the same, and the fares only once every leg's fare
// is known.
//
// The components carry their names as object names: PaintControl1, lbl1,
// dbgrd1 (the legs), lbl2, dbgrd2 (the fares), lbl3, dbgrd3 (the stops), btn2
// (the close button).
class JourneyWindow : public fares::StopListWindow {
    Q_OBJECT

public:
    JourneyWindow(data::Connection& connection, journeys::Journey journey);

protected:
    void FormShow() override;

private:
    QLabel* addLabel(const char* name, const QString& caption, QPoint place);
    void showLegs();
    void showFares();
    void showStopsOf(const journeys::JourneyLeg& leg);
    void dbgrd1CellClick();

    journeys::Journey journey_;
    data::RowsDataSet legs_;
    data::DataSource legsSource_{&legs_};
    data::RowsDataSet fares_;
    data::DataSource faresSource_{&fares_};
    QLabel* lbl1;
    grid::TDataGrid* dbgrd1;
    QLabel* lbl2;
    grid::TDataGrid* dbgrd2;
    QLabel* lbl3;
    grid::TDataGrid* dbgrd3;
    QPushButton* btn2;
};

} // namespace tessarin::journeyui
