#pragma once

#include <cstdint>
#include <span>
#include <vector>

namespace tessarin::skin {

// Unpacks a packed skin: a 32-bit little-endian unpacked size U, then an
// LZHUF bit stream (most significant bit first). Returns exactly U bytes.
//
// Bits past the end of the data read as 0, so the unpacker never reads
// outside `packed`; but a stream that needs any of those bits before U bytes
// are out is cut short, and fails. Throws SkinFormatError, with a message
// saying what is wrong, when the size is missing, when U is more than the
// packed bits could ever produce, or when the stream ends early.
std::vector<std::uint8_t> unpackSkin(std::span<const std::uint8_t> packed);

} // namespace tessarin::skin
