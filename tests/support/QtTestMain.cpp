// Entry of the UI test programs: an application on the offscreen platform,
// set up as the program sets itself up, then every test. The program's two
// font names are pinned to one installed family each, so that every machine
// lays out the same text the same way. A modal window that no test closes
// would wait for a user forever; after a few seconds it is closed and
// reported as a failure instead.

#include "TestEnvironment.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTimer>
#include <gtest/gtest.h>

#include <iostream>

namespace {

// The program's font names and the one family each stands for in the tests.
const std::pair<const char*, const char*> pinnedFonts[] = {
    {"宋体", "AR PL UMing CN"},
    {"MS Sans Serif", "DejaVu Sans"},
};

bool pinFonts() {
    for (const auto& [name, family] : pinnedFonts) {
        if (!QFontDatabase::hasFamily(QString::fromUtf8(family))) {
            std::cerr << "The font family '" << family << "' is not installed (scripts/install-deps.sh test).\n";
            return false;
        }
        QFont::insertSubstitutions(QString::fromUtf8(name), {QString::fromUtf8(family)});
    }
    return true;
}

constexpr int modalPatienceMs = 5000;

void closeForgottenModalWindows() {
    auto* watchdog = new QTimer(qApp);
    watchdog->setInterval(modalPatienceMs);
    QObject::connect(watchdog, &QTimer::timeout, [] {
        static QWidget* lastSeen = nullptr;
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal == lastSeen) {
            const auto* box = qobject_cast<QMessageBox*>(modal);
            ADD_FAILURE() << "a modal window was left open: " << modal->windowTitle().toStdString() << " "
                          << (box ? box->text().toStdString() : std::string());
            modal->close();
            lastSeen = nullptr;
            return;
        }
        lastSeen = modal;
    });
    watchdog->start();
}

} // namespace

int main(int argc, char** argv) {
    tessarin::testing::pinTestEnvironment();
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    if (!pinFonts())
        return 1;
    closeForgottenModalWindows();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
