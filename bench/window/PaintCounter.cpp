#include "PaintCounter.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEvent>
#include <QWidget>

namespace tessarin::bench {

PaintCounter::PaintCounter(QWidget& widget) : QObject(&widget) { widget.installEventFilter(this); }

bool PaintCounter::waitBeyond(int paints) {
    const QDeadlineTimer patience(10'000);
    while (paints_ <= paints) {
        if (patience.hasExpired())
            return false;
        QCoreApplication::processEvents();
    }
    return true;
}

bool PaintCounter::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Paint)
        ++paints_;
    return false;
}

} // namespace tessarin::bench
