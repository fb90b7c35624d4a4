#pragma once

#include "CaptionLayout.h"
#include "TCaptionButton.h"
#include "TSkinComponent.h"
#include "WindowClient.h"

#include <QEvent>
#include <QPalette>
#include <QPointer>
#include <QRect>
#include <QRegion>
#include <QTimer>

#include <optional>
#include <vector>

class QMenu;
class QMouseEvent;
class QPainter;
class QShortcut;
class QWidget;

namespace tessarin::skin {

class TSkinControl;

// A caption button whose action the skin does not know was clicked; posted
// to the window, which may handle it.
class CaptionActionEvent : public QEvent {
public:
    explicit CaptionActionEvent(int action) : QEvent(eventType()), action_(action) {}
    static QEvent::Type eventType();
    int action() const noexcept { return action_; }

private:
    int action_;
};

// The skin of one top-level window. Applying it skins the window's controls,
// gives the form the skin's "ButtonFace" colour and, for a window with a
// caption, replaces the platform's frame by the skin's: the window becomes
// frameless, its client moves into a margin of the frame's size (its size
// kept, the window growing by the frame), its shape is cut from the border
// pictures, and a frame widget above the client paints the borders, the
// caption bar and its buttons and takes the mouse on them: the buttons'
// hot and pressed looks, their actions on release, double-clicks, dragging
// the window by its caption, the skin's system menu (also on Alt+Space).
//
// A window that asks (a method `int skinCaptionButtonShown(int code, int
// action)`) decides whether buttons of visibility codes 1000 to 2000 show.
// The object is a child of the window and ends with it; remove() alone gives
// the window back what the skin changed.
class TSkinnedWindow : public QObject {
    Q_OBJECT

public:
    TSkinnedWindow(QWidget& window, const TSkinComponent& component);
    ~TSkinnedWindow() override;

    QWidget& window() const noexcept { return window_; }
    const TSkinComponent* component() const { return component_.data(); }

    void apply();
    // Applies the skin as the window is first shown, once it has handled
    // its own show event (so it has settled its own size).
    void applyWhenShown();
    // Gives the window its own frame, colour and controls back.
    void remove();

    // The window's skin, if it has one.
    static TSkinnedWindow* of(const QWidget& window);

    bool applied() const noexcept { return applied_; }
    bool active() const noexcept { return active_; }
    const FrameSizes& frameSizes() const noexcept { return frame_; }
    QRect captionTextRect() const noexcept { return textRect_; }
    const std::vector<TCaptionButton>& captionButtons() const noexcept { return buttons_; }
    // The skin's system menu while it is open.
    QMenu* systemMenu() const;
    // Rebuilds and opens the system menu at a screen point; `clickTime` is
    // the input time of the mouse click that opens it, if one does.
    void openSystemMenu(QPoint at, std::optional<quint64> clickTime = std::nullopt);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Applying and removing (TSkinnedWindow.cpp).
    bool hasCaption() const;
    void skinControls();
    void recolour();
    void frameWindow();
    void createFrameWidget();
    void createCaptionButtons();
    QPixmap smallIcon() const;
    int minimumDialogWidth() const;
    void setFrameless(bool frameless);
    void rebuildShape();
    CaptionWindow captionWindow() const;
    void layoutCaption();
    void windowEvent(QEvent* event);
    void frameChanged();
    void setActive(bool active);
    ShowState showState() const;
    void paintFrameWidget(QPainter& painter, const QRegion& repainted);
    void setButtonState(int index, CaptionButtonState state);

    // The mouse on the frame, the buttons' actions, the system menu
    // (TSkinnedWindowMouse.cpp).
    bool frameEvent(QEvent* event);
    int buttonAt(QPoint point) const;
    void pointerMoved(QMouseEvent* event);
    void makeCurrent(int index, CaptionButtonState state);
    void pressed(QMouseEvent* event);
    void released(QMouseEvent* event);
    void doubleClicked(QMouseEvent* event);
    void pointerLeft();
    void trackButtons();
    void runAction(int index, QPoint pointer, quint64 clickTime);
    void openSystemMenuOrClose(QPoint pointer, quint64 clickTime);
    void startMove(QMouseEvent* event);
    Qt::Edges edgesAt(QPoint point) const;
    bool sizable() const;
    void closeWindow();

    QWidget& window_;
    QPointer<const TSkinComponent> component_;
    WindowClient client_;
    bool applied_ = false;
    bool framed_ = false;
    bool showing_ = false;
    Qt::WindowFlags flagsBefore_;
    QPalette paletteBefore_;
    bool ownPaletteBefore_ = false;
    WindowIcons icons_;
    FrameSizes frame_;
    bool active_ = true;
    QSize shapeSize_;
    QRect textRect_;
    std::vector<TCaptionButton> buttons_;
    int current_ = -1;
    int pressedButton_ = -1;
    // The buttons whose look changed since the last paint, and where they lie.
    std::vector<int> lookChanged_;
    QRegion lookChangedArea_;
    std::vector<QPointer<TSkinControl>> controls_;
    QPointer<QWidget> frameWidget_;
    QPointer<QShortcut> menuShortcut_;
    QPointer<QMenu> systemMenu_;
    // The input time of the click that opened the system menu last.
    std::optional<quint64> menuOpenedAt_;
    QTimer buttonTimer_;
    bool closePending_ = false;
    bool draggingByHand_ = false;
    QPoint dragStart_;
    QPoint windowStart_;
};

} // namespace tessarin::skin
