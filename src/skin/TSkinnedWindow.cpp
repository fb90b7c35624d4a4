#include "TSkinnedWindow.h"

#include "FramePainting.h"
#include "SkinControlFactory.h"
#include "TSkinControl.h"
#include "WindowShape.h"
#include "WindowSkinRules.h"

#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QShortcut>
#include <QStyle>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace tessarin::skin {
namespace {

constexpr int buttonTrackingInterval = 250;

// The platform's caption font.
QFont captionFont() {
    QFont font(QStringLiteral("宋体"));
    font.setPixelSize(12);
    font.setBold(true);
    return font;
}

WindowIcons iconsOf(Qt::WindowFlags flags) {
    return {flags.testFlag(Qt::WindowSystemMenuHint), flags.testFlag(Qt::WindowMinimizeButtonHint),
            flags.testFlag(Qt::WindowMaximizeButtonHint), flags.testFlag(Qt::WindowContextHelpButtonHint)};
}

} // namespace

QEvent::Type CaptionActionEvent::eventType() {
    static const auto type = static_cast<QEvent::Type>(QEvent::registerEventType());
    return type;
}

TSkinnedWindow::TSkinnedWindow(QWidget& window, const TSkinComponent& component)
    : QObject(&window), window_(window), component_(&component), client_(window) {
    setObjectName(QStringLiteral("SkinnedWindow"));
    buttonTimer_.setInterval(buttonTrackingInterval);
    connect(&buttonTimer_, &QTimer::timeout, this, &TSkinnedWindow::trackButtons);
}

TSkinnedWindow::~TSkinnedWindow() = default;

TSkinnedWindow* TSkinnedWindow::of(const QWidget& window) {
    return window.findChild<TSkinnedWindow*>(QString(), Qt::FindDirectChildrenOnly);
}

// Applying and removing.

void TSkinnedWindow::applyWhenShown() {
    showing_ = true;
    window_.installEventFilter(this);
}

void TSkinnedWindow::apply() {
    if (applied_ || !component_ || !component_->hasSkin())
        return;
    applied_ = true;
    flagsBefore_ = window_.windowFlags();
    icons_ = iconsOf(flagsBefore_);
    active_ = !window_.isVisible() || window_.isActiveWindow();
    skinControls();
    recolour();
    if (hasCaption())
        frameWindow();
    window_.installEventFilter(this);
    if (active_)
        buttonTimer_.start();
}

void TSkinnedWindow::remove() {
    if (!applied_)
        return;
    applied_ = false;
    buttonTimer_.stop();
    window_.removeEventFilter(this);
    for (const QPointer<TSkinControl>& control : controls_) {
        if (control) {
            control->detach();
            delete control.data();
        }
    }
    controls_.clear();
    if (framed_) {
        framed_ = false;
        delete systemMenu_.data();
        delete menuShortcut_.data();
        delete frameWidget_.data();
        window_.clearMask();
        setFrameless(false);
        client_.restore();
    }
    buttons_.clear();
    current_ = -1;
    window_.setPalette(ownPaletteBefore_ ? paletteBefore_ : QPalette());
}

bool TSkinnedWindow::hasCaption() const {
    return !flagsBefore_.testFlag(Qt::FramelessWindowHint) && flagsBefore_.testFlag(Qt::WindowTitleHint);
}

void TSkinnedWindow::skinControls() {
    for (QWidget* child : window_.findChildren<QWidget*>()) {
        if (child->window() != &window_)
            continue;
        if (TSkinControl* skin = attachControlSkin(*child, *component_))
            controls_.emplace_back(skin);
    }
}

void TSkinnedWindow::recolour() {
    ownPaletteBefore_ = window_.testAttribute(Qt::WA_SetPalette);
    paletteBefore_ = window_.palette();
    QPalette palette = window_.palette();
    palette.setColor(QPalette::Window, component_->skin()->colours[SkinColourSlot::ButtonFace]);
    window_.setPalette(palette);
}

void TSkinnedWindow::frameWindow() {
    frame_ = component_->skin()->frameSizes();
    setFrameless(true);
    client_.fit(frame_, minimumDialogWidth());
    createFrameWidget();
    createCaptionButtons();
    layoutCaption();
    rebuildShape();
    menuShortcut_ = new QShortcut(QKeySequence(Qt::ALT | Qt::Key_Space), &window_);
    connect(menuShortcut_, &QShortcut::activated, this,
            [this] { openSystemMenu(window_.mapToGlobal(QPoint(frame_.left, frame_.top))); });
    framed_ = true;
}

// A message or standard dialog is at least wide enough for its caption.
int TSkinnedWindow::minimumDialogWidth() const {
    if (!isStandardDialog(window_))
        return 0;
    const TSkinTitleElement& title = component_->skin()->title;
    return title.textShift + QFontMetrics(captionFont()).horizontalAdvance(window_.windowTitle()) +
           title.textRightClip;
}

void TSkinnedWindow::setFrameless(bool frameless) {
    const Qt::WindowFlags flags = frameless ? flagsBefore_ | Qt::FramelessWindowHint : flagsBefore_;
    window_.overrideWindowFlags(flags);
    if (QWindow* handle = window_.windowHandle())
        handle->setFlags(flags);
}

void TSkinnedWindow::createFrameWidget() {
    frameWidget_ = new QWidget(&window_);
    frameWidget_->setObjectName(QStringLiteral("SkinFrame"));
    frameWidget_->setMouseTracking(true);
    frameWidget_->setFocusPolicy(Qt::NoFocus);
    frameWidget_->setGeometry(window_.rect());
    frameWidget_->installEventFilter(this);
    frameWidget_->show();
    frameWidget_->raise();
}

void TSkinnedWindow::createCaptionButtons() {
    buttons_.clear();
    current_ = -1;
    const QPixmap icon = smallIcon();
    for (const TSkinCaptionButtonElement& record : component_->skin()->captionButtons) {
        TCaptionButton button;
        button.element = record;
        if (button.showsWindowIcon()) {
            if (record.image.isNull())
                button.element.image = icon.toImage();
            button.element.frameCount = 1;
            button.icon = icon;
        }
        buttons_.push_back(std::move(button));
    }
}

// The application's small icon, or the window's own when it has none.
QPixmap TSkinnedWindow::smallIcon() const {
    QIcon icon = QGuiApplication::windowIcon();
    if (icon.isNull())
        icon = window_.windowIcon();
    const int extent = window_.style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, &window_);
    return icon.isNull() ? QPixmap() : icon.pixmap(extent, extent);
}

void TSkinnedWindow::rebuildShape() {
    shapeSize_ = window_.size();
    window_.setMask(windowShape(*component_->skin(), frame_, shapeSize_, active_));
    frameWidget_->setGeometry(window_.rect());
    frameWidget_->setMask(QRegion(window_.rect()) -
                          QRegion(window_.rect().adjusted(frame_.left, frame_.top, -frame_.right, -frame_.bottom)));
}

// The caption bar's text and buttons.

CaptionWindow TSkinnedWindow::captionWindow() const {
    CaptionWindow window;
    window.width = window_.width();
    window.active = active_;
    window.show = showState();
    window.icons = icons_;
    window.dialogFrame = hasDialogFrame(window_);
    window.messageDialog = isStandardDialog(window_);
    // Message boxes are pop-up windows, as tool windows are.
    window.popup = window_.windowType() == Qt::Tool || isStandardDialog(window_);
    window.rightToLeft = window_.layoutDirection() == Qt::RightToLeft;
    return window;
}

void TSkinnedWindow::layoutCaption() {
    const CaptionWindow window = captionWindow();
    const bool asks = window_.metaObject()->indexOfMethod("skinCaptionButtonShown(int,int)") >= 0;
    const CaptionButtonQuery ask = [this, asks](int code, int action) {
        int answer = 0;
        if (asks)
            QMetaObject::invokeMethod(&window_, "skinCaptionButtonShown", Qt::DirectConnection,
                                      Q_RETURN_ARG(int, answer), Q_ARG(int, code), Q_ARG(int, action));
        return answer;
    };
    int rightButtonsX = 0;
    for (TCaptionButton& button : buttons_) {
        button.visible = captionButtonShown(button.element, window, ask);
        button.enabled = captionButtonEnabled(button.element, icons_);
        if (button.visible && button.element.align == 1)
            rightButtonsX = std::max(rightButtonsX, button.element.x);
    }
    const QSize textSize = QFontMetrics(captionFont()).size(Qt::TextSingleLine, captionText(window_.windowTitle()));
    textRect_ = skin::captionTextRect(component_->skin()->title, frame_, window, textSize, rightButtonsX);
    for (TCaptionButton& button : buttons_) {
        const QSize size(button.element.frameWidth(), button.element.image.height());
        button.rect = captionButtonRect(button.element, size, window.width, textRect_);
    }
}

ShowState TSkinnedWindow::showState() const {
    if (window_.isMinimized())
        return ShowState::Minimized;
    return window_.isMaximized() ? ShowState::Maximized : ShowState::Normal;
}

// A paint of nothing but buttons whose look changed redraws them in that
// look; any other paint is a repaint of the whole frame, whose buttons show
// their first (or fourth) frames.
void TSkinnedWindow::paintFrameWidget(QPainter& painter, const QRegion& repainted) {
    const bool lookChangesOnly = (repainted - lookChangedArea_).isEmpty();
    const std::vector<int> changed = std::exchange(lookChanged_, {});
    lookChangedArea_ = QRegion();
    const SkinData* skin = component_ ? component_->skin() : nullptr;
    if (!skin)
        return;
    FrameLook look;
    look.size = window_.size();
    look.frame = frame_;
    look.active = active_;
    look.text = captionText(window_.windowTitle());
    look.font = captionFont();
    look.textRect = textRect_;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        const TCaptionButton& button = buttons_[i];
        if (!button.visible)
            continue;
        const bool lookChanged = lookChangesOnly && std::ranges::count(changed, static_cast<int>(i)) > 0;
        const int frame = lookChanged ? button.frameOfLook() : button.framePainted(active_);
        look.buttons.push_back({&button.element, frame, button.rect, button.icon});
    }
    skin::paintFrame(painter, *skin, look);
}

void TSkinnedWindow::setButtonState(int index, CaptionButtonState state) {
    TCaptionButton& button = buttons_[static_cast<std::size_t>(index)];
    if (button.state == state)
        return;
    button.state = state;
    if (frameWidget_) {
        lookChanged_.push_back(index);
        lookChangedArea_ += button.rect;
        frameWidget_->update(button.rect);
    }
}

// Events of the window.

bool TSkinnedWindow::eventFilter(QObject* watched, QEvent* event) {
    // A component that has gone (or lost its skin) leaves the window to
    // itself, even while the window is being destroyed.
    if (!component_ || !component_->hasSkin())
        return false;
    if (watched == frameWidget_.data())
        return frameEvent(event);
    if (watched != &window_)
        return false;
    if (showing_ && event->type() == QEvent::Show) {
        // The window settles its own size first (a message box fits its text).
        showing_ = false;
        static_cast<QObject&>(window_).event(event);
        apply();
        return true;
    }
    if (applied_)
        windowEvent(event);
    return false;
}

void TSkinnedWindow::windowEvent(QEvent* event) {
    switch (event->type()) {
    case QEvent::WindowActivate:
    case QEvent::WindowDeactivate:
        setActive(event->type() == QEvent::WindowActivate);
        break;
    case QEvent::Resize:
    case QEvent::WindowStateChange:
    case QEvent::WindowTitleChange:
    case QEvent::LayoutDirectionChange:
        frameChanged();
        break;
    case QEvent::WindowIconChange:
        if (framed_) {
            createCaptionButtons();
            frameChanged();
        }
        break;
    case QEvent::ChildAdded:
        // The frame stays above every child, even one reaching into it.
        if (frameWidget_ && static_cast<QChildEvent*>(event)->child()->isWidgetType())
            frameWidget_->raise();
        break;
    default:
        break;
    }
}

void TSkinnedWindow::frameChanged() {
    if (!framed_)
        return;
    if (window_.size() != shapeSize_)
        rebuildShape();
    layoutCaption();
    frameWidget_->update();
}

void TSkinnedWindow::setActive(bool active) {
    if (active_ == active)
        return;
    active_ = active;
    if (active) {
        buttonTimer_.start();
    } else {
        buttonTimer_.stop();
        if (current_ >= 0)
            buttons_[static_cast<std::size_t>(current_)].state = CaptionButtonState::Normal;
        current_ = -1;
    }
    frameChanged();
}

} // namespace tessarin::skin
