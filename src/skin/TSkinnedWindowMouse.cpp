// The mouse on a skinned window's frame: caption buttons, their actions,
// double-clicks, dragging by the caption, resizing by the borders and the
// skin's system menu.

#include "TSkinnedWindow.h"

#include "SkinSystemMenu.h"
#include "WindowSkinRules.h"

#include <QApplication>
#include <QCursor>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QStyleHints>
#include <QWhatsThis>
#include <QWidget>
#include <QWindow>

#include <utility>

namespace tessarin::skin {
namespace {

// A press this close to the top edge is on the border, not the caption.
constexpr int topBorderGrip = 3;

} // namespace

bool TSkinnedWindow::frameEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::Paint: {
        QPainter painter(frameWidget_);
        paintFrameWidget(painter, static_cast<QPaintEvent*>(event)->region());
        return true;
    }
    case QEvent::MouseMove:
        pointerMoved(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonPress:
        pressed(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonRelease:
        released(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::MouseButtonDblClick:
        doubleClicked(static_cast<QMouseEvent*>(event));
        return true;
    case QEvent::Leave:
        pointerLeft();
        return false;
    default:
        return false;
    }
}

int TSkinnedWindow::buttonAt(QPoint point) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const TCaptionButton& button = buttons_[i];
        if (button.visible && button.element.action >= 0 && button.rect.contains(point))
            return static_cast<int>(i);
    }
    return -1;
}

void TSkinnedWindow::pointerMoved(QMouseEvent* event) {
    if (draggingByHand_) {
        window_.move(windowStart_ + event->globalPosition().toPoint() - dragStart_);
        return;
    }
    if (!active_)
        return;
    const int index = buttonAt(event->position().toPoint());
    if (index < 0) {
        if (current_ >= 0)
            setButtonState(current_, CaptionButtonState::Normal);
        return;
    }
    // The button the press began on looks pressed again when the pointer
    // comes back to it.
    const bool held = index == pressedButton_ && event->buttons().testFlag(Qt::LeftButton);
    makeCurrent(index, held ? CaptionButtonState::Pressed : CaptionButtonState::Hot);
}

void TSkinnedWindow::makeCurrent(int index, CaptionButtonState state) {
    if (current_ >= 0 && current_ != index)
        setButtonState(current_, CaptionButtonState::Normal);
    current_ = index;
    setButtonState(index, state);
}

void TSkinnedWindow::pressed(QMouseEvent* event) {
    const QPoint point = event->position().toPoint();
    const bool onCaption = point.y() < frame_.top;
    if (event->button() == Qt::RightButton) {
        if (onCaption)
            openSystemMenu(event->globalPosition().toPoint(), event->timestamp());
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    if (const int index = buttonAt(point); index >= 0) {
        if (!active_)
            window_.activateWindow();
        pressedButton_ = index;
        makeCurrent(index, CaptionButtonState::Pressed);
        return;
    }
    if (onCaption && point.y() > topBorderGrip) {
        // A maximized window cannot be dragged.
        if (!(active_ && showState() == ShowState::Maximized))
            startMove(event);
        return;
    }
    if (const Qt::Edges edges = edgesAt(point); edges && sizable() && window_.windowHandle())
        window_.windowHandle()->startSystemResize(edges);
}

void TSkinnedWindow::released(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    draggingByHand_ = false;
    const int pressedButton = std::exchange(pressedButton_, -1);
    // Only the button the press began on acts, and only as the current one.
    const int index = buttonAt(event->position().toPoint());
    if (index < 0 || index != current_ || index != pressedButton)
        return;
    setButtonState(index, CaptionButtonState::Hot);
    runAction(index, event->globalPosition().toPoint(), event->timestamp());
}

void TSkinnedWindow::doubleClicked(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    const int index = buttonAt(event->position().toPoint());
    if (index >= 0 && isIconAction(buttons_[static_cast<std::size_t>(index)].element.action)) {
        closeWindow();
        return;
    }
    if (index >= 0) {
        // A second click on any other button is a press of its own.
        pressed(event);
        return;
    }
    if (showState() != ShowState::Normal)
        window_.showNormal();
    else if (icons_.maximizeBox)
        window_.showMaximized();
}

void TSkinnedWindow::pointerLeft() {
    if (current_ < 0 || QGuiApplication::mouseButtons().testFlag(Qt::LeftButton))
        return;
    setButtonState(current_, CaptionButtonState::Normal);
    current_ = -1;
}

// Every 250 ms while the window is active: a button the pointer has left is
// no longer current.
void TSkinnedWindow::trackButtons() {
    if (current_ < 0 || !frameWidget_)
        return;
    if (buttons_[static_cast<std::size_t>(current_)].rect.contains(frameWidget_->mapFromGlobal(QCursor::pos())))
        return;
    setButtonState(current_, CaptionButtonState::Normal);
    current_ = -1;
}

void TSkinnedWindow::runAction(int index, QPoint pointer, quint64 clickTime) {
    const TCaptionButton& button = buttons_[static_cast<std::size_t>(index)];
    const int action = button.element.action;
    if (isIconAction(action)) {
        openSystemMenuOrClose(pointer, clickTime);
        return;
    }
    switch (action) {
    case 0:
        if (icons_.systemMenu)
            closeWindow();
        return;
    case 1:
    case 22:
        if (button.enabled)
            showState() == ShowState::Maximized ? window_.showNormal() : window_.showMaximized();
        return;
    case 2:
    case 23:
        if (button.enabled)
            showState() == ShowState::Minimized ? window_.showNormal() : window_.showMinimized();
        return;
    case 4:
        QWhatsThis::enterWhatsThisMode();
        return;
    case 7: case 8: case 9: case 60: case 61: case 62:
        // Controls of child windows: this system has no child windows.
        return;
    default:
        QCoreApplication::postEvent(&window_, new CaptionActionEvent(action));
        return;
    }
}

// A second click on the icon soon after the first opened the menu closes
// the window instead. "Soon" is measured in input time, as double-clicks
// are, so a busy machine that delivers the clicks late does not part them.
void TSkinnedWindow::openSystemMenuOrClose(QPoint pointer, quint64 clickTime) {
    const auto doubleClickTime = static_cast<quint64>(QGuiApplication::styleHints()->mouseDoubleClickInterval());
    if (menuOpenedAt_ && clickTime >= *menuOpenedAt_ && clickTime - *menuOpenedAt_ < doubleClickTime) {
        menuOpenedAt_.reset();
        closeWindow();
        return;
    }
    openSystemMenu(pointer + QPoint(1, 1), clickTime);
}

QMenu* TSkinnedWindow::systemMenu() const { return systemMenu_.data(); }

void TSkinnedWindow::openSystemMenu(QPoint at, std::optional<quint64> clickTime) {
    if (!framed_ || !component_ || !component_->hasSkin())
        return;
    delete systemMenu_.data();
    const SystemMenuWindow menuWindow{showState(), icons_, sizable()};
    systemMenu_ = buildSystemMenu(&window_, menuWindow, *component_->skin(), [this](SystemCommand command) {
        switch (command) {
        case SystemCommand::Restore: window_.showNormal(); break;
        case SystemCommand::Move: if (window_.windowHandle()) window_.windowHandle()->startSystemMove(); break;
        case SystemCommand::Size:
            if (window_.windowHandle())
                window_.windowHandle()->startSystemResize(Qt::RightEdge | Qt::BottomEdge);
            break;
        case SystemCommand::Minimize: window_.showMinimized(); break;
        case SystemCommand::Maximize: window_.showMaximized(); break;
        case SystemCommand::Close: closeWindow(); break;
        }
    });
    systemMenu_->popup(at);
    menuOpenedAt_ = clickTime;
}

// Dragged by the window system where it can, else by hand.
void TSkinnedWindow::startMove(QMouseEvent* event) {
    if (window_.windowHandle() && window_.windowHandle()->startSystemMove())
        return;
    draggingByHand_ = true;
    dragStart_ = event->globalPosition().toPoint();
    windowStart_ = window_.pos();
}

Qt::Edges TSkinnedWindow::edgesAt(QPoint point) const {
    Qt::Edges edges;
    if (point.x() < frame_.left)
        edges |= Qt::LeftEdge;
    if (point.x() >= window_.width() - frame_.right)
        edges |= Qt::RightEdge;
    if (point.y() <= topBorderGrip)
        edges |= Qt::TopEdge;
    if (point.y() >= window_.height() - frame_.bottom)
        edges |= Qt::BottomEdge;
    return edges;
}

bool TSkinnedWindow::sizable() const {
    return !hasDialogFrame(window_) && window_.minimumSize() != window_.maximumSize();
}

// Posted, once however many clicks ask for it before it runs.
void TSkinnedWindow::closeWindow() {
    if (closePending_)
        return;
    closePending_ = true;
    buttonTimer_.stop();
    QTimer::singleShot(0, this, [this] {
        closePending_ = false;
        window_.close();
    });
}

} // namespace tessarin::skin
