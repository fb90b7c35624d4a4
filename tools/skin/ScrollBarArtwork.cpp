#include "ArtworkPainting.h"
#include "ArtworkPieces.h"

#include <QTransform>

#include <array>

namespace tessarin::skin::tools {
namespace {

constexpr int barSize = 17;
const QSize square(barSize, barSize);

// The looks of arrow buttons and shafts in frame order.
constexpr std::array<Look, 4> arrowLooks{Look::Normal, Look::Pressed, Look::Disabled, Look::Hot};
// The looks of thumbs and grips: normal, pressed, under the pointer.
constexpr std::array<Look, 4> thumbLooks{Look::Normal, Look::Pressed, Look::Hot, Look::Disabled};

enum class Direction { Left, Right, Up, Down };

// A solid triangle four pixels deep pointing in `direction`, centred in `area`.
void arrow(QPainter& painter, const QRect& area, Direction direction, const QColor& colour) {
    const QPoint centre = area.center();
    for (int step = 0; step < 4; ++step) {
        const int half = 3 - step;
        const int along = step - 2;  // from the base towards the tip
        switch (direction) {
        case Direction::Left:
            painter.fillRect(centre.x() - along, centre.y() - half, 1, 2 * half + 1, colour);
            break;
        case Direction::Right:
            painter.fillRect(centre.x() + along, centre.y() - half, 1, 2 * half + 1, colour);
            break;
        case Direction::Up:
            painter.fillRect(centre.x() - half, centre.y() - along, 2 * half + 1, 1, colour);
            break;
        case Direction::Down:
            painter.fillRect(centre.x() - half, centre.y() + along, 2 * half + 1, 1, colour);
            break;
        }
    }
}

// Three ridges across a thumb, on magenta so that the thumb shows around them.
void grip(QPainter& painter, const QRect& area, Qt::Orientation thumb, const Shade& shade) {
    for (int ridge = -1; ridge <= 1; ++ridge) {
        const int offset = 2 * ridge;
        if (thumb == Qt::Horizontal) {
            painter.fillRect(area.center().x() + offset, area.center().y() - 3, 1, 7, shade.outline);
        } else {
            painter.fillRect(area.center().x() - 3, area.center().y() + offset, 7, 1, shade.outline);
        }
    }
}

QImage transposed(const QImage& image) { return image.transformed(QTransform(0, 1, 1, 0, 0, 0)); }

// The strip of an orientation: drawn horizontal, each frame turned for vertical.
QImage orientedStrip(Qt::Orientation orientation, int count, const FramePainter& drawHorizontal) {
    return frameStrip(square, count, [&](QPainter& painter, const QRect& frame, int index) {
        QImage piece(square, QImage::Format_RGB32);
        piece.fill(palette::magenta);
        {
            QPainter piecePainter(&piece);
            drawHorizontal(piecePainter, piece.rect(), index);
        }
        painter.drawImage(frame.topLeft(), orientation == Qt::Horizontal ? piece : transposed(piece));
    });
}

} // namespace

// 23 frames: left, right, up and down arrows (normal, pressed, disabled, under
// the pointer each), the grip of a horizontal thumb and of a vertical thumb
// (normal, pressed, under the pointer each), and the size grip.
QImage scrollBarButtons() {
    return frameStrip(square, 23, [](QPainter& painter, const QRect& frame, int index) {
        if (index < 16) {
            const Shade shade = shadeOf(arrowLooks[index % 4]);
            raisedBox(painter, frame, shade);
            arrow(painter, frame, static_cast<Direction>(index / 4), shade.glyph);
        } else if (index < 22) {
            const int state = (index - 16) % 3;
            grip(painter, frame, index < 19 ? Qt::Horizontal : Qt::Vertical, shadeOf(thumbLooks[state]));
        } else {
            for (int step = 0; step < 3; ++step)
                painter.fillRect(frame.right() - 3 - 4 * step, frame.bottom() - 3, 2, 2, palette::steel);
        }
    });
}

// The track between the arrows: normal, pressed, unavailable, under the pointer.
QImage scrollShaft(Qt::Orientation orientation) {
    return orientedStrip(orientation, 4, [](QPainter& painter, const QRect& frame, int index) {
        const QColor base = index == 2 ? mix(palette::scrollbar, palette::white, 0.5)
                                       : mix(palette::scrollbar, palette::buttonFace, index == 1 ? 0.55 : 0.3);
        verticalGradient(painter, frame, mix(base, palette::steel, 0.12), mix(base, palette::white, 0.35));
        painter.fillRect(frame.left(), frame.top(), frame.width(), 1, palette::shadow);
        painter.fillRect(frame.left(), frame.bottom(), frame.width(), 1, palette::white);
    });
}

// The thumb: normal, pressed, under the pointer, disabled; it sits one pixel
// inside the bar on each side.
QImage scrollThumb(Qt::Orientation orientation) {
    return orientedStrip(orientation, 4, [](QPainter& painter, const QRect& frame, int index) {
        raisedBox(painter, frame.adjusted(0, 1, 0, -1), shadeOf(thumbLooks[index]));
    });
}

} // namespace tessarin::skin::tools
