#include "TGridColumns.h"

#include "TDataGrid.h"

#include <algorithm>

namespace tessarin::grid {

TGridColumn& TGridColumns::Add() {
    columns_.push_back(std::make_unique<TGridColumn>(*this));
    grid_.columnsChanged();
    return *columns_.back();
}

void TGridColumns::Clear() {
    columns_.clear();
    grid_.columnsChanged();
}

int TGridColumns::indexOf(const TGridColumn& column) const {
    const auto found = std::find_if(columns_.begin(), columns_.end(),
                                    [&column](const auto& item) { return item.get() == &column; });
    return found == columns_.end() ? -1 : static_cast<int>(found - columns_.begin());
}

void TGridColumns::bind(const data::DataSet* dataSet) {
    for (const auto& column : columns_)
        column->bind(dataSet);
}

} // namespace tessarin::grid
