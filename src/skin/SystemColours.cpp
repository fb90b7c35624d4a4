#include "SystemColours.h"

#include <array>

namespace tessarin::skin {

QColor systemColour(SystemColour colour) {
    static const std::array<QColor, 14> colours{
        QColor(0, 0, 0),        // window text
        QColor(255, 255, 255),  // caption text
        QColor(212, 208, 200),  // inactive caption text
        QColor(212, 208, 200),  // button face
        QColor(0, 0, 0),        // button text
        QColor(255, 255, 255),  // button highlight
        QColor(128, 128, 128),  // button shadow
        QColor(64, 64, 64),     // dark shadow
        QColor(255, 255, 255),  // highlight text
        QColor(10, 36, 106),    // highlight
        QColor(0, 0, 0),        // menu text
        QColor(212, 208, 200),  // menu
        QColor(212, 208, 200),  // scroll bar
        QColor(255, 255, 255),  // window
    };
    return colours[static_cast<int>(colour)];
}

} // namespace tessarin::skin
