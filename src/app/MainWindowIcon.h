#pragma once

#include <QIcon>
#include <QImage>

#include <array>

namespace tessarin::app {

// The sizes, in pixels, at which the program's windows show their icon.
inline constexpr std::array<int, 4> mainWindowIconSizes{48, 32, 24, 16};

// The program's icon: the front of a train on a blue tile between two
// rails, at each of mainWindowIconSizes.
QIcon mainWindowIcon();

// The same picture at any size: it is drawn as shapes, so a large one is as
// sharp as the small ones (the desktop menu's icons are made from it).
QImage mainWindowIconPicture(int size);

} // namespace tessarin::app
