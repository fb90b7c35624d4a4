#include "TForm1.h"

#include "MessageBoxes.h"
#include "data/DataFile.h"

#include <QMessageBox>

namespace tessarin::app {

TForm1::TForm1(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(applicationTitle());
    FormCreate();
}

void TForm1::FormCreate() { ConnectDB(); }

void TForm1::ConnectDB() {
    try {
        con1.close();
        con1.open(data::defaultDataFile());
    } catch (const std::exception& error) {
        QMessageBox box(QMessageBox::NoIcon, applicationTitle(),
                        QStringLiteral("出错！") + QString::fromUtf8(error.what()), QMessageBox::Ok, this);
        box.exec();
        close();
    }
}

} // namespace tessarin::app
