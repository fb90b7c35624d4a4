#pragma once

#include "data/DataSource.h"
#include "data/Query.h"
#include "grid/CentredColumns.h"

#include <QDialog>
#include <QString>

#include <span>

class QPushButton;

namespace tessarin::data {
class Connection;
}
namespace tessarin::grid {
class TDataGrid;
}
namespace tessarin::widgets {
class TPaintControl;
}

namespace tessarin::fares {

// What the train detail window and the route window have in common: a
// window of 464 × 526 client pixels with the system menu and close box only,
// filled by the background panel PaintControl1, showing the stop list of one
// train (qry5, presented by ds1) in a stop grid that lies above the panel,
// with a close button on the panel.
//
// The window is made for one row click: created without an owner, shown
// modally with exec(), destroyed after. FormShow runs once, as the window is
// first shown and before it becomes visible. The train number is used
// exactly as given. Every database statement runs on the connection passed
// in (the main window's), which must outlive the window; nothing is written.
class StopListWindow : public QDialog {
    Q_OBJECT

public:
    const QString& trainId() const noexcept { return trainId_; }

protected:
    StopListWindow(data::Connection& connection, const QString& trainId, QPoint screenPosition);

    // Fills the window; an error that leaves it is shown in the standard
    // error box, and the window goes on showing.
    virtual void FormShow() = 0;

    // A stop grid set up as both windows show it (the six stop columns,
    // whole-row selection, read-only), bound to ds1, above the panel.
    grid::TDataGrid* addStopGrid(const QString& name, const QRect& geometry);
    // A grid set up as the stop grid is, with other columns, showing `source`.
    grid::TDataGrid* addListGrid(const QString& name, const QRect& geometry,
                                 std::span<const grid::CentredColumn> columns, data::DataSource& source);
    // The close button "关闭" on the panel; a click closes the window.
    QPushButton* addCloseButton(const QString& name);

    // Opens the train's stops on qry5, in the order they are stored.
    void openStops();

    data::Connection& connection() const noexcept { return connection_; }

    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

    widgets::TPaintControl* PaintControl1;
    data::Query qry5;
    data::DataSource ds1{&qry5};

private:
    data::Connection& connection_;
    const QString trainId_;
    bool shown_ = false;
};

} // namespace tessarin::fares
