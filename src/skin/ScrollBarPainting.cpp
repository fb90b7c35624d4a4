#include "ScrollBarPainting.h"

#include "SkinPainting.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tessarin::skin {
namespace {

// Normal, pressed and hot frames of each drawn part.
struct PartFrames {
    int normal;
    int pressed;
    int hot;
};
constexpr PartFrames upArrow{9, 10, 12};
constexpr PartFrames downArrow{13, 14, 16};
constexpr PartFrames leftArrow{1, 2, 4};
constexpr PartFrames rightArrow{5, 6, 8};
constexpr PartFrames verticalGrip{20, 21, 22};
constexpr PartFrames horizontalGrip{17, 18, 19};
constexpr PartFrames thumbFrames{1, 2, 3};

int pick(const PartFrames& frames, bool pressed, bool hot) {
    return pressed ? frames.pressed : hot ? frames.hot : frames.normal;
}

// The frame of the "Scrollbar" picture for an arrow or the thumb's grip.
int scrollBarFrame(Qt::Orientation orientation, ScrollBarPart part, bool pressed, bool hot) {
    const bool upright = orientation == Qt::Vertical;
    switch (part) {
    case ScrollBarPart::FirstArrow:
        return pick(upright ? upArrow : leftArrow, pressed, hot);
    case ScrollBarPart::SecondArrow:
        return pick(upright ? downArrow : rightArrow, pressed, hot);
    case ScrollBarPart::Thumb:
        return pick(upright ? verticalGrip : horizontalGrip, pressed, hot);
    default:
        return 1;
    }
}

bool vertical(const ScrollBarLook& look) { return look.orientation == Qt::Vertical; }

int breadth(const ScrollBarLook& look) { return vertical(look) ? look.size.width() : look.size.height(); }

// A rectangle from a span along the bar and one across it.
QRect along(const ScrollBarLook& look, int start, int length, int across) {
    return vertical(look) ? QRect(0, start, across, length) : QRect(start, 0, length, across);
}

const TSkinElement* named(const SkinData& skin, const char* name) { return skin.element(QString::fromLatin1(name)); }

void drawShaft(QPainter& painter, const SkinData& skin, const ScrollBarLook& look, int arrow) {
    const TSkinElement* shaft = named(skin, vertical(look) ? "VertScroll" : "HorzScroll");
    const TSkinElement* horizontal = named(skin, "HorzScroll");
    if (!shaft)
        return;
    const QRect frame = shaft->frameRect(look.available ? 1 : 3);
    drawNinePart(painter, shaft->image, frame, along(look, arrow, scrollBarLength(look) - 2 * arrow, breadth(look)),
                 shaft->margins(), horizontal && horizontal->tiled, shaft->transparent);
}

void drawArrows(QPainter& painter, const TSkinElement& buttons, const ScrollBarLook& look, int arrow) {
    const std::array<ScrollBarPart, 2> parts{ScrollBarPart::FirstArrow, ScrollBarPart::SecondArrow};
    for (ScrollBarPart part : parts) {
        const int start = part == ScrollBarPart::FirstArrow ? 0 : scrollBarLength(look) - arrow;
        const int frame = scrollBarFrame(look.orientation, part, look.pressed == part, look.hot == part);
        drawSingleFrame(painter, buttons, frame, along(look, start, arrow, breadth(look)));
    }
}

void drawThumb(QPainter& painter, const SkinData& skin, const TSkinElement& buttons, const ScrollBarLook& look,
               int across) {
    const TSkinElement* thumb = named(skin, vertical(look) ? "VertScrollThumb" : "HorzScrollThumb");
    const TSkinElement* horizontal = named(skin, "HorzScrollThumb");
    const bool pressed = look.pressed == ScrollBarPart::Thumb;
    const bool hot = look.hot == ScrollBarPart::Thumb;
    const QRect area = along(look, look.thumbStart, look.thumbLength, across);
    if (thumb && horizontal) {
        const int width = thumb->image.width() / std::max(horizontal->frameCount, 1);
        const QRect source((pick(thumbFrames, pressed, hot) - 1) * width, 0, width, thumb->image.height());
        drawNinePart(painter, thumb->image, source, area, thumb->margins(), thumb->tiled, horizontal->transparent);
    }
    const QSize grip(buttons.frameWidth(), buttons.image.height());
    const int gripLength = vertical(look) ? grip.height() : grip.width();
    if (look.thumbLength <= gripLength - 2)
        return;
    QRect gripArea(QPoint(), vertical(look) ? QSize(across, grip.height()) : QSize(grip.width(), across));
    gripArea.moveCenter(area.center());
    drawSingleFrame(painter, buttons, scrollBarFrame(look.orientation, ScrollBarPart::Thumb, pressed, hot), gripArea);
}

} // namespace

int scrollBarLength(const ScrollBarLook& look) { return vertical(look) ? look.size.height() : look.size.width(); }

ScrollBarPart scrollBarPartAt(const ScrollBarLook& look, int position) {
    if (position < look.arrowWidth)
        return ScrollBarPart::FirstArrow;
    if (position >= scrollBarLength(look) - look.arrowWidth)
        return ScrollBarPart::SecondArrow;
    if (!look.available || position < look.thumbStart)
        return ScrollBarPart::TrackBefore;
    return position < look.thumbStart + look.thumbLength ? ScrollBarPart::Thumb : ScrollBarPart::TrackAfter;
}

bool hasScrollBarPicture(const SkinData& skin) {
    const TSkinElement* buttons = named(skin, "Scrollbar");
    return buttons && !buttons->image.isNull();
}


void paintScrollBar(QPainter& painter, const SkinData& skin, const ScrollBarLook& look) {
    if (!hasScrollBarPicture(skin))
        return;
    const TSkinElement& buttons = *named(skin, "Scrollbar");
    const int pictureHeight = buttons.image.height();
    const int across = std::abs(pictureHeight - look.arrowWidth) > 2 ? look.arrowWidth : pictureHeight;
    const int length = scrollBarLength(look);
    const int arrow = length < 2 * look.arrowWidth ? length / 2 : look.arrowWidth;
    painter.fillRect(QRect(QPoint(), look.size), skin.colours[SkinColourSlot::ButtonFace]);
    drawShaft(painter, skin, look, arrow);
    drawArrows(painter, buttons, look, arrow);
    if (look.available)
        drawThumb(painter, skin, buttons, look, across);
}

} // namespace tessarin::skin
