#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tessarin::stationinput {

// The Mandarin readings of every Chinese character that has any, as the build
// generates them from the Unihan readings (CharacterReadingsTable.cpp in the
// build folder). A reading is toneless lower-case Latin letters with ü written
// "v" ("lv", "nve"). Many characters share the same readings, so a character
// points at a reading set, and a set lists syllables by their number.
struct CharacterReadingsTable {
    // Every syllable that some reading spells, in byte order.
    std::span<const std::string_view> syllables;
    // Set i holds the syllables setSyllables[setStarts[i]] up to, not
    // including, setSyllables[setStarts[i + 1]]; one more start than sets.
    std::span<const std::uint32_t> setStarts;
    std::span<const std::uint16_t> setSyllables;
    // The characters in ascending code point order, and the set of each.
    std::span<const char32_t> characters;
    std::span<const std::uint16_t> characterSets;
};

extern const CharacterReadingsTable characterReadingsTable;

} // namespace tessarin::stationinput
