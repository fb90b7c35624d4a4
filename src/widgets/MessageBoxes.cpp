#include "MessageBoxes.h"

#include <QMessageBox>

namespace tessarin::widgets {

QString applicationTitle() { return QStringLiteral("列车时刻表"); }

QString standardErrorText(const QString& message) {
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void showStandardError(QWidget* parent, const std::exception& error) {
    QMessageBox box(QMessageBox::Critical, applicationTitle(), standardErrorText(QString::fromUtf8(error.what())),
                    QMessageBox::Ok, parent);
    box.exec();
}

void showInformation(QWidget* parent, const QString& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("提示"), text, QMessageBox::Ok, parent);
    box.exec();
}

} // namespace tessarin::widgets
