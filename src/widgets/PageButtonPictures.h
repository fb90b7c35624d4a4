#pragma once

#include <QImage>

namespace tessarin::widgets {

// The page buttons' two looks: plain (transparent; the 95-pixel one with a
// one-pixel separator line in its right-most column) and selected (an opaque
// tab face with a blue outline on top and sides and no bottom line).
enum class PageButtonLook { Plain, Selected };

// The picture of a look, 25 pixels high and 95 or 135 pixels wide, built into
// the program. Any other width gives a null image.
QImage pageButtonPicture(PageButtonLook look, int width);

} // namespace tessarin::widgets
