#pragma once

// How the skin draws a window's frame: the four borders and the caption bar
// with its text and buttons. The painter is handed what the frame looks like
// now and decides which frame of each picture to draw.

#include "SkinData.h"

#include <QFont>
#include <QPainter>
#include <QPixmap>
#include <QRect>
#include <QSize>
#include <QString>

#include <vector>

namespace tessarin::skin {

// One caption button as it is to be drawn: a frame of its picture stretched
// to its rectangle, or, for the window icon, the icon at its corner.
struct CaptionButtonLook {
    const TSkinCaptionButtonElement* element = nullptr;
    int frame = 1;
    QRect rect;
    QPixmap icon;  // set for the icon button
};

struct FrameLook {
    QSize size;
    FrameSizes frame;
    bool active = true;
    QString text;    // as drawn, spaces included
    QFont font;
    QRect textRect;  // where the text goes; it is cut with an ellipsis to fit
    std::vector<CaptionButtonLook> buttons;
};

// The frame of a border picture: the first while the window is active or
// when the picture has one frame, else the second.
int borderFrame(const TSkinElement& border, bool active);

// The left, right and bottom borders, then the top border across the
// caption bar, each copied opaquely in nine parts around its fixed parts.
void paintBorders(QPainter& painter, const SkinData& skin, const FrameSizes& frame, QSize size, bool active);

// The borders, then the caption bar: its text in the caption colour of the
// window's activity over the text background picture when the skin has one,
// and the caption buttons.
void paintFrame(QPainter& painter, const SkinData& skin, const FrameLook& look);

} // namespace tessarin::skin
