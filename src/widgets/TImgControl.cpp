#include "TImgControl.h"

#include <QEnterEvent>
#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

namespace tessarin::widgets {

TImgControl::TImgControl(QWidget* parent) : QWidget(parent) {
    // No background of its own: the parent shows through wherever the
    // picture is transparent.
    setAutoFillBackground(false);
}

void TImgControl::setCaption(const QString& caption) {
    if (caption == caption_)
        return;
    caption_ = caption;
    repaint();
}

void TImgControl::setImgNormal(const QImage& picture) { setPicture(ImgRole::Normal, picture); }
void TImgControl::setImgEnter(const QImage& picture) { setPicture(ImgRole::Enter, picture); }
void TImgControl::setImgDown(const QImage& picture) { setPicture(ImgRole::Down, picture); }
void TImgControl::setImgDisable(const QImage& picture) { setPicture(ImgRole::Disable, picture); }
void TImgControl::setImgCheck(const QImage& picture) { pictures_.setPicture(ImgRole::Check, picture); }

void TImgControl::setPicture(ImgRole role, const QImage& picture) {
    pictures_.setPicture(role, picture);
    repaint();
}

void TImgControl::setImgButtonLayout(TImgControlLayout layout) {
    if (layout == layout_)
        return;
    layout_ = layout;
    repaint();
}

void TImgControl::setSpacing(int spacing) {
    if (spacing == spacing_)
        return;
    spacing_ = spacing;
    repaint();
}

void TImgControl::setImgManager(TImgManager* manager) {
    manager_ = manager;
    repaintLook();
}

void TImgControl::Click() { emit OnClick(this); }

void TImgControl::repaintLook() {
    repaint();
    if (autoRepaintParent_ && parentWidget())
        parentWidget()->repaint();
}

void TImgControl::hover(TImgState state) {
    if (!isEnabled() || pressed_ || state_ == isCheck)
        return;
    state_ = state;
    repaintLook();
}

void TImgControl::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    hover(isEnter);
}

void TImgControl::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    hover(isNormal);
}

void TImgControl::leftButtonDown() {
    if (!isEnabled() || state_ == isCheck)
        return;
    state_ = isDown;
    pressed_ = true;
    emit OnStateChange(this);
    repaintLook();
}

void TImgControl::mousePressEvent(QMouseEvent* event) {
    QWidget::mousePressEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    clickPending_ = true;
    leftButtonDown();
}

void TImgControl::mouseDoubleClickEvent(QMouseEvent* event) {
    // The second press of a double-click raises OnDblClick and counts as a
    // press, but its release is no click.
    if (event->button() != Qt::LeftButton)
        return;
    emit OnDblClick(this);
    leftButtonDown();
}

void TImgControl::mouseReleaseEvent(QMouseEvent* event) {
    QWidget::mouseReleaseEvent(event);
    if (event->button() != Qt::LeftButton)
        return;
    const bool click = clickPending_ && rect().contains(event->position().toPoint());
    clickPending_ = false;
    if (click)
        Click();
    if (!isEnabled() || state_ == isCheck)
        return;
    state_ = isUnderCursor(*event) ? isEnter : isNormal;
    pressed_ = false;
    repaintLook();
}

bool TImgControl::isUnderCursor(const QMouseEvent& event) const {
    // The control that lies under the cursor's screen position, disabled
    // controls included; a sibling above this one hides it.
    const QWidget* top = window();
    const QPoint at = top->mapFromGlobal(event.globalPosition().toPoint());
    return top->childAt(at) == this;
}

void TImgControl::changeEvent(QEvent* event) {
    QWidget::changeEvent(event);
    switch (event->type()) {
    case QEvent::EnabledChange:
        state_ = isNormal;
        pressed_ = false;
        repaint();
        break;
    case QEvent::FontChange:
        repaint();
        break;
    default:
        break;
    }
}

void TImgControl::takeManagerPictures() {
    if (!manager_)
        return;
    for (std::size_t i = 0; i < imgRoleCount; ++i) {
        const auto role = static_cast<ImgRole>(i);
        if (!manager_->pictures().picture(role).isNull())
            pictures_.setPicture(role, manager_->pictures().picture(role));
    }
}

void TImgControl::fillEmptyPicturesFromNormal() {
    // ImgCheck is never filled this way: an empty one shows nothing.
    for (const ImgRole role : {ImgRole::Enter, ImgRole::Down, ImgRole::Disable}) {
        if (pictures_.picture(role).isNull())
            pictures_.setPicture(role, ImgNormal());
    }
}

const QImage& TImgControl::pictureToShow() const {
    if (!isEnabled())
        return ImgDisable();
    switch (state_) {
    case isEnter:
        return ImgEnter();
    case isDown:
        return ImgDown();
    case isCheck:
        return ImgCheck();
    case isNormal:
        break;
    }
    return ImgNormal();
}

ImgPlacement TImgControl::placement(QSize picture, const QFontMetrics& metrics) const {
    ImgPlacementInput input;
    input.control = size();
    input.picture = picture;
    input.caption = QSize(metrics.horizontalAdvance(caption_), metrics.height());
    input.hasCaption = !caption_.isEmpty();
    input.layout = layout_;
    input.spacing = spacing_;
    input.state = state_;
    input.enterOffset = enterOffset_;
    input.downOffset = downOffset_;
    return placeImgAndCaption(input);
}

void TImgControl::paintEvent(QPaintEvent*) {
    takeManagerPictures();
    fillEmptyPicturesFromNormal();
    const QImage& picture = pictureToShow();
    if (picture.isNull())
        return; // not even the caption
    const QFontMetrics metrics(font());
    const ImgPlacement at = placement(picture.size(), metrics);
    QPainter painter(this);
    painter.drawImage(at.picture, picture);
    painter.setFont(font());
    painter.setPen(palette().color(QPalette::Active, QPalette::WindowText));
    painter.drawText(at.caption + QPoint(0, metrics.ascent()), caption_);
}

} // namespace tessarin::widgets
