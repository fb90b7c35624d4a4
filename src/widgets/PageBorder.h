#pragma once

#include <QSize>

#include <initializer_list>

class QPainter;

namespace tessarin::widgets {

class TImgCheckButton;
class TPaintControl;

// The page border: a two-colour frame in the page area's 2-pixel margin, open
// at the top under the checked page button so that the button's tab picture
// and the page below read as one tab. The gap follows the first checked of
// the page buttons, in their order, or the last one when none is checked;
// the buttons' left edges are taken as panel coordinates (the button strip
// and the panel start at the same left edge). There is at least one button.
//
// Inside the panel's painting (from its OnPaint) it draws with the panel's
// painter; called at any other time it draws straight onto the panel, which
// repaints at once.
void DrawPagBorder(TPaintControl& panel, std::initializer_list<const TImgCheckButton*> pageButtons);

// The drawing itself on a panel of `panelSize`, with the gap's button
// spanning [gapLeft, gapRight). The frame's insides are filled with the
// painter's current brush, as the panel's own painting left it.
void drawPageBorder(QPainter& painter, QSize panelSize, int gapLeft, int gapRight);

} // namespace tessarin::widgets
