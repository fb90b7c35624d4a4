#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace tessarin::skin {

// The SkinStream form property: a 32-bit little-endian byte count N, then N
// bytes of packed skin. Returns those N bytes, or nothing when N is 0 or
// less (no skin stored). Throws SkinFormatError when the count is missing or
// more bytes are counted than follow.
std::optional<std::span<const std::uint8_t>> packedSkinOf(std::span<const std::uint8_t> property);

} // namespace tessarin::skin
