#pragma once

// The parameters of the LZHUF packing shared by the skin unpacker and the
// build-time packer: LZSS over a ring buffer, with literals and match lengths
// coded by one adaptive Huffman tree and match positions by fixed codes.

#include <cstdint>

namespace tessarin::skin::lzhuf {

inline constexpr int ringSize = 4096;                              // the sliding window
inline constexpr int lookAhead = 60;                               // longest match
inline constexpr int threshold = 2;                                // a match is at least threshold + 1 bytes
inline constexpr int startPosition = ringSize - lookAhead;         // first write position, 4,036
inline constexpr std::uint8_t ringFill = ' ';                      // what the ring holds before that
inline constexpr int symbolCount = 256 - threshold + lookAhead;    // 256 literals, 58 match lengths
inline constexpr int nodeCount = 2 * symbolCount - 1;              // nodes of the Huffman tree, 627
inline constexpr int rootNode = nodeCount - 1;
inline constexpr unsigned rebuildFrequency = 0x8000;               // the root's frequency that halves all

// The symbol of a match of `length` bytes, and back.
inline constexpr int matchSymbol(int length) { return 255 - threshold + length; }
inline constexpr int matchLength(int symbol) { return symbol - 255 + threshold; }

} // namespace tessarin::skin::lzhuf
