#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <vector>

namespace tessarin::grid {

// Where a point of the grid's client area falls.
struct GridHit {
    enum Area { None, Title, Data };
    Area area = None;
    int row = -1;    // data row, 0 at the top (Data only)
    int column = -1; // index among the shown columns' list (Title and Data)
    friend bool operator==(const GridHit&, const GridHit&) = default;
};

// The grid's geometry in client coordinates, shared by painting and
// hit-testing. A title row (when shown) and every data row are followed by
// a one-pixel row line, every column by a one-pixel column line; columns
// start at the left edge from the first scrolled-in column. Recomputed only
// when something it depends on changes; painting only reads it.
class GridLayout {
public:
    // Height of the title cells, 0 for no title row.
    void setTitleHeight(int height) { titleHeight_ = height; }
    void setRowHeight(int height) { rowHeight_ = height; }
    // Widths of the columns the grid shows, in display order.
    void setColumnWidths(std::vector<int> widths);
    void setClientSize(QSize size) { clientSize_ = size; }
    // The first column in sight (the horizontal scroll position).
    void setLeftColumn(int column);
    // Data rows drawn: the records in the window, or the one blank row.
    void setRowCount(int rows) { rowCount_ = rows; }

    int titleHeight() const noexcept { return titleHeight_; }
    int rowHeight() const noexcept { return rowHeight_; }
    QSize clientSize() const noexcept { return clientSize_; }
    int columnCount() const noexcept { return static_cast<int>(widths_.size()); }
    int leftColumn() const noexcept { return leftColumn_; }
    int rowCount() const noexcept { return rowCount_; }

    // How many data rows fit below the title row: the record buffer size.
    int capacity() const;
    // Top of the first data row.
    int dataTop() const { return titleHeight_ > 0 ? titleHeight_ + 1 : 0; }
    // Top of a data row's cells; its line lies rowHeight() below.
    int rowTop(int row) const { return dataTop() + row * (rowHeight_ + 1); }
    // Below the last drawn row's line.
    int rowsBottom() const { return rowTop(rowCount_); }

    // Left edge of a column's cell (negative for columns scrolled out).
    int columnLeft(int column) const { return lefts_[static_cast<std::size_t>(column)] - lefts_[leftIndex()]; }
    // The column's line, right of its cell.
    int columnLine(int column) const { return columnLeft(column) + widths_[static_cast<std::size_t>(column)]; }
    // Right of the last column's line.
    int columnsRight() const { return columnLeft(columnCount()); }
    // Columns from leftColumn() on that are at least partly in sight.
    int lastColumnInSight() const;

    // Cell rectangles, without their lines.
    QRect titleCell(int column) const;
    QRect dataCell(int row, int column) const;
    // The whole row of data cells, from the first column in sight to the
    // right edge of the last one, without its line.
    QRect dataRow(int row) const;

    GridHit hitTest(QPoint point) const;
    // The data rows as a drag sees them: from the top of the first data row
    // to below the last row's line, from the left edge to the right of the
    // last column in sight (or the client's right edge).
    QRect dataArea() const;

    // Whether every column fits the client width side by side.
    bool columnsFit() const;
    // The largest useful left column: the first one from which the rest fit.
    int maxLeftColumn() const;
    // Columns entirely in sight from the left column on.
    int columnsFullyInSight() const;

private:
    int columnOfX(int x) const;
    std::size_t leftIndex() const { return static_cast<std::size_t>(leftColumn_); }

    int titleHeight_ = 0;
    int rowHeight_ = 0;
    std::vector<int> widths_;
    // Left edges of the columns, and after the last one, counted from the
    // first column's left edge.
    std::vector<int> lefts_{0};
    QSize clientSize_;
    int leftColumn_ = 0;
    int rowCount_ = 1;
};

} // namespace tessarin::grid
