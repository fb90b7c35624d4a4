#pragma once

namespace tessarin::data {
class DataSet;
}

namespace tessarin::grid {

class TDataGrid;

// The moves of the current record and of the columns that the grid's keys,
// scroll bars, wheel and drag make. Every record move goes through the data
// set, which the grid then follows; a move beyond the first or last record
// stops there. With the data set closed (or empty) nothing moves.
class GridNavigator {
public:
    explicit GridNavigator(TDataGrid& grid) : grid_(grid) {}

    // By a signed number of records.
    void moveBy(int records);
    // To a 1-based record number, by the difference from the current one.
    void toRecord(int recordNumber);
    void first();
    void last();
    // The records shown in the top and the bottom row.
    void toTopRow();
    void toBottomRow();
    // The record just above the top row / just below the bottom row, so the
    // rows scroll by one.
    void aboveTopRow();
    void belowBottomRow();
    // Back / forward by the number of data rows in sight.
    void pageBack();
    void pageForward();
    // The columns by whole columns (negative: to the left), when they do not
    // all fit; the current record stays.
    void scrollColumns(int columns);

private:
    data::DataSet* records() const;

    TDataGrid& grid_;
};

} // namespace tessarin::grid
