#include "MessageBoxCatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QTimer>

namespace tessarin::testing {

MessageBoxCatcher::MessageBoxCatcher(QMessageBox::StandardButton answer) : answer_(answer) {
    qApp->installEventFilter(this);
}

MessageBoxCatcher::~MessageBoxCatcher() { qApp->removeEventFilter(this); }

bool MessageBoxCatcher::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show) {
        if (auto* box = qobject_cast<QMessageBox*>(watched)) {
            boxes_.push_back({box->windowTitle(), box->text(), box->icon(), box->standardButtons()});
            const QMessageBox::StandardButton answer = answer_;
            QTimer::singleShot(0, box, [box, answer] {
                if (QAbstractButton* button = box->button(answer))
                    button->click();
                else
                    box->done(answer);
            });
        }
    }
    return false;
}

} // namespace tessarin::testing
