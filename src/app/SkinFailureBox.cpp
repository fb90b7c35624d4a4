#include "SkinFailureBox.h"

#include "MessageBoxes.h"

#include <QMessageBox>

namespace tessarin::app {

void showSkinFailure(QWidget* parent, const QString& failure) {
    QString text = failure;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Warning, applicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace tessarin::app
