#pragma once

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace tessarin::stationinput {

// What the suggestion filter compares of one character of a station name.
struct SpelledCharacter {
    // Bit n is set when the letter 'A' + n is an initial of the character:
    // the first letter of any of its readings, or its letter by the pinyin
    // order of the GBK codes (GetPinyinInitial).
    std::uint32_t initials = 0;
    // Every reading of the character, numbers of syllables (CharacterReadings.h).
    std::span<const std::uint16_t> readings;

    bool hasInitial(char upperCaseLetter) const {
        return upperCaseLetter >= 'A' && upperCaseLetter <= 'Z' && ((initials >> (upperCaseLetter - 'A')) & 1u) != 0;
    }
};

// The characters of a name as the filter compares them, one entry per
// character; worked out once when a name list is made, so that filtering
// converts no text.
using SpelledName = std::vector<SpelledCharacter>;

SpelledName spell(std::string_view name);

} // namespace tessarin::stationinput
