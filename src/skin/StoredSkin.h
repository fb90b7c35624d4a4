#pragma once

#include <cstdint>
#include <span>

namespace tessarin::skin {

// The skin stored with the main window: its SkinStream form property, a
// 32-bit byte count and then the packed skin. Made at build time from the
// program's own artwork.
std::span<const std::uint8_t> storedSkinStream();

} // namespace tessarin::skin
