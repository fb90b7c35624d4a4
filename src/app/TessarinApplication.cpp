#include "TessarinApplication.h"

#include "FontSubstitutions.h"
#include "MainWindowIcon.h"
#include "widgets/MessageBoxes.h"

#include <QStyleFactory>

namespace tessarin::app {

TessarinApplication::TessarinApplication(int& argc, char** argv) : QApplication(argc, argv) {
    // No display name: the platform would append it to every window title,
    // and the titles are exactly as designed.
    setApplicationName(QStringLiteral("tessarin"));
    // The installed menu entry, by which the desktop shows the windows with
    // its name and icon.
    setDesktopFileName(QStringLiteral(TESSARIN_DESKTOP_ID));
    setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    installFontSubstitutions();
    setWindowIcon(mainWindowIcon());
}

bool TessarinApplication::notify(QObject* receiver, QEvent* event) {
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        widgets::showStandardError(activeWindow(), error);
    }
    return true;
}

} // namespace tessarin::app
