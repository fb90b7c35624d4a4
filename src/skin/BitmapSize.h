#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace tessarin::skin {

struct BitmapSize {
    int width = 0;
    int height = 0;
};

// The width and height a Windows bitmap file declares in its header (a
// bottom-up or top-down bitmap alike); nothing when the bytes are not a
// bitmap file header.
std::optional<BitmapSize> bitmapSize(std::span<const std::uint8_t> file);

} // namespace tessarin::skin
