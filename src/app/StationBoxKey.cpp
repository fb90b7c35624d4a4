#include "StationBoxKey.h"

#include <Qt>

namespace tessarin::app {

bool isEnterKey(int qtKey) { return qtKey == Qt::Key_Return || qtKey == Qt::Key_Enter; }

StationBoxKey classifyStationBoxKey(int qtKey) {
    switch (qtKey) {
    case Qt::Key_Backspace:
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_Space:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Insert:
    case Qt::Key_Delete:
        return StationBoxKey::Ignored;
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
        return StationBoxKey::MovesOn;
    default:
        return isEnterKey(qtKey) ? StationBoxKey::MovesOn : StationBoxKey::Rebuilds;
    }
}

} // namespace tessarin::app
