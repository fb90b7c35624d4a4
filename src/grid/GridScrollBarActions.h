#pragma once

#include <QObject>

class QScrollBar;

namespace tessarin::grid {

class TDataGrid;

// What the grid's two scroll bars do. The grid reacts to the bars' actions
// (QAbstractSlider::actionTriggered), not to where the input came from, so a
// window laid over a bar that hands it its presses, moves and releases (in
// the bar's own coordinates, with QApplication::sendEvent) gets exactly the
// behaviour of the bar itself.
//
// Vertical: line up / down move to the record just above the top row / just
// below the bottom row; page up / down move by the rows in sight; top and
// bottom to the first and last record; the thumb, while it is dragged (with
// Tracking) or when it is released (without), to the record whose number is
// its position. Horizontal: the first column in sight follows the bar.
//
// A press on either bar first gives the grid the keyboard focus; a press
// that cannot is swallowed. The wheel over a bar goes to the grid, where an
// owner's event filter sees it as it sees any wheel over the grid.
class GridScrollBarActions : public QObject {
public:
    GridScrollBarActions(TDataGrid& grid, QScrollBar& vertical, QScrollBar& horizontal);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void verticalAction(int action);
    void forwardWheel(const QEvent& event);

    TDataGrid& grid_;
    QScrollBar& vertical_;
    QScrollBar& horizontal_;
};

} // namespace tessarin::grid
