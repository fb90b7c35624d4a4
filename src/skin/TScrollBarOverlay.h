#pragma once

#include "ScrollBarPainting.h"
#include "TSkinComponent.h"

#include <QPointer>
#include <QWidget>

class QMouseEvent;
class QScrollBar;

namespace tessarin::skin {

// The native thumb of a bar, as the style lays it out, in the bar.
QRect nativeThumbRect(const QScrollBar& bar);

// A skinned scroll bar laid exactly over a native one: a sibling of the bar,
// directly above it, shown while the bar is shown. It draws the bar from
// the skin and hands every press, move, release and wheel turn to the
// native bar, so scrolling is exactly the control's own; while the thumb is
// held it draws the thumb under the pointer. The overlay is a child of the
// bar's parent and ends with it.
class TScrollBarOverlay : public QWidget {
    Q_OBJECT

public:
    TScrollBarOverlay(QScrollBar& bar, const TSkinComponent& component);

    QScrollBar& bar() const noexcept { return bar_; }
    // The bar as the overlay draws it now.
    ScrollBarLook look() const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    // Over the bar while it is shown, hidden while it is not.
    void place();
    int alongBar(QPointF position) const;
    void press(QMouseEvent* event);
    void forward(QEvent* event);
    void scrollRequested(int action);

    QScrollBar& bar_;
    QPointer<const TSkinComponent> component_;
    ScrollBarPart hot_ = ScrollBarPart::None;
    ScrollBarPart pressed_ = ScrollBarPart::None;
    bool holdingThumb_ = false;
    int pressPosition_ = 0;
    int pressThumbStart_ = 0;
    int pointerPosition_ = 0;
};

} // namespace tessarin::skin
