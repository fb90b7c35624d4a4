#pragma once

#include <QFlags>

namespace tessarin::grid {

// Behaviour flags of a data grid, from bit 0.
enum TGridOption : unsigned {
    dgEditing = 1u << 0,
    dgAlwaysShowEditor = 1u << 1,
    dgTitles = 1u << 2,
    dgIndicator = 1u << 3,
    dgColumnResize = 1u << 4,
    dgColLines = 1u << 5,
    dgRowLines = 1u << 6,
    dgTabs = 1u << 7,
    dgRowSelect = 1u << 8,
    dgAlwaysShowSelection = 1u << 9,
    dgConfirmDelete = 1u << 10,
    dgCancelOnExit = 1u << 11,
    dgMultiSelect = 1u << 12,
};
Q_DECLARE_FLAGS(TGridOptions, TGridOption)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptions)

// Further flags, from bit 0.
enum TGridOptionExt : unsigned {
    dgxFixed3D = 1u << 0,
    dgxFrozen3D = 1u << 1,
    dgxFooter3D = 1u << 2,
    dgxData3D = 1u << 3,
    dgxResizeWholeRightPart = 1u << 4,
    dgxHighlightFocus = 1u << 5,
    dgxClearSelection = 1u << 6,
    dgxFitRowHeightToText = 1u << 7,
    dgxAutoSortMarking = 1u << 8,
    dgxMultiSortMarking = 1u << 9,
    dgxEnterAsTab = 1u << 10,
    dgxTraceColSizing = 1u << 11,
    dgxIncSearch = 1u << 12,
    dgxPreferIncSearch = 1u << 13,
    dgxRowHighlight = 1u << 14,
    dgxDblClickOptimizeColWidth = 1u << 15,
    dgxDialogFind = 1u << 16,
    dgxRecordMoving = 1u << 17,
};
Q_DECLARE_FLAGS(TGridOptionsExt, TGridOptionExt)
Q_DECLARE_OPERATORS_FOR_FLAGS(TGridOptionsExt)

inline constexpr TGridOptions defaultGridOptions{dgEditing | dgTitles | dgIndicator | dgColumnResize | dgColLines |
                                                 dgRowLines | dgTabs | dgConfirmDelete | dgCancelOnExit};
inline constexpr TGridOptionsExt defaultGridOptionsExt{dgxFixed3D | dgxHighlightFocus | dgxClearSelection |
                                                       dgxDialogFind};

// What the user may do to the data set's records through the grid. The grid
// never inserts, appends or edits; it deletes only on a confirmed Ctrl+Delete
// while aoDelete is allowed.
enum TDataGridAllowedOperation : unsigned {
    aoInsert = 1u << 0,
    aoUpdate = 1u << 1,
    aoDelete = 1u << 2,
    aoAppend = 1u << 3,
};
Q_DECLARE_FLAGS(TDataGridAllowedOperations, TDataGridAllowedOperation)
Q_DECLARE_OPERATORS_FOR_FLAGS(TDataGridAllowedOperations)

inline constexpr TDataGridAllowedOperations defaultAllowedOperations{aoInsert | aoUpdate | aoDelete | aoAppend};

// Horizontal alignment of cell and title text.
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

// When the vertical scroll bar shows: always (disabled when everything
// fits), never, or only while not every record fits.
enum class TScrollBarVisibleMode { sbAlwaysShow, sbNeverShow, sbAutoShow };

struct TGridScrollBar {
    bool Tracking = false; // the rows follow the thumb while it is dragged
    bool Visible = true;
};

struct TGridVertScrollBar : TGridScrollBar {
    TScrollBarVisibleMode VisibleMode = TScrollBarVisibleMode::sbAutoShow;
};

} // namespace tessarin::grid
