#include "TScrollBarOverlay.h"

#include "widgets/ScrollBarParts.h"

#include <QAbstractSlider>
#include <QCoreApplication>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QStyle>

#include <algorithm>
#include <memory>

namespace tessarin::skin {
namespace {

ScrollBarPart partOfRequest(int action) {
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return ScrollBarPart::FirstArrow;
    case QAbstractSlider::SliderSingleStepAdd:
        return ScrollBarPart::SecondArrow;
    case QAbstractSlider::SliderPageStepSub:
        return ScrollBarPart::TrackBefore;
    case QAbstractSlider::SliderPageStepAdd:
        return ScrollBarPart::TrackAfter;
    case QAbstractSlider::SliderMove:
        return ScrollBarPart::Thumb;
    default:
        return ScrollBarPart::None;
    }
}

} // namespace

QRect nativeThumbRect(const QScrollBar& bar) { return widgets::scrollBarPart(bar, QStyle::SC_ScrollBarSlider); }

TScrollBarOverlay::TScrollBarOverlay(QScrollBar& bar, const TSkinComponent& component)
    : QWidget(bar.parentWidget()), bar_(bar), component_(&component) {
    setObjectName(bar.objectName() + QStringLiteral("SkinOverlay"));
    setMouseTracking(true);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::NoFocus);
    bar.installEventFilter(this);
    connect(&bar, &QAbstractSlider::actionTriggered, this, &TScrollBarOverlay::scrollRequested);
    connect(&bar, &QAbstractSlider::valueChanged, this, qOverload<>(&QWidget::update));
    connect(&bar, &QAbstractSlider::rangeChanged, this, qOverload<>(&QWidget::update));
    place();
}

void TScrollBarOverlay::place() {
    setGeometry(bar_.geometry());
    setVisible(bar_.isVisibleTo(bar_.parentWidget()));
    raise();
    update();
}

bool TScrollBarOverlay::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &bar_) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Hide:
        case QEvent::ZOrderChange:
        case QEvent::EnabledChange:
            place();
            break;
        default:
            break;
        }
    }
    return false;
}


ScrollBarLook TScrollBarOverlay::look() const {
    ScrollBarLook look;
    look.orientation = bar_.orientation();
    look.size = size();
    look.arrowWidth = bar_.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &bar_);
    look.available = bar_.isEnabled() && bar_.maximum() > bar_.minimum();
    const QRect thumb = nativeThumbRect(bar_);
    look.thumbStart = bar_.orientation() == Qt::Vertical ? thumb.top() : thumb.left();
    look.thumbLength = bar_.orientation() == Qt::Vertical ? thumb.height() : thumb.width();
    if (holdingThumb_) {
        const int highest = scrollBarLength(look) - look.arrowWidth - look.thumbLength;
        look.thumbStart = std::clamp(pressThumbStart_ + pointerPosition_ - pressPosition_, look.arrowWidth,
                                     std::max(look.arrowWidth, highest));
    }
    look.hot = hot_;
    look.pressed = pressed_;
    return look;
}

void TScrollBarOverlay::paintEvent(QPaintEvent*) {
    const SkinData* skin = component_ ? component_->skin() : nullptr;
    if (!skin)
        return;
    QPainter painter(this);
    paintScrollBar(painter, *skin, look());
}

int TScrollBarOverlay::alongBar(QPointF position) const {
    return qRound(bar_.orientation() == Qt::Vertical ? position.y() : position.x());
}

void TScrollBarOverlay::press(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        const ScrollBarLook now = look();
        pressPosition_ = pointerPosition_ = alongBar(event->position());
        pressThumbStart_ = now.thumbStart;
        pressed_ = scrollBarPartAt(now, pressPosition_);
        holdingThumb_ = pressed_ == ScrollBarPart::Thumb;
        update();
    }
    forward(event);
}

void TScrollBarOverlay::mousePressEvent(QMouseEvent* event) { press(event); }

void TScrollBarOverlay::mouseDoubleClickEvent(QMouseEvent* event) { press(event); }

void TScrollBarOverlay::mouseMoveEvent(QMouseEvent* event) {
    if (pressed_ != ScrollBarPart::None) {
        pointerPosition_ = alongBar(event->position());
        forward(event);
        update();
        return;
    }
    const ScrollBarPart part = scrollBarPartAt(look(), alongBar(event->position()));
    if (part != hot_) {
        hot_ = part;
        update();
    }
}

void TScrollBarOverlay::mouseReleaseEvent(QMouseEvent* event) {
    forward(event);
    if (event->button() == Qt::LeftButton) {
        pressed_ = ScrollBarPart::None;
        holdingThumb_ = false;
        update();
    }
}

void TScrollBarOverlay::leaveEvent(QEvent*) {
    hot_ = ScrollBarPart::None;
    update();
}

void TScrollBarOverlay::wheelEvent(QWheelEvent* event) { forward(event); }

// The overlay lies exactly over the bar, so positions carry over unchanged.
// The bar gets a copy: the delivery of an event it ignores rewrites it.
void TScrollBarOverlay::forward(QEvent* event) {
    const std::unique_ptr<QEvent> copy(event->clone());
    QCoreApplication::sendEvent(&bar_, copy.get());
}

void TScrollBarOverlay::scrollRequested(int action) {
    if (pressed_ == ScrollBarPart::None)
        return;
    if (const ScrollBarPart part = partOfRequest(action); part != ScrollBarPart::None)
        pressed_ = part;
    update();
}

} // namespace tessarin::skin
