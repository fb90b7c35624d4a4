#pragma once

namespace tessarin::grid {

// Which consecutive records a grid's rows show: the record buffer. Rows are
// 0-based, record numbers 1-based. The window is as large as the rows that
// fit (its capacity) or the record count, whichever is smaller, and always
// holds the current record. When the current record moves, the window moves
// only as far as it must, so the current row stays where it was as long as
// the record is still in sight.
class RecordWindow {
public:
    // No records: nothing shown (the grid's blank row is not a record).
    void clear();
    // A freshly opened result: the current record in the top row.
    void reset(int currentRecord, int recordCount, int capacity);
    // The current record moved: scroll just far enough to show it.
    void follow(int currentRecord, int recordCount);
    // Records were reordered or removed, or the capacity changed: keep the
    // current record on its row as far as the records allow.
    void resync(int currentRecord, int recordCount, int capacity);
    // Put the current record on a given row, as far as the records allow
    // (every row stays filled).
    void showOnRow(int currentRecord, int row, int recordCount);

    int rowCount() const noexcept { return rows_; }
    int capacity() const noexcept { return capacity_; }
    // The record shown in the top row; 0 when nothing is shown.
    int topRecord() const noexcept { return rows_ > 0 ? top_ : 0; }
    int recordAt(int row) const noexcept { return top_ + row; }
    int rowOf(int record) const noexcept { return record - top_; }

private:
    void place(int top, int recordCount);

    int top_ = 1;
    int rows_ = 0;
    int capacity_ = 1;
};

} // namespace tessarin::grid
