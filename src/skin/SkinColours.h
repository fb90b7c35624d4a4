#pragma once

#include <QColor>

#include <array>

namespace tessarin::skin {

// The colour slots a skin defines in its "Colours" section, numbered as the
// skin engine numbers them (the numbers between are not used).
enum class SkinColourSlot {
    WindowText = 0,
    TitleTextActive = 1,
    TitleTextNoActive = 2,
    ButtonFace = 3,
    ButtonText = 4,
    ButtonHilight = 5,
    Buttonlight = 6,
    ButtonShadow = 7,
    ButtonDkShadow = 8,
    HilightText = 11,
    Hilight = 12,
    Menubar = 13,
    MenuBarText = 14,
    MenuText = 15,
    Menu = 16,
    Scrollbar = 18,
};

inline constexpr int skinColourSlotCount = 19;

// The skin's colours: each slot's value (its default when the definition
// does not give it) and whether the definition gave it.
struct SkinColours {
    std::array<QColor, skinColourSlotCount> values;
    std::array<bool, skinColourSlotCount> given{};

    const QColor& operator[](SkinColourSlot slot) const { return values[static_cast<int>(slot)]; }
    bool isGiven(SkinColourSlot slot) const { return given[static_cast<int>(slot)]; }
};

} // namespace tessarin::skin
