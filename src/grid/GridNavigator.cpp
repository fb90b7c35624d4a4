#include "GridNavigator.h"

#include "TDataGrid.h"
#include "data/DataSet.h"

namespace tessarin::grid {

data::DataSet* GridNavigator::records() const {
    data::DataSet* set = grid_.openDataSet();
    return set && !set->isEmpty() ? set : nullptr;
}

void GridNavigator::moveBy(int records) {
    if (data::DataSet* set = this->records(); set && records != 0)
        set->moveBy(records);
}

void GridNavigator::toRecord(int recordNumber) {
    if (const data::DataSet* set = records())
        moveBy(recordNumber - set->recNo());
}

void GridNavigator::first() {
    if (data::DataSet* set = records())
        set->first();
}

void GridNavigator::last() {
    if (data::DataSet* set = records())
        set->last();
}

void GridNavigator::toTopRow() { toRecord(grid_.recordWindow().topRecord()); }

void GridNavigator::toBottomRow() {
    const RecordWindow& window = grid_.recordWindow();
    toRecord(window.recordAt(window.rowCount() - 1));
}

void GridNavigator::aboveTopRow() { toRecord(grid_.recordWindow().topRecord() - 1); }

void GridNavigator::belowBottomRow() {
    const RecordWindow& window = grid_.recordWindow();
    toRecord(window.recordAt(window.rowCount()));
}

void GridNavigator::pageBack() { moveBy(-grid_.Layout().capacity()); }

void GridNavigator::pageForward() { moveBy(grid_.Layout().capacity()); }

void GridNavigator::scrollColumns(int columns) {
    if (grid_.openDataSet())
        grid_.setLeftCol(grid_.LeftCol() + columns);
}

} // namespace tessarin::grid
