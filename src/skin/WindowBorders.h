#pragma once

#include "TIniText.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace tessarin::skin {

// The four borders of a skinned window, in the order the skin reads them.
enum class BorderSide { Left, Right, Top, Bottom };
inline constexpr std::array<BorderSide, 4> borderSides{BorderSide::Left, BorderSide::Right, BorderSide::Top,
                                                       BorderSide::Bottom};

// The border's name in the definition ("Left" ...), which is also its image key.
std::string_view borderName(BorderSide side);

// A border as section "Personality" defines it, with the keys formed from the
// border's name ("LeftTopHeight", "TopBotHeight", "BottomTrans" ...).
struct WindowBorderSettings {
    std::string image;
    // The fixed parts: top and bottom heights of the left and right borders,
    // left and right widths of the top and bottom borders.
    int fixedStart = 0;
    int fixedEnd = 0;
    int frameCount = 1;
    int stretch = 1;  // 1 stretches the middle part, anything else tiles it
    int transparent = 1;
};

// The border's settings; nothing when the definition has no image key for it.
std::optional<WindowBorderSettings> readWindowBorder(const TIniText& definition, BorderSide side);

// The width or height of one frame of an image holding `frameCount` frames;
// a count below 1 counts as 1.
int frameExtent(int imageExtent, int frameCount);

// What a border contributes to the frame: its image size and frame count
// (the left and right borders hold their frames side by side, the top and
// bottom borders stacked).
struct BorderImage {
    int width = 0;
    int height = 0;
    int frameCount = 1;
};

// The frame a captioned window gets around its client area.
struct FrameSizes {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const FrameSizes&, const FrameSizes&) = default;
};

// Left and right: one frame's width; top and bottom: one frame's height; 0
// for a border without an image.
FrameSizes frameSizesOf(const std::array<BorderImage, 4>& borders);

} // namespace tessarin::skin
