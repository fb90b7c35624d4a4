#pragma once

namespace tessarin::skin {

// The width of a horizontal scroll bar's arrow button on this platform: the
// scroll-bar extent of the classic "Windows" style. Needs the application object.
int horizontalScrollArrowWidth();

} // namespace tessarin::skin
