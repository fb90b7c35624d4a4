#include "GridRowDrag.h"

#include "AutoScroll.h"
#include "GridNavigator.h"
#include "TDataGrid.h"

namespace tessarin::grid {

GridRowDrag::GridRowDrag(TDataGrid& grid) : grid_(grid) {
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &GridRowDrag::step);
}

void GridRowDrag::begin() { state_ = State::SelectingRows; }

void GridRowDrag::moveTo(QPoint pointer) {
    if (!active())
        return;
    pointer_ = pointer;
    step();
}

void GridRowDrag::end() {
    state_ = State::None;
    timer_.stop();
}

void GridRowDrag::step() {
    const GridLayout& layout = grid_.Layout();
    const AutoScrollStep scroll = autoScrollStep(layout.dataArea(), pointer_);
    if (scroll.inside) {
        timer_.stop();
        const GridHit hit = layout.hitTest(pointer_);
        if (hit.area == GridHit::Data)
            grid_.moveToRow(hit.row);
        return;
    }
    GridNavigator navigator(grid_);
    navigator.moveBy(scroll.records);
    if (scroll.columns != 0)
        navigator.scrollColumns(scroll.columns);
    timer_.start(scroll.delay);
}

} // namespace tessarin::grid
