#include "TDataGrid.h"

#include "GridKeys.h"
#include "GridNavigator.h"
#include "GridPainter.h"
#include "GridScrollBarActions.h"
#include "data/DataSet.h"
#include "data/DataSource.h"

#include <QFontMetrics>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>

#include <algorithm>

namespace tessarin::grid {

using widgets::TColor;
using widgets::TFont;

namespace {

// Height of the text "Wg" in a font.
int textHeight(const QFont& font) { return QFontMetrics(font).height(); }

} // namespace

TDataGrid::TDataGrid(QWidget* parent)
    : QFrame(parent), titleFont_(TFont::make(QStringLiteral("MS Sans Serif"), -11)),
      vertical_(new QScrollBar(Qt::Vertical, this)), horizontal_(new QScrollBar(Qt::Horizontal, this)) {
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    vertical_->hide();
    horizontal_->hide();
    vertical_->setTracking(vertScrollBar_.Tracking);
    horizontal_->setTracking(horzScrollBar_.Tracking);
    new GridScrollBarActions(*this, *vertical_, *horizontal_);
    relayout();
}

TDataGrid::~TDataGrid() {
    if (source_)
        source_->removeObserver(this);
}

void TDataGrid::setDataSource(data::DataSource* source) {
    if (source == source_)
        return;
    if (source_)
        source_->removeObserver(this);
    source_ = source;
    if (source_)
        source_->addObserver(this);
    if (openDataSet())
        dataSetOpened();
    else
        dataSetGone();
}

void TDataGrid::setOptions(TGridOptions options) {
    if (options.testFlag(dgRowSelect))
        options &= ~TGridOptions(dgEditing | dgAlwaysShowEditor);
    options_ = options;
    relayout();
}

void TDataGrid::setOptionsExt(TGridOptionsExt options) {
    optionsExt_ = options;
    update();
}

void TDataGrid::setColor(TColor color) {
    color_ = color;
    update();
}

void TDataGrid::setFixedColor(TColor color) {
    fixedColor_ = color;
    update();
}

TFont TDataGrid::Font() const { return TFont{font(), fontColor_}; }

void TDataGrid::setFont(const TFont& font) {
    fontColor_ = font.color;
    QWidget::setFont(font.font); // lays out again when the font itself changes
    update();
}

void TDataGrid::setTitleFont(const TFont& font) {
    titleFont_ = font;
    relayout();
}

void TDataGrid::setOddRowColor(TColor color) {
    oddRowColor_ = color;
    update();
}

void TDataGrid::setEvenRowColor(TColor color) {
    evenRowColor_ = color;
    update();
}

void TDataGrid::setFlat(bool flat) {
    flat_ = flat;
    relayout();
}

void TDataGrid::setHorzScrollBar(const TGridScrollBar& settings) {
    horzScrollBar_ = settings;
    horizontal_->setTracking(settings.Tracking);
    updateGeometries();
}

void TDataGrid::setVertScrollBar(const TGridVertScrollBar& settings) {
    vertScrollBar_ = settings;
    vertical_->setTracking(settings.Tracking);
    updateGeometries();
}

std::optional<TField> TDataGrid::CurrentColumnField() const {
    if (!openDataSet() || shownColumns_.empty())
        return std::nullopt;
    return shownColumns_.front()->Field();
}

void TDataGrid::setLeftCol(int column) {
    column = std::clamp(column, 0, layout_.maxLeftColumn());
    if (column == layout_.leftColumn())
        return;
    layout_.setLeftColumn(column);
    updateHorizontalBar();
    update();
}

QRect TDataGrid::clientRect() const { return QRect(contentsRect().topLeft(), layout_.clientSize()); }

int TDataGrid::currentRow() const {
    const data::DataSet* set = openDataSet();
    return set && !set->isEmpty() ? window_.rowOf(set->recNo()) : 0;
}

// Data set notifications.

void TDataGrid::dataSetEvent(data::DataSetEvent event) {
    const data::DataSet* set = openDataSet();
    switch (event) {
    case data::DataSetEvent::Opened:
        dataSetOpened();
        break;
    case data::DataSetEvent::Closed:
        dataSetGone();
        break;
    case data::DataSetEvent::Destroyed:
        source_ = nullptr;
        dataSetGone();
        break;
    case data::DataSetEvent::Scrolled:
        if (set)
            window_.follow(set->recNo(), set->recordCount());
        updateGeometries();
        break;
    case data::DataSetEvent::DataChanged:
        if (set)
            window_.resync(set->recNo(), set->recordCount(), layout_.capacity());
        updateGeometries();
        break;
    }
}

void TDataGrid::dataSetOpened() {
    const data::DataSet* set = openDataSet();
    columns_.bind(set);
    window_.reset(set->recNo(), set->recordCount(), layout_.capacity());
    relayout();
}

void TDataGrid::dataSetGone() {
    columns_.bind(nullptr);
    window_.clear();
    relayout();
}

data::DataSet* TDataGrid::openDataSet() const {
    return source_ && source_->isActive() ? source_->dataSet() : nullptr;
}

bool TDataGrid::showsRecords() const {
    const data::DataSet* set = openDataSet();
    return set && !set->isEmpty();
}

void TDataGrid::columnsChanged() {
    columns_.bind(openDataSet());
    relayout();
}

// Layout.

void TDataGrid::relayout() {
    // The cell height: "Wg" plus 3 for the 3-D look (1 when flat), plus the
    // row line's width when row lines are on.
    const int rowLine = options_.testFlag(dgRowLines) ? 1 : 0;
    layout_.setRowHeight(textHeight(font()) + (flat_ ? 1 : 3) + rowLine);

    int titleHeight = 0;
    if (options_.testFlag(dgTitles)) {
        titleHeight = textHeight(titleFont_.font) + 4;
        if (columns_.Count() > 0) {
            titleHeight = 0;
            for (int c = 0; c < columns_.Count(); ++c)
                titleHeight = std::max(titleHeight, textHeight(columns_[c].Title().Font().font) + 4);
        }
    }
    layout_.setTitleHeight(titleHeight);

    shownColumns_.clear();
    std::vector<int> widths;
    for (int c = 0; c < columns_.Count(); ++c) {
        if (columns_[c].Visible()) {
            shownColumns_.push_back(&columns_[c]);
            widths.push_back(columns_[c].Width());
        }
    }
    layout_.setColumnWidths(std::move(widths));
    updateGeometries();
}

void TDataGrid::updateGeometries() {
    if (updatingGeometries_)
        return;
    updatingGeometries_ = true;
    fitClientToScrollBars();
    if (const data::DataSet* set = openDataSet(); set && layout_.capacity() != window_.capacity())
        window_.resync(set->recNo(), set->recordCount(), layout_.capacity());
    layout_.setRowCount(showsRecords() ? window_.rowCount() : 1);
    layout_.setLeftColumn(std::clamp(layout_.leftColumn(), 0, layout_.maxLeftColumn()));
    updateVerticalBar();
    updateHorizontalBar();
    update();
    updatingGeometries_ = false;
}

void TDataGrid::fitClientToScrollBars() {
    // Each bar takes room from the other's direction: settle in a few rounds.
    const QRect full = contentsRect();
    const int extent = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    bool vertical = false;
    bool horizontal = false;
    for (int round = 0; round < 3; ++round) {
        layout_.setClientSize(QSize(std::max(0, full.width() - (vertical ? extent : 0)),
                                    std::max(0, full.height() - (horizontal ? extent : 0))));
        const bool wantVertical = wantsVerticalBar(layout_.capacity());
        const bool wantHorizontal = horzScrollBar_.Visible && !layout_.columnsFit();
        if (wantVertical == vertical && wantHorizontal == horizontal)
            break;
        vertical = wantVertical;
        horizontal = wantHorizontal;
    }
    placeScrollBars(vertical, horizontal);
}

bool TDataGrid::wantsVerticalBar(int capacity) const {
    if (!vertScrollBar_.Visible)
        return false;
    switch (vertScrollBar_.VisibleMode) {
    case TScrollBarVisibleMode::sbAlwaysShow:
        return true;
    case TScrollBarVisibleMode::sbNeverShow:
        return false;
    case TScrollBarVisibleMode::sbAutoShow:
        break;
    }
    const data::DataSet* set = openDataSet();
    return set && set->recordCount() > capacity;
}

void TDataGrid::placeScrollBars(bool vertical, bool horizontal) {
    const QRect full = contentsRect();
    const QSize client = layout_.clientSize();
    vertical_->setGeometry(full.left() + client.width(), full.top(), full.width() - client.width(), client.height());
    horizontal_->setGeometry(full.left(), full.top() + client.height(), client.width(), full.height() - client.height());
    vertical_->setVisible(vertical);
    horizontal_->setVisible(horizontal);
}

void TDataGrid::updateVerticalBar() {
    // Sequenced records: positions 1 … count, a page of the rows in sight,
    // the thumb on the current record's number.
    const QSignalBlocker blocker(vertical_);
    const data::DataSet* set = openDataSet();
    const bool records = set && !set->isEmpty();
    vertical_->setRange(records ? 1 : 0, records ? set->recordCount() : 0);
    vertical_->setPageStep(records ? window_.rowCount() : 1);
    vertical_->setValue(records ? set->recNo() : 0);
    vertical_->setEnabled(records && set->recordCount() > window_.rowCount());
}

void TDataGrid::updateHorizontalBar() {
    const QSignalBlocker blocker(horizontal_);
    horizontal_->setRange(0, layout_.maxLeftColumn());
    horizontal_->setPageStep(std::max(1, layout_.columnsFullyInSight()));
    horizontal_->setValue(layout_.leftColumn());
}

// Painting.

GridPaintState TDataGrid::paintState() const {
    GridPaintState state;
    state.layout = &layout_;
    state.columns.assign(shownColumns_.begin(), shownColumns_.end());
    state.options = options_;
    state.optionsExt = optionsExt_;
    state.color = color_;
    state.fixedColor = fixedColor_;
    state.oddRowColor = OddRowColor();
    state.evenRowColor = EvenRowColor();
    state.showsRecords = showsRecords();
    state.topRecord = window_.topRecord();
    state.currentRow = currentRow();
    state.focused = hasFocus();
    return state;
}

void TDataGrid::paintEvent(QPaintEvent* event) {
    QFrame::paintEvent(event);
    QPainter painter(this);
    const QRect client = clientRect();
    if (vertical_->isVisible() && horizontal_->isVisible()) {
        // The square between the two bars.
        painter.fillRect(QRect(vertical_->x(), horizontal_->y(), vertical_->width(), horizontal_->height()),
                         widgets::clBtnFace.toQColor());
    }
    painter.setClipRect(client);
    painter.translate(client.topLeft());
    const GridPaintState state = paintState();
    GridPainter(painter, state, event->region().translated(-client.topLeft())).paint();
}

// Input.

QPoint TDataGrid::toClient(QPointF point) const { return point.toPoint() - contentsRect().topLeft(); }

TGridColumn* TDataGrid::shownColumn(int index) const {
    return index >= 0 && index < static_cast<int>(shownColumns_.size()) ? shownColumns_[static_cast<std::size_t>(index)]
                                                                         : nullptr;
}

void TDataGrid::moveToRow(int row) { GridNavigator(*this).moveBy(row - currentRow()); }

void TDataGrid::scrollCurrentToRow(int row) {
    const data::DataSet* set = openDataSet();
    if (!set || set->isEmpty())
        return;
    window_.showOnRow(set->recNo(), row, set->recordCount());
    updateGeometries();
}

bool TDataGrid::takeFocus() {
    // The window's focus widget, not hasFocus(): a click into a window that
    // is not active yet still counts.
    setFocus(Qt::MouseFocusReason);
    return window()->focusWidget() == this;
}

void TDataGrid::mousePressEvent(QMouseEvent* event) {
    if (!takeFocus())
        return;
    // A press on a title moves nothing; titles are not buttons.
    const GridHit hit = layout_.hitTest(toClient(event->position()));
    if (hit.area != GridHit::Data)
        return;
    moveToRow(hit.row);
    if (event->button() == Qt::LeftButton)
        drag_.begin();
}

void TDataGrid::mouseMoveEvent(QMouseEvent* event) { drag_.moveTo(toClient(event->position())); }

void TDataGrid::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    drag_.end();
    // Only the release place counts.
    const GridHit hit = layout_.hitTest(toClient(event->position()));
    if (hit.area == GridHit::Title)
        emit OnTitleClick(shownColumn(hit.column));
    else if (hit.area == GridHit::Data)
        emit OnCellClick(shownColumn(hit.column));
}

void TDataGrid::keyPressEvent(QKeyEvent* event) {
    const GridKeyCommand command = gridKeyCommand(event->key(), event->modifiers());
    if (command == GridKeyCommand::None) {
        QFrame::keyPressEvent(event); // not taken: the window may use it
        return;
    }
    runGridKeyCommand(*this, command);
}

void TDataGrid::wheelEvent(QWheelEvent* event) {
    // Shift and Ctrl change nothing.
    const int records = wheel_.add(event->angleDelta().y());
    GridNavigator(*this).moveBy(records);
}

void TDataGrid::resizeEvent(QResizeEvent* event) {
    QFrame::resizeEvent(event);
    updateGeometries();
}

void TDataGrid::changeEvent(QEvent* event) {
    QFrame::changeEvent(event);
    if (event->type() == QEvent::FontChange || event->type() == QEvent::StyleChange)
        relayout();
}

void TDataGrid::focusInEvent(QFocusEvent* event) {
    QFrame::focusInEvent(event);
    update();
}

void TDataGrid::focusOutEvent(QFocusEvent* event) {
    QFrame::focusOutEvent(event);
    update();
}

} // namespace tessarin::grid
