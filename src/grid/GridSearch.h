#pragma once

#include <QString>

#include <vector>

namespace tessarin::grid {

class TDataGrid;

// The match box's items, in their order.
enum class FindMatch { Anywhere, WholeField, FieldStart };
// The direction box's items, in their order: up, down, all (from the first
// record on the first try).
enum class FindDirection { Up, Down, All };

struct FindRequest {
    QString text;
    FindMatch match = FindMatch::Anywhere;
    FindDirection direction = FindDirection::All;
    bool caseSensitive = false;
    // Ctrl was held: search the other way.
    bool reversed = false;
};

// Whether a cell's text matches the searched text: contains it, equals it or
// starts with it. Without caseSensitive both are upper-cased first, as the
// user's locale does it.
bool cellMatches(const QString& cell, const FindRequest& request);

// The find dialog's search over a grid: the list of columns to search, the
// index of the column being examined and the first-try flag. The cursor
// walks cell by cell: forwards the next column of the list, after the last
// one the next record and the first column; backwards the other way round.
class GridSearch {
public:
    // A new search over columns of the grid's column list (by index), as the
    // text, direction or column changed: the first-try flag is set and the
    // column index starts at the last column for Up, the first otherwise.
    void restart(std::vector<int> columns, FindDirection direction);

    // One press of Find. With "all" on the first try the search starts at the
    // first record; after a success it steps on by one cell before looking,
    // so a repeated search continues after the last match. A match makes its
    // record current and clears the first-try flag. Without one (also for no
    // grid, a closed data set or no columns) the record that was current
    // returns to its row among the visible rows. The grid does not repaint
    // while the search runs.
    bool find(TDataGrid* grid, const FindRequest& request);

    bool firstTry() const noexcept { return firstTry_; }

private:
    struct Cell {
        int record; // 1-based
        int column; // index into columns_
    };
    bool stepOn(Cell& cell, bool forward, int recordCount) const;
    QString cellText(const TDataGrid& grid, Cell cell) const;
    bool search(TDataGrid& grid, const FindRequest& request);

    std::vector<int> columns_;
    int columnIndex_ = 0;
    bool firstTry_ = true;
};

} // namespace tessarin::grid
