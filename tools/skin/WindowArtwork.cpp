#include "ArtworkPainting.h"
#include "ArtworkPieces.h"

#include <array>

namespace tessarin::skin::tools {
namespace {

// The caption bar's height, and the fixed top and bottom parts of the side
// borders that continue the caption and the bottom border around the corners.
constexpr int captionHeight = 28;
constexpr int borderWidth = 5;
constexpr int sideBorderHeight = 40;

// The colours of the frame of an active or an inactive window. Across a
// border, from the outside in: edge, light, face, face, inner.
struct FrameShade {
    QColor captionTop;
    QColor captionBottom;
    std::array<QColor, borderWidth> profile;
};

FrameShade frameShade(bool active) {
    using namespace palette;
    if (active)
        return {QColor(226, 231, 248), mix(buttonFace, white, 0.1),
                {outline, QColor(236, 240, 252), buttonFace, buttonFace, QColor(118, 134, 196)}};
    return {QColor(238, 238, 242), QColor(200, 202, 212),
            {QColor(150, 152, 164), QColor(246, 246, 248), QColor(206, 208, 216), QColor(206, 208, 216), hilight}};
}

// The colour of the caption bar's row `y`, `depth` pixels in from the
// window's outer edge (the top border lies wholly inside).
QColor captionPixel(const FrameShade& shade, int y, int depth) {
    if (y == 0 || depth == 0)
        return shade.profile[0];
    if (y == 1 || depth == 1)
        return shade.profile[1];
    if (y == captionHeight - 1)
        return shade.profile[borderWidth - 1];
    return mix(shade.captionTop, shade.captionBottom, double(y - 2) / (captionHeight - 4));
}

// A pixel of the left border, `depth` columns in from the outer edge: the
// caption at the top, the profile down the side and, at the bottom, the
// nearer of the side and the bottom edge.
QColor sidePixel(const FrameShade& shade, int y, int depth) {
    if (y < captionHeight)
        return captionPixel(shade, y, depth);
    const int fromBottom = sideBorderHeight - 1 - y;
    return shade.profile[std::min(depth, std::min(fromBottom, borderWidth - 1))];
}

QImage sideBorder(bool outerEdgeLeft) {
    return frameStrip(QSize(borderWidth, sideBorderHeight), 2, [=](QPainter& painter, const QRect& frame, int index) {
        const FrameShade shade = frameShade(index == 0);
        for (int y = 0; y < sideBorderHeight; ++y) {
            for (int depth = 0; depth < borderWidth; ++depth) {
                const int x = frame.left() + (outerEdgeLeft ? depth : borderWidth - 1 - depth);
                // The outermost pixel of the first and last rows is cut from
                // the window's shape, rounding its corners.
                const bool corner = depth == 0 && (y == 0 || y == sideBorderHeight - 1);
                painter.fillRect(x, y, 1, 1, corner ? palette::magenta : sidePixel(shade, y, depth));
            }
        }
    });
}

using Pattern = std::array<std::string_view, 7>;

const Pattern& symbolPattern(CaptionSymbol symbol) {
    static const std::array<Pattern, 5> patterns{{
        {"##.....##", ".##...##.", "..##.##..", "...###...", "..##.##..", ".##...##.", "##.....##"},
        {"#########", "#########", "#.......#", "#.......#", "#.......#", "#.......#", "#########"},
        {"..#######", "..#######", "..#....#.", "#######.#", "#######.#", "#.....#..", "#######.."},
        {".........", ".........", ".........", ".........", ".........", "#######..", "#######.."},
        {"..#####..", ".##...##.", ".....##..", "....##...", "....##...", ".........", "....##..."},
    }};
    return patterns[static_cast<int>(symbol)];
}

// A button's colours; the close button warms to red under the pointer and
// when pressed.
Shade buttonShade(CaptionSymbol symbol, Look look) {
    Shade shade = shadeOf(look);
    if (symbol == CaptionSymbol::Close && (look == Look::Hot || look == Look::Pressed)) {
        const QColor red = look == Look::Hot ? QColor(214, 96, 84) : QColor(168, 58, 50);
        shade.top = mix(red, palette::white, 0.45);
        shade.bottom = red;
        shade.glyph = palette::white;
    }
    return shade;
}

void symbolButton(QPainter& painter, const QRect& area, CaptionSymbol symbol, Look look) {
    const Shade shade = buttonShade(symbol, look);
    raisedBox(painter, area, shade);
    drawPattern(painter, area, symbolPattern(symbol), shade.glyph);
}

} // namespace

QImage topBorder() {
    return stackedFrames(QSize(64, captionHeight), 2, [](QPainter& painter, const QRect& frame, int index) {
        const FrameShade shade = frameShade(index == 0);
        for (int y = 0; y < captionHeight; ++y)
            painter.fillRect(frame.left(), frame.top() + y, frame.width(), 1, captionPixel(shade, y, borderWidth));
    });
}

QImage bottomBorder() {
    return stackedFrames(QSize(16, borderWidth), 2, [](QPainter& painter, const QRect& frame, int index) {
        const FrameShade shade = frameShade(index == 0);
        for (int y = 0; y < borderWidth; ++y)
            painter.fillRect(frame.left(), frame.top() + y, frame.width(), 1, shade.profile[borderWidth - 1 - y]);
    });
}

QImage leftBorder() { return sideBorder(true); }
QImage rightBorder() { return sideBorder(false); }

// Frames: normal, pressed, under the pointer, disabled (also the look of an
// inactive window), then inactive under the pointer and inactive pressed.
QImage captionButton(CaptionSymbol symbol, bool disabled) {
    static constexpr std::array<Look, 6> looks{Look::Normal, Look::Pressed,  Look::Hot,
                                               Look::Disabled, Look::Hot, Look::Pressed};
    return frameStrip(QSize(32, 19), 6, [=](QPainter& painter, const QRect& frame, int index) {
        symbolButton(painter, frame.adjusted(1, 0, -1, 0), symbol, disabled ? Look::Disabled : looks[index]);
    });
}

// Minimize, restore and close of a maximized child window, four states each:
// normal, pressed, under the pointer, disabled.
QImage childWindowButtons() {
    static constexpr std::array<CaptionSymbol, 3> symbols{CaptionSymbol::Minimize, CaptionSymbol::Restore,
                                                          CaptionSymbol::Close};
    static constexpr std::array<Look, 4> looks{Look::Normal, Look::Pressed, Look::Hot, Look::Disabled};
    return frameStrip(QSize(16, 14), 12, [](QPainter& painter, const QRect& frame, int index) {
        symbolButton(painter, frame, symbols[index / 4], looks[index % 4]);
    });
}

QImage menuBar() {
    return frameStrip(QSize(16, 20), 2, [](QPainter& painter, const QRect& frame, int index) {
        const FrameShade shade = frameShade(index == 0);
        verticalGradient(painter, frame, shade.captionTop, shade.profile[2]);
        painter.fillRect(frame.left(), frame.bottom(), frame.width(), 1, shade.profile[borderWidth - 1]);
    });
}

} // namespace tessarin::skin::tools
