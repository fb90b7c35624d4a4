#pragma once

// How the skin draws a scroll bar: arrows, shaft and thumb from the
// "Scrollbar" picture's 23 frames and the shaft and thumb pictures.

#include "SkinData.h"

#include <QPainter>
#include <QSize>

namespace tessarin::skin {

// The parts along a bar; their numbers are the scroll requests a press on
// them makes (line up, line down, page up, page down, thumb track).
enum class ScrollBarPart { None = -1, FirstArrow = 0, SecondArrow = 1, TrackBefore = 2, TrackAfter = 3, Thumb = 5 };

struct ScrollBarLook {
    Qt::Orientation orientation = Qt::Vertical;
    QSize size;
    int arrowWidth = 16;      // the platform's scroll-arrow width
    bool available = true;    // the bar has a thumb: enabled, with room to scroll
    int thumbStart = 0;       // along the bar
    int thumbLength = 0;
    ScrollBarPart hot = ScrollBarPart::None;
    ScrollBarPart pressed = ScrollBarPart::None;
};

// The length of the bar along its orientation.
int scrollBarLength(const ScrollBarLook& look);

// The part at `position` along the bar.
ScrollBarPart scrollBarPartAt(const ScrollBarLook& look, int position);

// Whether the skin draws scroll bars at all.
bool hasScrollBarPicture(const SkinData& skin);

// The bar in the button face: the shaft, the two arrows and, when the bar is
// available, the thumb with its grip.
void paintScrollBar(QPainter& painter, const SkinData& skin, const ScrollBarLook& look);

} // namespace tessarin::skin
