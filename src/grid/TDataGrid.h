#pragma once

#include "GridLayout.h"
#include "GridOptions.h"
#include "GridRowDrag.h"
#include "RecordWindow.h"
#include "TGridColumns.h"
#include "WheelAccumulator.h"
#include "data/DataSetEvent.h"
#include "widgets/TColor.h"
#include "widgets/TFont.h"

#include <QFrame>

#include <optional>
#include <vector>

class QScrollBar;

namespace tessarin::data {
class DataSet;
class DataSource;
} // namespace tessarin::data

namespace tessarin::grid {

struct GridPaintState;

// A data-aware grid: shows the data set of its data source, one row per
// record of a window of consecutive records around the current one, one
// column per visible entry of its column list, and moves the data set's
// current record when the user picks a row. It never holds a copy of the
// data.
//
// Every event reaches the grid widget itself (mouse, keys, wheel, paint; the
// wheel over its scroll bars is handed to it too), so an owner can intercept
// any of them with an event filter installed on the grid; the grid installs
// none on itself. The scroll bars are QScrollBar children of the grid
// (GridScrollBarActions says what they do).
//
// The user moves the current record with the mouse (a press on a data row,
// a drag with auto-scroll), the keys (GridKeys.h), the scroll bars and the
// wheel, always through the data set's moves. Releasing the left button over
// a title or a data row fires OnTitleClick or OnCellClick, also while the
// data set is closed or empty. Ctrl+Delete deletes the current record after
// a confirmation (GridDeletion.h), Ctrl+F opens the find dialog
// (TGridFindDialog). The grid never edits a record.
//
// The data source is not owned; one that goes away is forgotten, and the
// grid then shows the empty look.
class TDataGrid : public QFrame, private data::DataSetObserver {
    Q_OBJECT

public:
    explicit TDataGrid(QWidget* parent = nullptr);
    ~TDataGrid() override;

    data::DataSource* DataSource() const noexcept { return source_; }
    void setDataSource(data::DataSource* source);

    TGridColumns& Columns() noexcept { return columns_; }
    const TGridColumns& Columns() const noexcept { return columns_; }

    TGridOptions Options() const noexcept { return options_; }
    // dgRowSelect also clears dgEditing and dgAlwaysShowEditor.
    void setOptions(TGridOptions options);
    TGridOptionsExt OptionsExt() const noexcept { return optionsExt_; }
    void setOptionsExt(TGridOptionsExt options);

    // Background of the data area, clWindow unless set.
    widgets::TColor Color() const noexcept { return color_; }
    void setColor(widgets::TColor color);
    // Default title background, clBtnFace unless set.
    widgets::TColor FixedColor() const noexcept { return fixedColor_; }
    void setFixedColor(widgets::TColor color);
    // Default font of the data cells: the widget's font (the parent's unless
    // set) in clWindowText unless a colour is set.
    widgets::TFont Font() const;
    void setFont(const widgets::TFont& font);
    using QWidget::setFont;
    // Default font of the titles: a font of the grid's own.
    widgets::TFont TitleFont() const { return titleFont_; }
    void setTitleFont(const widgets::TFont& font);
    // Row parity colours; each reads as Color until set.
    widgets::TColor OddRowColor() const { return oddRowColor_.value_or(color_); }
    void setOddRowColor(widgets::TColor color);
    widgets::TColor EvenRowColor() const { return evenRowColor_.value_or(color_); }
    void setEvenRowColor(widgets::TColor color);
    // The classic 3-D look when false.
    bool Flat() const noexcept { return flat_; }
    void setFlat(bool flat);

    // Forbids changing data through the grid: no deletion by Ctrl+Delete.
    bool ReadOnly() const noexcept { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    // What the grid may do to the records; Ctrl+Delete needs aoDelete.
    TDataGridAllowedOperations AllowedOperations() const noexcept { return allowedOperations_; }
    void setAllowedOperations(TDataGridAllowedOperations operations) { allowedOperations_ = operations; }

    const TGridScrollBar& HorzScrollBar() const noexcept { return horzScrollBar_; }
    void setHorzScrollBar(const TGridScrollBar& settings);
    const TGridVertScrollBar& VertScrollBar() const noexcept { return vertScrollBar_; }
    void setVertScrollBar(const TGridVertScrollBar& settings);

    // The field of the current column, none while the data set is closed or
    // the column is unbound. The grid selects whole rows, so the current
    // column is always the first column.
    std::optional<TField> CurrentColumnField() const;

    // The first column in sight; columns scroll whole.
    int LeftCol() const noexcept { return layout_.leftColumn(); }
    void setLeftCol(int column);

    // The data set when it is there and open.
    data::DataSet* openDataSet() const;
    // Takes the keyboard focus as a click does; false when the grid cannot
    // get it (the focus stays elsewhere), and the click is then ignored.
    bool takeFocus();
    // Makes the record of a data row current, by a move over the difference
    // from the current row.
    void moveToRow(int row);
    // Scrolls the rows so that the current record shows on the given row, as
    // far as the records allow.
    void scrollCurrentToRow(int row);

    // Geometry as painted: the layout in client coordinates, and where the
    // client area (the cells, inside the frame and beside the scroll bars)
    // lies in the widget.
    const GridLayout& Layout() const noexcept { return layout_; }
    QRect clientRect() const;
    // The data row of the current record; 0 (the blank row) without records.
    int currentRow() const;
    const RecordWindow& recordWindow() const noexcept { return window_; }
    const GridRowDrag& rowDrag() const noexcept { return drag_; }

    QScrollBar* verticalScrollBar() const noexcept { return vertical_; }
    QScrollBar* horizontalScrollBar() const noexcept { return horizontal_; }

signals:
    // The left button released over a title cell / a data row; the column
    // under the pointer at release.
    void OnTitleClick(tessarin::grid::TGridColumn* column);
    void OnCellClick(tessarin::grid::TGridColumn* column);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;

private:
    friend class TGridColumn;
    friend class TGridColumns;

    void dataSetEvent(data::DataSetEvent event) override;
    void dataSetOpened();
    void dataSetGone();

    bool showsRecords() const;
    // Columns changed: bind, lay out, repaint.
    void columnsChanged();
    // Row heights and columns from the fonts, options and column list.
    void relayout();
    // Client size, scroll bars, record window; the one place they are set.
    void updateGeometries();
    void fitClientToScrollBars();
    bool wantsVerticalBar(int capacity) const;
    void placeScrollBars(bool vertical, bool horizontal);
    void updateVerticalBar();
    void updateHorizontalBar();

    GridPaintState paintState() const;
    QPoint toClient(QPointF point) const;
    TGridColumn* shownColumn(int index) const;

    data::DataSource* source_ = nullptr;
    TGridColumns columns_{*this};
    std::vector<TGridColumn*> shownColumns_;
    TGridOptions options_ = defaultGridOptions;
    TGridOptionsExt optionsExt_ = defaultGridOptionsExt;
    widgets::TColor color_ = widgets::clWindow;
    widgets::TColor fixedColor_ = widgets::clBtnFace;
    widgets::TColor fontColor_ = widgets::clWindowText;
    widgets::TFont titleFont_;
    std::optional<widgets::TColor> oddRowColor_;
    std::optional<widgets::TColor> evenRowColor_;
    bool flat_ = false;
    bool readOnly_ = false;
    TDataGridAllowedOperations allowedOperations_ = defaultAllowedOperations;
    TGridScrollBar horzScrollBar_;
    TGridVertScrollBar vertScrollBar_;

    GridLayout layout_;
    RecordWindow window_;
    QScrollBar* vertical_;
    QScrollBar* horizontal_;
    bool updatingGeometries_ = false;
    GridRowDrag drag_{*this};
    WheelAccumulator wheel_;
};

} // namespace tessarin::grid
