#include "AutoScroll.h"

#include <algorithm>

namespace tessarin::grid {
namespace {

// Where a coordinate lies against two edges that both count as outside:
// -1 at or before the first, 1 at or after the second, 0 strictly between;
// and how far beyond the edge on its side.
struct Side {
    int sign = 0;
    int distance = 0;
};

Side sideOf(int value, int firstEdge, int secondEdge) {
    if (value <= firstEdge)
        return {-1, firstEdge - value};
    if (value >= secondEdge)
        return {1, value - secondEdge};
    return {};
}

} // namespace

AutoScrollStep autoScrollStep(QRect area, QPoint pointer) {
    // Vertically the edges are the first row's top and the bottom below the
    // last row; horizontally the pixels just outside the columns.
    const Side vertical = sideOf(pointer.y(), area.top(), area.top() + area.height());
    const Side horizontal = sideOf(pointer.x(), area.left() - 1, area.left() + area.width());
    if (vertical.sign == 0 && horizontal.sign == 0)
        return {true, 0, 0, 0};
    const int d = std::max(vertical.distance, horizontal.distance);
    return {false, vertical.sign * std::min(d / 6, 8), horizontal.sign, std::max(0, 200 - 15 * d)};
}

} // namespace tessarin::grid
