#include "GridLayout.h"

#include <algorithm>

namespace tessarin::grid {

int GridLayout::capacity() const {
    return std::max(1, (clientSize_.height() - dataTop()) / (rowHeight_ + 1));
}

void GridLayout::setColumnWidths(std::vector<int> widths) {
    widths_ = std::move(widths);
    lefts_.assign(1, 0);
    for (const int width : widths_)
        lefts_.push_back(lefts_.back() + width + 1);
    leftColumn_ = std::min(leftColumn_, std::max(0, columnCount() - 1));
}

void GridLayout::setLeftColumn(int column) { leftColumn_ = std::clamp(column, 0, std::max(0, columnCount() - 1)); }

int GridLayout::lastColumnInSight() const {
    int last = leftColumn_ - 1;
    for (int c = leftColumn_; c < columnCount() && columnLeft(c) < clientSize_.width(); ++c)
        last = c;
    return last;
}

QRect GridLayout::titleCell(int column) const {
    return QRect(columnLeft(column), 0, widths_[static_cast<std::size_t>(column)], titleHeight_);
}

QRect GridLayout::dataCell(int row, int column) const {
    return QRect(columnLeft(column), rowTop(row), widths_[static_cast<std::size_t>(column)], rowHeight_);
}

QRect GridLayout::dataRow(int row) const {
    const int last = lastColumnInSight();
    if (last < leftColumn_)
        return {};
    return dataCell(row, leftColumn_).united(dataCell(row, last));
}

int GridLayout::columnOfX(int x) const {
    if (x < 0 || x >= clientSize_.width())
        return -1;
    for (int c = leftColumn_; c < columnCount(); ++c) {
        // A column's line belongs to the column.
        if (x <= columnLine(c))
            return c;
    }
    return -1;
}

GridHit GridLayout::hitTest(QPoint point) const {
    const int column = columnOfX(point.x());
    if (column < 0 || point.y() < 0 || point.y() >= clientSize_.height())
        return {};
    if (titleHeight_ > 0 && point.y() <= titleHeight_)
        return {GridHit::Title, -1, column};
    const int row = (point.y() - dataTop()) / (rowHeight_ + 1);
    if (row >= rowCount_)
        return {};
    return {GridHit::Data, row, column};
}

QRect GridLayout::dataArea() const {
    return QRect(0, dataTop(), std::min(columnsRight(), clientSize_.width()), rowsBottom() - dataTop());
}

bool GridLayout::columnsFit() const { return lefts_.back() <= clientSize_.width(); }

int GridLayout::maxLeftColumn() const {
    int rest = 0;
    for (int c = columnCount() - 1; c >= 0; --c) {
        rest += widths_[static_cast<std::size_t>(c)] + 1;
        if (rest > clientSize_.width())
            return std::min(c + 1, columnCount() - 1);
    }
    return 0;
}

int GridLayout::columnsFullyInSight() const {
    int count = 0;
    for (int c = leftColumn_; c < columnCount(); ++c) {
        if (columnLine(c) > clientSize_.width())
            break;
        ++count;
    }
    return count;
}

} // namespace tessarin::grid
