// Entry of the UI test programs: an application on the offscreen platform,
// set up as the program sets itself up, then every test. A modal window that
// no test closes would wait for a user forever; after a few seconds it is
// closed and reported as a failure instead.

#include <QApplication>
#include <QFont>
#include <QMessageBox>
#include <QStyleFactory>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

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
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Windows")));
    QFont::insertSubstitutions(QStringLiteral("宋体"), {QStringLiteral("AR PL UMing CN")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"), {QStringLiteral("DejaVu Sans")});
    closeForgottenModalWindows();
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
