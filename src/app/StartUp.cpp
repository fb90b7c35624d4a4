#include "StartUp.h"

#include "SingleInstanceLock.h"
#include "TForm1.h"
#include "skin/SkinEngine.h"

#include <QApplication>
#include <QMessageBox>

namespace tessarin::app {

int runTessarin(const std::filesystem::path& dataFile) {
    SingleInstanceLock instance(SingleInstanceLock::lockFile("Tessarin.exe"));
    if (instance.anotherCopyRuns()) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("重复运行"), QStringLiteral("程序已经在运行了！"),
                        QMessageBox::Ok);
        box.exec();
        return exitCouldNotStart;
    }
    TForm1 form1(dataFile);
    if (!form1.connected())
        return exitCouldNotStart;
    skin::switchSkinEngineOn(form1.skin1);
    form1.show();
    return QApplication::exec();
}

} // namespace tessarin::app
