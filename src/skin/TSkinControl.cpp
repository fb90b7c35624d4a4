#include "TSkinControl.h"

#include <QEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScopedValueRollback>
#include <QWidget>

#include <exception>

namespace tessarin::skin {

TSkinControl::TSkinControl(QWidget& control, const TSkinComponent& component)
    : QObject(&control), control_(control), component_(&component) {}

// The control may be half destroyed when its children go: nothing here
// touches it.
TSkinControl::~TSkinControl() = default;

TSkinControl* TSkinControl::of(const QWidget& control) {
    return control.findChild<TSkinControl*>(QString(), Qt::FindDirectChildrenOnly);
}

void TSkinControl::attach() {
    hadMouseTracking_ = control_.hasMouseTracking();
    if (tracksPointer())
        control_.setMouseTracking(true);
    control_.installEventFilter(this);
    control_.update();
}

void TSkinControl::detach() {
    control_.setMouseTracking(hadMouseTracking_);
    control_.removeEventFilter(this);
    if (watchedPart_)
        watchedPart_->removeEventFilter(this);
    control_.update();
}

void TSkinControl::setSkinningEnabled(bool enabled) {
    enabled_ = enabled;
    control_.update();
}

void TSkinControl::watch(QWidget& part) {
    watchedPart_ = &part;
    part.installEventFilter(this);
}

const SkinData* TSkinControl::skin() const { return component_ ? component_->skin() : nullptr; }

void TSkinControl::setHot(bool hot) {
    if (hot_ == hot)
        return;
    hot_ = hot;
    repaint();
}

void TSkinControl::setPressed(bool pressed) {
    if (pressed_ == pressed)
        return;
    pressed_ = pressed;
    repaint();
}

void TSkinControl::repaint() { control_.update(); }

bool TSkinControl::eventFilter(QObject* watched, QEvent* event) {
    if (!enabled_ || painting_ || !skin())
        return false;
    if (event->type() == QEvent::Paint && (watched == &control_ || watched == watchedPart_))
        return paint(static_cast<QWidget&>(*watched), static_cast<QPaintEvent*>(event));
    if (filterEvent(watched, event))
        return true;
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        repaint();
        break;
    default:
        break;
    }
    return false;
}

bool TSkinControl::filterEvent(QObject*, QEvent*) { return false; }

void TSkinControl::paintOver(QPainter&) {}

bool TSkinControl::paint(QWidget& target, QPaintEvent* event) {
    if (!paintsInstead() || &target != &control_) {
        const QScopedValueRollback guard(painting_, true);
        static_cast<QObject&>(target).event(event);
    }
    QPainter painter(&target);
    painter.translate(-target.mapTo(&control_, QPoint()));
    try {
        paintOver(painter);
    } catch (const std::exception&) {
        // The control keeps what its own painting drew.
    }
    return true;
}

} // namespace tessarin::skin
