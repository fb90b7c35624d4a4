#pragma once

#include "GridOptions.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

class QPainter;

namespace tessarin::grid {

// Left edge of one line of text `width` pixels wide in the cell [left,
// right), with left margin `dx`: left aligned at left + dx, right aligned 3
// pixels in from the right, centred on the cell's middle.
int textLeft(TAlignment alignment, int left, int right, int dx, int width);

// The width the placement uses: the text's advance, but for right or centred
// text in a bold or italic font the width including the glyphs' overhang.
int placementWidth(const QFont& font, const QString& text, TAlignment alignment);

// One line of cell text: fills `cell` with `background`, then writes the
// text at its place, `dy` below the cell's top, clipped to the cell.
struct CellText {
    QString text;
    QFont font;
    QColor colour;
    QColor background;
    TAlignment alignment = TAlignment::taLeftJustify;
    int dx = 0;
    int dy = 0;
};
void drawCellText(QPainter& painter, QRect cell, const CellText& text);

} // namespace tessarin::grid
