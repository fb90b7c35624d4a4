#pragma once

#include <QIcon>

#include <functional>
#include <initializer_list>

class QPainter;

namespace tessarin::widgets {

// An icon drawn in code: `draw` paints one picture on a square of
// `designSize` units, antialiased on a transparent ground, and the icon holds
// it scaled to each of `sizes` pixels.
QIcon drawnIcon(std::initializer_list<int> sizes, qreal designSize, const std::function<void(QPainter&)>& draw);

} // namespace tessarin::widgets
