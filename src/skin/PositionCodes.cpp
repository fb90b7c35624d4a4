#include "PositionCodes.h"

namespace tessarin::skin::lzhuf {
namespace {

// The published code lengths: one code of 3 bits, three of 4, eight of 5,
// twelve of 6, twenty-four of 7 and sixteen of 8, given to the upper-bit
// values in rising order. The codes themselves are canonical: each is the
// previous one plus one, shifted left when the length grows.
constexpr std::array<std::pair<int, int>, 6> codesPerLength{{{3, 1}, {4, 3}, {5, 8}, {6, 12}, {7, 24}, {8, 16}}};

std::array<PositionCode, 64> buildCodes() {
    std::array<PositionCode, 64> codes{};
    int upper = 0;
    unsigned code = 0;
    int previousLength = codesPerLength.front().first;
    for (const auto& [length, count] : codesPerLength) {
        code <<= length - previousLength;
        previousLength = length;
        for (int i = 0; i < count; ++i, ++upper, ++code)
            codes[upper] = {static_cast<std::uint8_t>(code << (8 - length)), static_cast<std::uint8_t>(length)};
    }
    return codes;
}

std::array<PositionPrefix, 256> buildPrefixes() {
    std::array<PositionPrefix, 256> prefixes{};
    const auto& codes = positionCodes();
    for (int upper = 0; upper < 64; ++upper) {
        const int first = codes[upper].bits;
        const int span = 1 << (8 - codes[upper].length);
        for (int byte = first; byte < first + span; ++byte)
            prefixes[byte] = {static_cast<std::uint8_t>(upper), codes[upper].length};
    }
    return prefixes;
}

} // namespace

const std::array<PositionCode, 64>& positionCodes() {
    static const std::array<PositionCode, 64> codes = buildCodes();
    return codes;
}

const std::array<PositionPrefix, 256>& positionPrefixes() {
    static const std::array<PositionPrefix, 256> prefixes = buildPrefixes();
    return prefixes;
}

} // namespace tessarin::skin::lzhuf
