#include "GridSearch.h"

#include "GridNavigator.h"
#include "TDataGrid.h"
#include "data/DataSet.h"

#include <QLocale>

namespace tessarin::grid {
namespace {

// Holds the grid's repainting off for a scope.
class RepaintPause {
public:
    explicit RepaintPause(TDataGrid& grid) : grid_(grid), was_(grid.updatesEnabled()) { grid_.setUpdatesEnabled(false); }
    ~RepaintPause() { grid_.setUpdatesEnabled(was_); }
    RepaintPause(const RepaintPause&) = delete;
    RepaintPause& operator=(const RepaintPause&) = delete;

private:
    TDataGrid& grid_;
    bool was_;
};

} // namespace

bool cellMatches(const QString& cell, const FindRequest& request) {
    const QLocale locale;
    const QString text = request.caseSensitive ? request.text : locale.toUpper(request.text);
    const QString value = request.caseSensitive ? cell : locale.toUpper(cell);
    switch (request.match) {
    case FindMatch::Anywhere:
        return value.contains(text);
    case FindMatch::WholeField:
        return value == text;
    case FindMatch::FieldStart:
        return value.startsWith(text);
    }
    return false;
}

void GridSearch::restart(std::vector<int> columns, FindDirection direction) {
    columns_ = std::move(columns);
    firstTry_ = true;
    columnIndex_ = direction == FindDirection::Up ? static_cast<int>(columns_.size()) - 1 : 0;
}

bool GridSearch::find(TDataGrid* grid, const FindRequest& request) {
    if (!grid || !grid->openDataSet() || columns_.empty())
        return false;
    const RepaintPause pause(*grid);
    const int rememberedRecord = grid->openDataSet()->recNo();
    const int rememberedRow = grid->currentRow();
    if (search(*grid, request))
        return true;
    GridNavigator(*grid).toRecord(rememberedRecord);
    grid->scrollCurrentToRow(rememberedRow);
    return false;
}

bool GridSearch::search(TDataGrid& grid, const FindRequest& request) {
    const bool forward = (request.direction != FindDirection::Up) != request.reversed;
    GridNavigator navigator(grid);
    if (request.direction == FindDirection::All && firstTry_)
        navigator.first();
    const data::DataSet& set = *grid.openDataSet();
    Cell cell{set.recNo(), columnIndex_};
    bool more = !set.isEmpty() && (firstTry_ || stepOn(cell, forward, set.recordCount()));
    while (more && !cellMatches(cellText(grid, cell), request))
        more = stepOn(cell, forward, set.recordCount());
    columnIndex_ = cell.column;
    if (!more)
        return false;
    navigator.toRecord(cell.record);
    firstTry_ = false;
    return true;
}

bool GridSearch::stepOn(Cell& cell, bool forward, int recordCount) const {
    const int last = static_cast<int>(columns_.size()) - 1;
    if (forward) {
        if (cell.column < last) {
            ++cell.column;
            return true;
        }
        cell.column = 0;
        return ++cell.record <= recordCount;
    }
    if (cell.column > 0) {
        --cell.column;
        return true;
    }
    cell.column = last;
    return --cell.record >= 1;
}

QString GridSearch::cellText(const TDataGrid& grid, Cell cell) const {
    // The fields hold text without a display format, so the display text and
    // the value as text are the same; an unbound column reads as empty.
    const int index = columns_[static_cast<std::size_t>(cell.column)];
    if (index >= grid.Columns().Count())
        return {};
    const auto& field = grid.Columns()[index].Field();
    return field ? field->DisplayText(cell.record) : QString();
}

} // namespace tessarin::grid
