#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessarin::skin::tools {

inline void appendUint32(std::vector<std::uint8_t>& out, std::uint32_t value) {
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// `bytes` after a 32-bit little-endian value, as the skin's layers begin:
// the form property with its byte count, the packed skin with its unpacked size.
inline std::vector<std::uint8_t> prefixed(std::uint32_t value, std::span<const std::uint8_t> bytes) {
    std::vector<std::uint8_t> out;
    out.reserve(bytes.size() + 4);
    appendUint32(out, value);
    out.insert(out.end(), bytes.begin(), bytes.end());
    return out;
}

} // namespace tessarin::skin::tools
