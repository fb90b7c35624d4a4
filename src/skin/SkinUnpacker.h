#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessarin::skin {

// Unpacks a packed skin: a 32-bit little-endian unpacked size U, then an
// LZHUF bit stream (most significant bit first). Returns exactly U bytes.
//
// Bits past the end of the data read as 0, and decoding stops once U bytes
// are out, so a stream cut short still gives U bytes and the unpacker never
// reads outside `packed`. Throws SkinFormatError, with a message saying what
// is wrong, when the size is missing or when U is more than a packed stream
// of that length can hold (48 bytes per packed byte, the best the packing
// reaches), which also bounds the work.
std::vector<std::uint8_t> unpackSkin(std::span<const std::uint8_t> packed);

} // namespace tessarin::skin
