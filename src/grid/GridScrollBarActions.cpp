#include "GridScrollBarActions.h"

#include "GridNavigator.h"
#include "TDataGrid.h"

#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>

namespace tessarin::grid {

GridScrollBarActions::GridScrollBarActions(TDataGrid& grid, QScrollBar& vertical, QScrollBar& horizontal)
    : QObject(&grid), grid_(grid), vertical_(vertical), horizontal_(horizontal) {
    for (QScrollBar* bar : {&vertical_, &horizontal_}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->installEventFilter(this);
    }
    connect(&vertical_, &QAbstractSlider::actionTriggered, this, &GridScrollBarActions::verticalAction);
    connect(&horizontal_, &QAbstractSlider::valueChanged, &grid_, &TDataGrid::setLeftCol);
}

void GridScrollBarActions::verticalAction(int action) {
    // The action has set the thumb position; the value follows the record
    // the grid then shows.
    GridNavigator navigator(grid_);
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        navigator.aboveTopRow();
        break;
    case QAbstractSlider::SliderSingleStepAdd:
        navigator.belowBottomRow();
        break;
    case QAbstractSlider::SliderPageStepSub:
        navigator.pageBack();
        break;
    case QAbstractSlider::SliderPageStepAdd:
        navigator.pageForward();
        break;
    case QAbstractSlider::SliderToMinimum:
        navigator.first();
        break;
    case QAbstractSlider::SliderToMaximum:
        navigator.last();
        break;
    case QAbstractSlider::SliderMove:
        navigator.toRecord(vertical_.sliderPosition());
        break;
    default:
        break;
    }
}

bool GridScrollBarActions::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
        return !grid_.takeFocus();
    case QEvent::Wheel:
        forwardWheel(*event);
        return true;
    default:
        return QObject::eventFilter(watched, event);
    }
}

void GridScrollBarActions::forwardWheel(const QEvent& event) {
    const auto& wheel = static_cast<const QWheelEvent&>(event);
    QWheelEvent forwarded(grid_.mapFromGlobal(wheel.globalPosition()), wheel.globalPosition(), wheel.pixelDelta(),
                          wheel.angleDelta(), wheel.buttons(), wheel.modifiers(), wheel.phase(), wheel.inverted(),
                          wheel.source());
    QApplication::sendEvent(&grid_, &forwarded);
}

} // namespace tessarin::grid
