#include "WindowBorders.h"

#include <algorithm>

namespace tessarin::skin {
namespace {

constexpr std::string_view personality = "Personality";

} // namespace

std::string_view borderName(BorderSide side) {
    static constexpr std::array<std::string_view, 4> names{"Left", "Right", "Top", "Bottom"};
    return names[static_cast<int>(side)];
}

std::optional<WindowBorderSettings> readWindowBorder(const TIniText& definition, BorderSide side) {
    const std::string name(borderName(side));
    if (!definition.hasKey(personality, name))
        return std::nullopt;
    WindowBorderSettings border;
    border.image = definition.readString(personality, name);
    border.fixedStart = definition.readInteger(personality, name + "TopHeight", 0);
    border.fixedEnd = definition.readInteger(personality, name + "BotHeight", 0);
    border.frameCount = definition.readInteger(personality, name + "Frame", 1);
    border.stretch = std::min(definition.readInteger(personality, name + "Stretch", 1), 1);
    border.transparent = definition.readInteger(personality, name + "Trans", 1);
    return border;
}

int frameExtent(int imageExtent, int frameCount) { return imageExtent / std::max(frameCount, 1); }

FrameSizes frameSizesOf(const std::array<BorderImage, 4>& borders) {
    const auto& [left, right, top, bottom] = borders;
    return {frameExtent(left.width, left.frameCount), frameExtent(top.height, top.frameCount),
            frameExtent(right.width, right.frameCount), frameExtent(bottom.height, bottom.frameCount)};
}

} // namespace tessarin::skin
