#pragma once

#include <cstdint>
#include <span>
#include <string_view>

namespace tessarin::stationinput {

// Every Mandarin reading of a Chinese character, as numbers of syllables:
// toneless lower-case Latin letters, ü written "v", each reading once, in the
// byte order of their letters. Empty for a character without readings (Latin
// letters, digits, punctuation). The table is built into the program; looking
// a character up reads no file and converts no text.
std::span<const std::uint16_t> readingsOf(char32_t character);

// The letters of a syllable number that readingsOf gives.
std::string_view syllable(std::uint16_t number);

} // namespace tessarin::stationinput
