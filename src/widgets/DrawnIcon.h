#pragma once

#include <QIcon>
#include <QImage>

#include <functional>
#include <span>

class QPainter;

namespace tessarin::widgets {

// A picture drawn in code: `draw` paints on a square of `designSize` units,
// antialiased on a transparent ground, scaled to `size` pixels.
QImage drawnPicture(int size, qreal designSize, const std::function<void(QPainter&)>& draw);

// An icon holding the drawn picture at each of `sizes` pixels.
QIcon drawnIcon(std::span<const int> sizes, qreal designSize, const std::function<void(QPainter&)>& draw);

} // namespace tessarin::widgets
