#pragma once

#include <QObject>
#include <QPoint>
#include <QTimer>

namespace tessarin::grid {

class TDataGrid;

// A drag that began with a left press on a data row, tracked from the press
// to the release. While the pointer is inside the data area, the record
// under it becomes current; outside, the auto-scroll steps (AutoScroll.h)
// move the records or the columns towards it, once per pointer move and then
// on each tick of a timer, until the pointer is back inside or the button is
// released.
class GridRowDrag : public QObject {
public:
    explicit GridRowDrag(TDataGrid& grid);

    void begin();
    // The pointer moved, in client coordinates; nothing unless a drag runs.
    void moveTo(QPoint pointer);
    void end();

    bool active() const noexcept { return state_ == State::SelectingRows; }
    // The auto-scroll timer, running while the pointer is outside.
    const QTimer& autoScrollTimer() const noexcept { return timer_; }

private:
    enum class State { None, SelectingRows };

    void step();

    TDataGrid& grid_;
    State state_ = State::None;
    QPoint pointer_;
    QTimer timer_;
};

} // namespace tessarin::grid
