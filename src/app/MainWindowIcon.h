#pragma once

#include <QIcon>

namespace tessarin::app {

// The program's icon: the front of a train on a blue tile between two
// rails, at 48, 32, 24 and 16 pixels.
QIcon mainWindowIcon();

} // namespace tessarin::app
