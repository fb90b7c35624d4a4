#include "TextPlacement.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>

namespace tessarin::grid {

int textLeft(TAlignment alignment, int left, int right, int dx, int width) {
    switch (alignment) {
    case TAlignment::taRightJustify:
        return right - width - 3;
    case TAlignment::taCenter:
        return left + (right - left) / 2 - width / 2;
    case TAlignment::taLeftJustify:
        break;
    }
    return left + dx;
}

int placementWidth(const QFont& font, const QString& text, TAlignment alignment) {
    const QFontMetrics metrics(font);
    const int advance = metrics.horizontalAdvance(text);
    if (alignment == TAlignment::taLeftJustify || !(font.bold() || font.italic()))
        return advance;
    // Bold and italic glyphs reach past their advance; the ink's right edge
    // counts too.
    return std::max(advance, metrics.boundingRect(text).right() + 1);
}

void drawCellText(QPainter& painter, QRect cell, const CellText& text) {
    painter.fillRect(cell, text.background);
    if (text.text.isEmpty())
        return;
    const int right = cell.left() + cell.width();
    const int x = textLeft(text.alignment, cell.left(), right, text.dx,
                           placementWidth(text.font, text.text, text.alignment));
    const QFontMetrics metrics(text.font);
    painter.save();
    painter.setClipRect(cell, Qt::IntersectClip);
    painter.setFont(text.font);
    painter.setPen(text.colour);
    painter.drawText(QPoint(x, cell.top() + text.dy + metrics.ascent()), text.text);
    painter.restore();
}

} // namespace tessarin::grid
