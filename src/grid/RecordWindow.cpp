#include "RecordWindow.h"

#include <algorithm>

namespace tessarin::grid {

void RecordWindow::clear() {
    top_ = 1;
    rows_ = 0;
}

void RecordWindow::reset(int currentRecord, int recordCount, int capacity) {
    capacity_ = std::max(1, capacity);
    place(currentRecord, recordCount);
}

void RecordWindow::follow(int currentRecord, int recordCount) {
    int top = top_;
    if (currentRecord < top)
        top = currentRecord;
    else if (currentRecord >= top + capacity_)
        top = currentRecord - capacity_ + 1;
    place(top, recordCount);
}

void RecordWindow::resync(int currentRecord, int recordCount, int capacity) {
    const int row = std::clamp(currentRecord - top_, 0, std::max(0, rows_ - 1));
    capacity_ = std::max(1, capacity);
    place(currentRecord - std::min(row, capacity_ - 1), recordCount);
}

void RecordWindow::showOnRow(int currentRecord, int row, int recordCount) {
    place(currentRecord - std::clamp(row, 0, capacity_ - 1), recordCount);
}

void RecordWindow::place(int top, int recordCount) {
    rows_ = std::min(capacity_, std::max(0, recordCount));
    // Fill every row: never start past the last full window, nor before 1.
    top_ = std::clamp(top, 1, std::max(1, recordCount - rows_ + 1));
}

} // namespace tessarin::grid
