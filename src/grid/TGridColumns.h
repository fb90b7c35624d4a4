#pragma once

#include "TGridColumn.h"

#include <memory>
#include <vector>

namespace tessarin::grid {

class TDataGrid;

// A grid's column list, in display order. Owns its columns; references to a
// column stay valid until it is removed.
class TGridColumns {
public:
    explicit TGridColumns(TDataGrid& grid) : grid_(grid) {}
    TGridColumns(const TGridColumns&) = delete;
    TGridColumns& operator=(const TGridColumns&) = delete;

    // Appends a column with every property at its default.
    TGridColumn& Add();
    void Clear();
    int Count() const noexcept { return static_cast<int>(columns_.size()); }
    TGridColumn& operator[](int index) { return *columns_.at(static_cast<std::size_t>(index)); }
    const TGridColumn& operator[](int index) const { return *columns_.at(static_cast<std::size_t>(index)); }
    int indexOf(const TGridColumn& column) const;

    TDataGrid& Grid() const noexcept { return grid_; }

    // Binds every column to the data set's fields, or unbinds them all for
    // none (a closed or absent data set).
    void bind(const data::DataSet* dataSet);

private:
    TDataGrid& grid_;
    std::vector<std::unique_ptr<TGridColumn>> columns_;
};

} // namespace tessarin::grid
