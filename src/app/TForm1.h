#pragma once

#include "data/Connection.h"
#include "data/DataSource.h"
#include "data/Query.h"

#include <QWidget>

namespace tessarin::app {

// The main window. Creating it opens the one connection con1 to the
// timetable file beside the executable; when that fails the window says so
// and closes without being shown (connected() is then false).
class TForm1 : public QWidget {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    bool connected() const noexcept { return con1.isOpen(); }

    // The data objects every query and window runs on.
    data::Connection con1;
    data::Query qry1{con1};
    data::Query qry2{con1};
    data::Query qry3{con1};
    data::Query qry4{con1};
    data::DataSource ds1{&qry4};

private:
    void FormCreate();
    void ConnectDB();
};

} // namespace tessarin::app
