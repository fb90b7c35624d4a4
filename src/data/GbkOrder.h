#pragma once

#include <string_view>

namespace tessarin::data {

// Compares two UTF-8 texts as their GBK (code page 936) encodings compare,
// byte by byte, unsigned: ASCII before every Chinese character, the level-1
// characters of GB2312 in pinyin order, then level 2 (by radical), and a text
// before every longer text it begins. Negative, zero or positive, as strcmp.
//
// A character that GBK lacks, and a byte that does not begin well-formed
// UTF-8, sorts after every character that GBK has; such characters compare
// among themselves by their UTF-8 bytes (for well-formed characters, the
// order of their code points). Two texts compare equal only when they are
// equal or differ only in characters that share one GBK code. Meant both for
// sorting names in the program and as a collation of the database.
// Throws std::runtime_error when the system has no GBK converter.
int compareAsGbk(std::string_view a, std::string_view b);

// compareAsGbk without regard to the case of the Latin letters A-Z: the
// order of stored text, in which the data set's sort and the "gbk"
// collation of the database compare.
int compareAsGbkIgnoringLatinCase(std::string_view a, std::string_view b);

// compareAsGbk as a less-than for the standard algorithms.
struct GbkLess {
    bool operator()(std::string_view a, std::string_view b) const { return compareAsGbk(a, b) < 0; }
};

} // namespace tessarin::data
