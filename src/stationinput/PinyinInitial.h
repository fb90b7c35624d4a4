#pragma once

#include <string>
#include <string_view>

namespace tessarin::stationinput {

// The initial letter of the pinyin reading of a GBK code, by the pinyin order
// of the level-1 Chinese characters of GB2312 (B0A1 to D7F9): an upper-case
// letter A to Z (never I, U or V), or 0 when the code lies in none of the 23
// letter ranges. Level-2 characters, symbols and one-byte codes give 0; a GBK
// extension code that falls inside a range gets that range's letter whatever
// its reading.
char pinyinInitialOfCode(unsigned code);

// The pinyin initial of the first character of a UTF-8 text (the rest is not
// read), by its GBK code as above; 0 for an empty text and for a character
// without a GBK code.
char GetPinyinInitial(std::string_view text);

// The pinyin initials of every character of a UTF-8 text, one byte per
// character, 0 where a character has none.
std::string pinyinInitials(std::string_view text);

} // namespace tessarin::stationinput
