#pragma once

#include <QPoint>
#include <QRect>

namespace tessarin::grid {

// One step of the auto-scroll while a row drag holds the pointer outside the
// data area.
struct AutoScrollStep {
    // The pointer is inside the area: no step, and the timer stops.
    bool inside = false;
    // Records to move the current record by, towards the pointer (negative
    // above the area).
    int records = 0;
    // Columns to scroll by, towards the pointer: -1 left of the area, 1 right
    // of it, 0 beside it.
    int columns = 0;
    // Milliseconds until the next step.
    int delay = 0;
    friend bool operator==(const AutoScrollStep&, const AutoScrollStep&) = default;
};

// The step for a pointer at `pointer` and the data area `area`, both in the
// grid's client coordinates. Inside means strictly between the area's top
// and bottom edges (the first row's top and the bottom below the last
// row) and within its columns. Outside, d is the larger of the
// pointer's distances beyond the top or bottom edge and beyond the left or
// right edge: above or below, min(d div 6, 8) records (none while d < 6);
// left or right, one column; the next step after max(0, 200 - 15 d) ms.
AutoScrollStep autoScrollStep(QRect area, QPoint pointer);

} // namespace tessarin::grid
