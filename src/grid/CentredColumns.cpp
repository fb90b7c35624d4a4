#include "CentredColumns.h"

#include "TDataGrid.h"
#include "TGridColumn.h"
#include "TGridColumnTitle.h"
#include "TGridColumns.h"

namespace tessarin::grid {

void setUpListGrid(TDataGrid& grid) {
    grid.setOptions(dgTitles | dgColLines | dgRowLines | dgTabs | dgRowSelect | dgConfirmDelete | dgCancelOnExit);
    grid.setHorzScrollBar({.Tracking = true, .Visible = true});
    grid.setVertScrollBar({{.Tracking = true, .Visible = true}, TScrollBarVisibleMode::sbAutoShow});
}

void addCentredColumns(TDataGrid& grid, std::span<const CentredColumn> columns,
                       const std::optional<widgets::TFont>& titleFont) {
    for (const CentredColumn& wanted : columns) {
        TGridColumn& column = grid.Columns().Add();
        column.setFieldName(QString::fromUtf8(wanted.fieldName));
        column.setWidth(wanted.width);
        column.setAlignment(TAlignment::taCenter);
        column.Title().setCaption(QString::fromUtf8(wanted.title));
        column.Title().setAlignment(TAlignment::taCenter);
        column.Title().setColor(widgets::clBtnHighlight);
        if (titleFont)
            column.Title().setFont(*titleFont);
    }
}

} // namespace tessarin::grid
