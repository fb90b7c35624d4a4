#include "TPaintControl.h"

#include "TColor.h"

#include <QPainter>

namespace tessarin::widgets {

TPaintControl::TPaintControl(QWidget* parent) : QWidget(parent), color_(clBtnFace.toQColor()) {
    // The panel paints every pixel itself.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

QColor TPaintControl::Color() const { return parentColor_ ? palette().color(QPalette::Window) : color_; }

void TPaintControl::setColor(const QColor& color) {
    if (!parentColor_ && color == color_)
        return;
    color_ = color;
    parentColor_ = false;
    update();
}

void TPaintControl::setParentColor(bool parentColor) {
    if (parentColor == parentColor_)
        return;
    parentColor_ = parentColor;
    update();
}

void TPaintControl::setBorderStyle(TBorderStyle style) {
    if (style == borderStyle_)
        return;
    borderStyle_ = style;
    update();
}

void TPaintControl::setBorderWidth(int width) {
    if (width == borderWidth_)
        return;
    borderWidth_ = width;
    // The contents margins are what a layout on the panel places children in.
    setContentsMargins(width, width, width, width);
    update();
}

void TPaintControl::setBorderColor(const QColor& color) {
    if (color == borderColor_)
        return;
    borderColor_ = color;
    update();
}

void TPaintControl::drawNow(const std::function<void(QPainter&)>& drawing) {
    extraDrawing_ = drawing;
    repaint();
    extraDrawing_ = nullptr;
}

void TPaintControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    // Canvas() is valid only while this paint runs, however it ends.
    struct CanvasScope {
        QPainter*& canvas;
        ~CanvasScope() { canvas = nullptr; }
    } scope{canvas_ = &painter};
    fillBackground(painter);
    drawBorder(painter);
    emit OnPaint(this);
    if (extraDrawing_)
        extraDrawing_(painter);
}

void TPaintControl::fillBackground(QPainter& painter) const {
    // The brush stays at the panel's colour, for OnPaint handlers that fill
    // shapes with "the current brush".
    painter.setBrush(Color());
    painter.fillRect(rect(), painter.brush());
}

void TPaintControl::drawBorder(QPainter& painter) const {
    if (borderStyle_ != bsSingle)
        return;
    // Width 0 draws one-pixel lines. The outline runs through the centres of
    // the edge pixels.
    QPen pen(borderColor_);
    pen.setWidth(std::max(1, borderWidth_));
    pen.setJoinStyle(Qt::MiterJoin);
    painter.setPen(pen);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.setPen(Qt::NoPen);
}

} // namespace tessarin::widgets
