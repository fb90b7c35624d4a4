#pragma once

// The drawing rules shared by every skinned part: state frames, nine-part
// drawing around fixed margins, and magenta (255, 0, 255) as the colour that
// lets what lies below show through. Stretching copies pixels without
// blending.

#include "SkinElements.h"

#include <QImage>
#include <QMargins>
#include <QPainter>
#include <QRect>

namespace tessarin::skin {

inline const QColor transparentMagenta(255, 0, 255);

// A copy of the image in which magenta pixels are fully transparent.
QImage withMagentaTransparent(const QImage& image);

// Draws `source` of `image` into `target` in nine parts: the corners at their
// size, the edges stretched along, the centre stretched or, with `tiled`,
// tiled from its top-left corner. Margins that do not fit the target (left
// and right wider than it, top and bottom higher) count as 0.
void drawNinePart(QPainter& painter, const QImage& image, const QRect& source, const QRect& target,
                  QMargins margins, bool tiled, bool transparent);

// Frame `frame` (from 1) of the element, in nine parts with its margins, tile
// and transparency flags.
void drawElementFrame(QPainter& painter, const TSkinElement& element, int frame, const QRect& target);

// Frame `frame` stretched to the whole target, transparent in magenta.
void drawSingleFrame(QPainter& painter, const TSkinElement& element, int frame, const QRect& target);

// Each of the image's frames mirrored left to right in its place.
QImage mirroredFrames(const QImage& image, int frameCount);

} // namespace tessarin::skin
