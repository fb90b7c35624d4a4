#pragma once

// Drawing helpers of the skin artwork: the palette of the metallic look,
// strips of state frames on a magenta (transparent) ground, gradients and
// bevelled boxes drawn pixel-exact (no antialiasing, so magenta stays pure).

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QRect>

#include <cstdint>
#include <functional>
#include <span>
#include <string_view>
#include <vector>

namespace tessarin::skin::tools {

// The colours of the definition's "Colours" section and the shades between.
namespace palette {
inline const QColor buttonFace(146, 164, 230);
inline const QColor hilight(178, 180, 191);
inline const QColor shadow(157, 157, 161);
inline const QColor white(255, 255, 255);
inline const QColor black(0, 0, 0);
inline const QColor scrollbar(212, 208, 200);
inline const QColor outline(72, 86, 138);      // edges of raised parts
inline const QColor steel(96, 112, 168);       // deep metal
inline const QColor glyph(28, 34, 56);         // arrows, marks and symbols
inline const QColor disabled(186, 188, 198);   // greyed parts
inline const QColor magenta(255, 0, 255);      // transparent
} // namespace palette

// The states of a drawn control, in the order of their frames in most images.
enum class Look { Normal, Pressed, Disabled, Hot, Default };

// The colours of a raised part in a state.
struct Shade {
    QColor outline;
    QColor top;
    QColor bottom;
    QColor glyph;
};
Shade shadeOf(Look look);

QColor mix(const QColor& from, const QColor& to, double amount);

// An image of `count` frames of `frame` size side by side (or stacked), on
// magenta; `draw` paints frame `index` (from 0) into its rectangle.
using FramePainter = std::function<void(QPainter& painter, const QRect& frame, int index)>;
QImage frameStrip(QSize frame, int count, const FramePainter& draw);
QImage stackedFrames(QSize frame, int count, const FramePainter& draw);

void verticalGradient(QPainter& painter, const QRect& area, const QColor& top, const QColor& bottom);
void horizontalGradient(QPainter& painter, const QRect& area, const QColor& left, const QColor& right);
// A one-pixel rectangle outline inside `area`.
void outlineRect(QPainter& painter, const QRect& area, const QColor& colour);
// A raised box: gradient fill, outline, a light inner top line, and the
// outermost corner pixels left as they are (rounded on magenta).
void raisedBox(QPainter& painter, const QRect& area, const Shade& shade);
// A sunken well: dark top-left and light bottom-right edges around `fill`.
void sunkenWell(QPainter& painter, const QRect& area, const QColor& fill);

// A small symbol from rows of text: '#' is drawn, anything else is left;
// placed with its centre at the centre of `area`.
void drawPattern(QPainter& painter, const QRect& area, std::span<const std::string_view> rows, const QColor& colour);

// The image as a 24-bit Windows bitmap file.
std::vector<std::uint8_t> bitmapFile(const QImage& image);

} // namespace tessarin::skin::tools
