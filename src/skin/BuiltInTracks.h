#pragma once

#include <QImage>

namespace tessarin::skin {

// The program's own track-bar grooves for skins without "Track" or
// "TRACKVERT": 16 x 4 pixels for a horizontal track, 4 x 16 for a vertical one.
QImage builtInTrackImage(Qt::Orientation orientation);

} // namespace tessarin::skin
