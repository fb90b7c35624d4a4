#include "SkinFailureBox.h"

#include "widgets/MessageBoxes.h"

#include <QMessageBox>

namespace tessarin::app {

void showSkinFailure(QWidget* parent, const QString& failure) {
    QString text = failure;
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QMessageBox box(QMessageBox::Warning, widgets::applicationTitle(), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace tessarin::app
