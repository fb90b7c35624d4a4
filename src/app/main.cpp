// The program's entry: one copy per user, the application set up, the main
// window created (it connects to the timetable) and shown, the event loop run.

#include "MessageBoxes.h"
#include "SingleInstanceLock.h"
#include "TForm1.h"
#include "TessarinApplication.h"
#include "skin/SkinEngine.h"

#include <QMessageBox>

int main(int argc, char** argv) {
    using namespace tessarin::app;
    TessarinApplication application(argc, argv);
    SingleInstanceLock instance(SingleInstanceLock::lockFile("Tessarin.exe"));
    if (instance.anotherCopyRuns()) {
        QMessageBox box(QMessageBox::Information, QStringLiteral("重复运行"), QStringLiteral("程序已经在运行了！"),
                        QMessageBox::Ok);
        box.exec();
        return 0;
    }
    TForm1 form1;
    if (!form1.connected())
        return 0;
    tessarin::skin::switchSkinEngineOn(form1.skin1);
    form1.show();
    return application.exec();
}
