#pragma once

#include <QColor>

namespace tessarin::skin {

// The classic desktop colours a skin falls back on where its definition
// gives none (the platform's system colours of the classic scheme).
enum class SystemColour {
    WindowText,
    CaptionText,
    InactiveCaptionText,
    ButtonFace,
    ButtonText,
    ButtonHighlight,
    ButtonShadow,
    DarkShadow,
    HighlightText,
    Highlight,
    MenuText,
    Menu,
    ScrollBar,
    Window,
};

QColor systemColour(SystemColour colour);

} // namespace tessarin::skin
