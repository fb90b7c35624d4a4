#pragma once

#include <QObject>

class QWidget;

namespace tessarin::bench {

// Counts the paint events a widget receives. Waiting for a paint runs the
// application's pending events until the count has grown; the event that
// brought the paint has then been handled whole, so the window's children
// have painted too and the window has been put on the screen.
class PaintCounter : public QObject {
public:
    explicit PaintCounter(QWidget& widget);

    int paints() const noexcept { return paints_; }
    // Runs the pending events until the widget has had more than `paints`
    // paint events; false when ten seconds pass first.
    bool waitBeyond(int paints);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int paints_ = 0;
};

} // namespace tessarin::bench
