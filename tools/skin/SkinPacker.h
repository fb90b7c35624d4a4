#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessarin::skin::tools {

// Packs bytes the way the program's skin unpacker reads them: the 32-bit
// little-endian size of `data`, then the LZHUF bit stream, its last byte
// filled up with 0 bits. Matches never reach into the part of the ring that
// the unpacker leaves unset at the start.
std::vector<std::uint8_t> packSkin(std::span<const std::uint8_t> data);

} // namespace tessarin::skin::tools
