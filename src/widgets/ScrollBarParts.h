#pragma once

#include <QRect>
#include <QStyle>

class QScrollBar;

namespace tessarin::widgets {

// Where the scroll bar's style puts one of its parts (arrow, groove, thumb),
// in the bar's coordinates, for the bar as it stands now.
QRect scrollBarPart(const QScrollBar& bar, QStyle::SubControl part);

} // namespace tessarin::widgets
