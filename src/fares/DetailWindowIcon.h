#pragma once

#include <QIcon>

namespace tessarin::fares {

// The train detail window's own icon: a ticket with a train's front, drawn
// at 16 and 32 pixels.
QIcon detailWindowIcon();

} // namespace tessarin::fares
