#include "PageBorder.h"

#include "TColor.h"
#include "TImgCheckButton.h"
#include "TPaintControl.h"

#include <QPainter>

#include <algorithm>
#include <iterator>

namespace tessarin::widgets {
namespace {

constexpr TColor outerColour = TColor::fromInt(15979209); // RGB (201, 210, 243)
constexpr TColor innerColour = TColor::fromInt(16415080); // RGB (104, 121, 250)

// A rectangle [left, right) × [top, bottom): its one-pixel outline in
// `colour`, its inside in the painter's brush.
void drawOutlinedRect(QPainter& painter, QRect area, TColor colour) {
    painter.fillRect(area.adjusted(1, 1, -1, -1), painter.brush());
    const QColor pen = colour.toQColor();
    painter.fillRect(QRect(area.left(), area.top(), area.width(), 1), pen);
    painter.fillRect(QRect(area.left(), area.bottom(), area.width(), 1), pen);
    painter.fillRect(QRect(area.left(), area.top(), 1, area.height()), pen);
    painter.fillRect(QRect(area.right(), area.top(), 1, area.height()), pen);
}

// A horizontal line on row `y` from `from` up to but not including `to`.
void drawRowLine(QPainter& painter, int y, int from, int to, TColor colour) {
    if (to > from)
        painter.fillRect(QRect(from, y, to - from, 1), colour.toQColor());
}

const TImgCheckButton& gapButton(std::initializer_list<const TImgCheckButton*> pageButtons) {
    const auto checked = std::find_if(pageButtons.begin(), pageButtons.end(),
                                      [](const TImgCheckButton* button) { return button->Checked(); });
    return **(checked != pageButtons.end() ? checked : std::prev(pageButtons.end()));
}

} // namespace

void drawPageBorder(QPainter& painter, QSize panelSize, int gapLeft, int gapRight) {
    const int w = panelSize.width();
    // The frame's top edge lies 20 pixels above the panel, out of sight; the
    // insides wipe any earlier top lines.
    QRect frame(0, -20, w, panelSize.height() + 20);
    drawOutlinedRect(painter, frame, outerColour);
    drawOutlinedRect(painter, frame.adjusted(1, 1, -1, -1), innerColour);
    drawRowLine(painter, 0, 1, gapLeft, outerColour);
    drawRowLine(painter, 1, 1, gapLeft + 3, innerColour);
    drawRowLine(painter, 0, gapRight - 1, w - 1, outerColour);
    drawRowLine(painter, 1, gapRight - 4, w - 1, innerColour);
}

void DrawPagBorder(TPaintControl& panel, std::initializer_list<const TImgCheckButton*> pageButtons) {
    const TImgCheckButton& button = gapButton(pageButtons);
    const int left = button.x();
    const int right = left + button.width();
    const QSize size = panel.size();
    if (QPainter* canvas = panel.Canvas()) {
        drawPageBorder(*canvas, size, left, right);
        return;
    }
    panel.drawNow([size, left, right](QPainter& painter) { drawPageBorder(painter, size, left, right); });
}

} // namespace tessarin::widgets
