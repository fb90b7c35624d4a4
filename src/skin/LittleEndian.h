#pragma once

#include <cstddef>
#include <cstdint>
#include <span>

namespace tessarin::skin {

// The 32-bit little-endian value at `offset`; the caller has checked that
// four bytes are there.
inline std::uint32_t readUint32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::uint32_t>(bytes[offset]) | static_cast<std::uint32_t>(bytes[offset + 1]) << 8 |
           static_cast<std::uint32_t>(bytes[offset + 2]) << 16 | static_cast<std::uint32_t>(bytes[offset + 3]) << 24;
}

inline std::int32_t readInt32(std::span<const std::uint8_t> bytes, std::size_t offset) {
    return static_cast<std::int32_t>(readUint32(bytes, offset));
}

} // namespace tessarin::skin
