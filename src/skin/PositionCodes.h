#pragma once

#include <array>
#include <cstdint>

namespace tessarin::skin::lzhuf {

// The fixed codes of LZHUF's match positions. A position (0 to 4,095) is sent
// as the code of its upper 6 bits, 3 to 8 bits long (short codes for near
// positions), followed by its lower 6 bits verbatim.
struct PositionCode {
    std::uint8_t bits;    // the code, left-aligned in the byte
    std::uint8_t length;  // its length in bits
};

// The code of each value of the upper 6 bits.
const std::array<PositionCode, 64>& positionCodes();

// What the unpacker reads from the first 8 bits of a position: the upper 6
// bits, and the length of their code.
struct PositionPrefix {
    std::uint8_t upperBits;
    std::uint8_t codeLength;
};
const std::array<PositionPrefix, 256>& positionPrefixes();

} // namespace tessarin::skin::lzhuf
