#include "TPanel.h"

namespace tessarin::widgets {

TPanel::TPanel(QWidget* parent) : QFrame(parent) {
    setFrameShape(QFrame::NoFrame);
    setAutoFillBackground(true);
    setColor(clBtnFace);
}

void TPanel::setColor(TColor color) {
    color_ = color;
    QPalette colours = palette();
    colours.setColor(QPalette::Window, color.toQColor());
    setPalette(colours);
}

} // namespace tessarin::widgets
