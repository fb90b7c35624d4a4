#pragma once

#include "DetailFields.h"
#include "StopListWindow.h"

#include <array>

class QLineEdit;
class QPushButton;

namespace tessarin::fares {

// The train detail window, opened by a row click on the station-to-station
// or the train-number page: the clicked train's stations, distance, running
// time and day count from its first train_tmp row, the fare of each of the
// seven seat and berth classes, and its complete stop list. The caption is
// "车次：" + the train number + "（票价以实际票价为准！）".
//
// Usage: TForm2 form(con1, SelectedTrainId); form.exec();
//
// A failure while it fills itself (a database error, a missing detail row, a
// text that does not convert) shows the standard error box once; the window
// then shows its caption, the stop list when that opened, and twelve empty
// fields, and the stop grid keeps its own wheel handling. Once filled, the
// wheel over the stop grid moves exactly one record per wheel event.
//
// The components carry their design names as object names: PaintControl1,
// lbl1 … lbl12, edt1 … edt12 (read-only), dbgrd1, btn2.
class TForm2 : public StopListWindow {
    Q_OBJECT

public:
    TForm2(data::Connection& connection, const QString& trainId);

protected:
    void FormShow() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createFields();
    void orderTabStops();
    void fillFields(const DetailFields& fields);
    // Handles the stop grid's events once FormShow has installed it: the
    // wheel moves one record, everything else goes to the grid.
    bool StopGridWndProc(QEvent* event);

    data::Query qry1;
    std::array<QLineEdit*, 12> fields_{};
    grid::TDataGrid* dbgrd1;
    QPushButton* btn2;
};

} // namespace tessarin::fares
