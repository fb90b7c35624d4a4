#pragma once

#include "GridLayout.h"
#include "GridOptions.h"
#include "widgets/TColor.h"

#include <QRegion>

#include <vector>

class QPainter;

namespace tessarin::grid {

class TGridColumn;

// Everything one paint of the grid reads, gathered by the grid.
struct GridPaintState {
    const GridLayout* layout = nullptr;
    // The columns the layout places, in its order.
    std::vector<const TGridColumn*> columns;
    TGridOptions options;
    TGridOptionsExt optionsExt;
    widgets::TColor color;
    widgets::TColor fixedColor;
    widgets::TColor oddRowColor;
    widgets::TColor evenRowColor;
    // False: the data set is closed, absent or empty, and the one data row
    // is blank.
    bool showsRecords = false;
    // Record number shown in the top row (when showsRecords).
    int topRecord = 0;
    // The current record's row; the blank row when there are no records.
    int currentRow = 0;
    bool focused = false;
};

// Paints the grid's client area in named steps: lines, title cells, data
// cells, the area beyond the cells, the focus rectangle. Cells outside the
// region to repaint are skipped.
class GridPainter {
public:
    GridPainter(QPainter& painter, const GridPaintState& state, const QRegion& dirty);
    void paint();

private:
    void paintLines();
    void paintTitleCells();
    void paintTitleCell(int column);
    void paintDataCells();
    void paintDataCell(int row, int column);
    void paintBeyondCells();
    void paintFocusRect();

    widgets::TColor dataBackground(const TGridColumn& column, int row) const;
    bool highlighted(int row) const;

    QPainter& painter_;
    const GridPaintState& state_;
    const GridLayout& layout_;
    QRegion dirty_;
};

// A dotted rectangle drawn by inverting every other pixel of the rectangle's
// edges; drawing it twice restores what was there.
void drawFocusRect(QPainter& painter, QRect rect);

} // namespace tessarin::grid
