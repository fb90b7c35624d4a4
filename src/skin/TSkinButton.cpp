#include "TSkinButton.h"

#include "ControlPainting.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>

namespace tessarin::skin {

TSkinButton::TSkinButton(QPushButton& button, const TSkinComponent& component)
    : TSkinControl(button, component), button_(button) {}

bool TSkinButton::filterEvent(QObject*, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return mousePress(static_cast<QMouseEvent*>(event));
    case QEvent::MouseButtonRelease:
        return mouseRelease(static_cast<QMouseEvent*>(event));
    case QEvent::MouseMove:
        mouseMove(static_cast<QMouseEvent*>(event));
        return false;
    case QEvent::Leave:
        pointerLeft();
        return false;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() == Qt::Key_Space && !key->isAutoRepeat())
            setPressed(event->type() == QEvent::KeyPress);
        return false;
    }
    default:
        return false;
    }
}

bool TSkinButton::mousePress(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return false;
    if (button_.focusPolicy() & Qt::ClickFocus)
        button_.setFocus(Qt::MouseFocusReason);
    setPressed(true);
    return true;
}

bool TSkinButton::mouseRelease(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return false;
    const bool click = pressed() && button_.rect().contains(event->position().toPoint());
    setPressed(false);
    if (click)
        button_.click();
    return true;
}

void TSkinButton::mouseMove(QMouseEvent* event) {
    if (button_.rect().contains(event->position().toPoint())) {
        setHot(button_.isEnabled());
        return;
    }
    pointerLeft();
}

void TSkinButton::pointerLeft() {
    setHot(false);
    setPressed(false);
}

void TSkinButton::paintOver(QPainter& painter) {
    PushButtonLook look;
    look.rect = button_.rect();
    look.frame = pushButtonFrame(button_.isEnabled(), pressed(), hot(), button_.hasFocus() || button_.isDefault());
    look.caption = button_.text();
    look.font = button_.font();
    look.focusRect = button_.hasFocus() && !component()->options().contains(TSkinOption::xoNoFocusRect);
    paintPushButton(painter, *skin(), look);
}

} // namespace tessarin::skin
