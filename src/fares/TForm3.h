#pragma once

#include "StopListWindow.h"

class QPushButton;

namespace tessarin::fares {

// The route window, opened by a row click on the station page: the complete
// stop list of the clicked train under the caption "车次：" + the train
// number. It computes no fares, and its stop grid keeps the grid's own wheel
// handling.
//
// Usage: TForm3 form(con1, SelectedTrainId); form.exec();
//
// A database failure shows the standard error box, and the window then shows
// its caption over an empty grid; a train without stops shows an empty grid
// and no error.
//
// The components carry their design names as object names: PaintControl1,
// DBGrid1, Button1, and beneath the panel two leftovers of the window's
// design that take part in nothing: a grid dbgrd1 bound to no data source and
// a button btn2 without a handler.
class TForm3 : public StopListWindow {
    Q_OBJECT

public:
    TForm3(data::Connection& connection, const QString& trainId);

protected:
    void FormShow() override;

private:
    void createLeftovers();

    grid::TDataGrid* DBGrid1;
    QPushButton* Button1;
};

} // namespace tessarin::fares
