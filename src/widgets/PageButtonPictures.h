#pragma once

#include <QImage>

namespace tessarin::widgets {

// The page buttons' looks: plain (transparent; the 95-pixel one with a
// one-pixel separator line in its right-most column), selected (an opaque
// tab face with a blue outline on top and sides and no bottom line), and
// plain for the last button, which follows the wide one: its separator
// stands in its left-most column instead.
enum class PageButtonLook { Plain, Selected, PlainLast };

// The picture of a look, 25 pixels high and 95 or 135 pixels wide (the last
// button's plain look 95 only), built into the program. Any other width gives
// a null image.
QImage pageButtonPicture(PageButtonLook look, int width);

} // namespace tessarin::widgets
