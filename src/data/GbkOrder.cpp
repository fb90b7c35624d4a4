#include "GbkOrder.h"

#include "GbkCode.h"
#include "LatinCase.h"
#include "Utf8Characters.h"

#include <algorithm>
#include <array>
#include <compare>

namespace tessarin::data {
namespace {

int sign(std::strong_ordering order) { return order < 0 ? -1 : order > 0 ? 1 : 0; }

// The bytes of a GBK code, as they stand in encoded text.
struct GbkBytes {
    std::array<unsigned char, 2> bytes;
    std::size_t size;

    explicit GbkBytes(unsigned code)
        : bytes(code > 0xFF ? std::array<unsigned char, 2>{static_cast<unsigned char>(code >> 8),
                                                           static_cast<unsigned char>(code & 0xFF)}
                            : std::array<unsigned char, 2>{static_cast<unsigned char>(code), 0}),
          size(code > 0xFF ? 2 : 1) {}

    std::strong_ordering operator<=>(const GbkBytes& other) const {
        return std::lexicographical_compare_three_way(bytes.begin(), bytes.begin() + size, other.bytes.begin(),
                                                      other.bytes.begin() + other.size);
    }
};

std::strong_ordering compareUtf8Bytes(std::string_view a, std::string_view b) {
    return std::lexicographical_compare_three_way(
        a.begin(), a.end(), b.begin(), b.end(),
        [](char x, char y) { return static_cast<unsigned char>(x) <=> static_cast<unsigned char>(y); });
}

bool isAscii(std::string_view character) {
    return character.size() == 1 && static_cast<unsigned char>(character[0]) < 0x80;
}

// ASCII is its own GBK code: such pairs need no converter.
int compareCharacters(std::string_view a, std::string_view b, bool ignoringLatinCase) {
    if (isAscii(a) && isAscii(b)) {
        const char x = ignoringLatinCase ? foldLatin(a[0]) : a[0];
        const char y = ignoringLatinCase ? foldLatin(b[0]) : b[0];
        return x < y ? -1 : x > y ? 1 : 0;
    }
    const auto codeA = gbkCode(a);
    const auto codeB = gbkCode(b);
    if (codeA && codeB)
        return sign(GbkBytes(*codeA) <=> GbkBytes(*codeB));
    if (codeA || codeB)
        return codeA ? -1 : 1;
    return sign(compareUtf8Bytes(a, b));
}

// Character by character; only the first pair that differs in UTF-8 is
// converted, and that decides unless both have the same GBK code.
int compareTexts(std::string_view a, std::string_view b, bool ignoringLatinCase) {
    while (!a.empty() && !b.empty()) {
        const std::string_view characterA = firstCharacter(a);
        const std::string_view characterB = firstCharacter(b);
        if (characterA != characterB) {
            if (const int order = compareCharacters(characterA, characterB, ignoringLatinCase))
                return order;
        }
        a.remove_prefix(characterA.size());
        b.remove_prefix(characterB.size());
    }
    return a.empty() == b.empty() ? 0 : a.empty() ? -1 : 1;
}

} // namespace

int compareAsGbk(std::string_view a, std::string_view b) { return compareTexts(a, b, false); }

int compareAsGbkIgnoringLatinCase(std::string_view a, std::string_view b) { return compareTexts(a, b, true); }

} // namespace tessarin::data
