#pragma once

#include <QApplication>

namespace tessarin::app {

// The application object. Its title is "列车时刻表". An error that escapes an
// event handler is shown in the standard error box and the program goes on;
// no exception crosses the event loop.
class TessarinApplication : public QApplication {
public:
    TessarinApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;
};

} // namespace tessarin::app
