#include "GridPainter.h"

#include "TGridColumn.h"
#include "TextPlacement.h"

#include <QPainter>

namespace tessarin::grid {

using widgets::TColor;

GridPainter::GridPainter(QPainter& painter, const GridPaintState& state, const QRegion& dirty)
    : painter_(painter), state_(state), layout_(*state.layout), dirty_(dirty) {}

void GridPainter::paint() {
    paintLines();
    paintTitleCells();
    paintDataCells();
    paintBeyondCells();
    paintFocusRect();
}

void GridPainter::paintLines() {
    const int right = layout_.columnsRight();
    const int last = layout_.lastColumnInSight();
    // A line whose option is off is drawn in its area's background.
    const bool colLines = state_.options.testFlag(dgColLines);
    const bool rowLines = state_.options.testFlag(dgRowLines);
    if (layout_.titleHeight() > 0) {
        const QColor vertical = (colLines ? widgets::clBlack : state_.fixedColor).toQColor();
        for (int c = layout_.leftColumn(); c <= last; ++c)
            painter_.fillRect(QRect(layout_.columnLine(c), 0, 1, layout_.titleHeight()), vertical);
        painter_.fillRect(QRect(0, layout_.titleHeight(), right, 1),
                          (rowLines ? widgets::clBlack : state_.fixedColor).toQColor());
    }
    const TColor dataLine = state_.color == widgets::clSilver ? widgets::clGray : widgets::clSilver;
    const int top = layout_.dataTop();
    const int height = layout_.rowsBottom() - top;
    const QColor vertical = (colLines ? dataLine : state_.color).toQColor();
    for (int c = layout_.leftColumn(); c <= last; ++c)
        painter_.fillRect(QRect(layout_.columnLine(c), top, 1, height), vertical);
    const QColor horizontal = (rowLines ? dataLine : state_.color).toQColor();
    for (int r = 0; r < layout_.rowCount(); ++r)
        painter_.fillRect(QRect(0, layout_.rowTop(r) + layout_.rowHeight(), right, 1), horizontal);
}

void GridPainter::paintTitleCells() {
    if (layout_.titleHeight() <= 0)
        return;
    const int last = layout_.lastColumnInSight();
    for (int c = layout_.leftColumn(); c <= last; ++c) {
        if (dirty_.intersects(layout_.titleCell(c)))
            paintTitleCell(c);
    }
}

void GridPainter::paintTitleCell(int column) {
    const TGridColumnTitle& title = state_.columns[static_cast<std::size_t>(column)]->Title();
    const QRect cell = layout_.titleCell(column);
    const bool raised = state_.optionsExt.testFlag(dgxFixed3D);
    const widgets::TFont font = title.Font();
    drawCellText(painter_, raised ? cell.adjusted(1, 1, -1, -1) : cell,
                 {title.Caption(), font.font, font.color.toQColor(), title.Color().toQColor(), title.Alignment(), 1, 1});
    if (!raised)
        return;
    // A raised inner edge over the cell's border pixels.
    const QColor light = widgets::clBtnHighlight.toQColor();
    const QColor shadow = widgets::clBtnShadow.toQColor();
    painter_.fillRect(QRect(cell.left(), cell.top(), cell.width() - 1, 1), light);
    painter_.fillRect(QRect(cell.left(), cell.top(), 1, cell.height() - 1), light);
    painter_.fillRect(QRect(cell.left(), cell.bottom(), cell.width(), 1), shadow);
    painter_.fillRect(QRect(cell.right(), cell.top(), 1, cell.height()), shadow);
}

void GridPainter::paintDataCells() {
    const int last = layout_.lastColumnInSight();
    for (int r = 0; r < layout_.rowCount(); ++r) {
        for (int c = layout_.leftColumn(); c <= last; ++c) {
            if (dirty_.intersects(layout_.dataCell(r, c)))
                paintDataCell(r, c);
        }
    }
}

void GridPainter::paintDataCell(int row, int column) {
    const TGridColumn& col = *state_.columns[static_cast<std::size_t>(column)];
    const widgets::TFont font = col.Font();
    CellText text{{}, font.font, font.color.toQColor(), dataBackground(col, row).toQColor(), col.Alignment(), 2, 2};
    if (state_.showsRecords && col.Field())
        text.text = col.Field()->DisplayText(state_.topRecord + row);
    if (highlighted(row)) {
        text.background = widgets::clHighlight.toQColor();
        text.colour = widgets::clHighlightText.toQColor();
    }
    drawCellText(painter_, layout_.dataCell(row, column), text);
}

TColor GridPainter::dataBackground(const TGridColumn& column, int row) const {
    // Row parity colouring by record number, only where the column keeps the
    // grid's colour; the blank row has no record and no parity.
    const TColor own = column.Color();
    if (!state_.showsRecords || own != state_.color)
        return own;
    return (state_.topRecord + row) % 2 == 1 ? state_.oddRowColor : state_.evenRowColor;
}

bool GridPainter::highlighted(int row) const {
    // The grid selects whole rows: the current one is highlighted while the
    // grid has the focus (or always, with dgAlwaysShowSelection).
    return state_.showsRecords && row == state_.currentRow &&
           (state_.focused || state_.options.testFlag(dgAlwaysShowSelection));
}

void GridPainter::paintBeyondCells() {
    const QSize client = layout_.clientSize();
    const int right = layout_.columnsRight();
    const int bottom = layout_.rowsBottom();
    const QColor fill = state_.color.toQColor();
    if (right < client.width())
        painter_.fillRect(QRect(right, 0, client.width() - right, client.height()), fill);
    if (bottom < client.height())
        painter_.fillRect(QRect(0, bottom, std::min(right, client.width()), client.height() - bottom), fill);
}

void GridPainter::paintFocusRect() {
    if (!state_.focused)
        return;
    const QRect row = layout_.dataRow(state_.currentRow);
    if (!row.isEmpty())
        drawFocusRect(painter_, row);
}

void drawFocusRect(QPainter& painter, QRect rect) {
    painter.save();
    // Difference with white inverts; the checker pattern takes every other
    // pixel. The four edges do not overlap, so no pixel is inverted twice.
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setBrushOrigin(0, 0);
    const QBrush dots(Qt::white, Qt::Dense4Pattern);
    painter.fillRect(QRect(rect.left(), rect.top(), rect.width(), 1), dots);
    if (rect.height() > 1)
        painter.fillRect(QRect(rect.left(), rect.bottom(), rect.width(), 1), dots);
    if (rect.height() > 2) {
        painter.fillRect(QRect(rect.left(), rect.top() + 1, 1, rect.height() - 2), dots);
        if (rect.width() > 1)
            painter.fillRect(QRect(rect.right(), rect.top() + 1, 1, rect.height() - 2), dots);
    }
    painter.restore();
}

} // namespace tessarin::grid
