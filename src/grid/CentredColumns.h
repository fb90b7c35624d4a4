#pragma once

#include "widgets/TFont.h"

#include <optional>
#include <span>

namespace tessarin::grid {

class TDataGrid;

// The program's grids all work alike: a title row, column and row lines,
// whole rows selected, no editing, both scroll bars following their thumbs;
// and every column is centred under a centred title on the button-highlight
// colour.
struct CentredColumn {
    const char* fieldName;
    const char* title;
    int width;
};

// Gives a grid the options and scroll bars all the program's grids have.
void setUpListGrid(TDataGrid& grid);

// Appends the columns. Their titles take `titleFont` when one is given;
// otherwise they go on following the grid's title font.
void addCentredColumns(TDataGrid& grid, std::span<const CentredColumn> columns,
                       const std::optional<widgets::TFont>& titleFont);

} // namespace tessarin::grid
