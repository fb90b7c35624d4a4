// Generates the table of Mandarin readings of the Chinese characters from the
// Unihan readings file (Unihan_Readings.txt.bz2, as the system's Unicode data
// package installs it).
//
//   tessarin-make-readings UNIHAN_READINGS.txt.bz2 OUT.cpp
//
// Every reading of the fields kMandarin, kHanyuPinyin, kXHC1983 and kTGHZ2013
// is taken, without its tone mark, in lower case, ü written "v"; a character
// keeps each distinct reading once. OUT.cpp defines characterReadingsTable
// (src/stationinput/CharacterReadingsTable.h). The file is written under a
// temporary name and moved into place when complete. A reading with a letter
// this tool does not know stops the build with the line it stands on, so that
// a new edition of the data cannot lose readings unnoticed.

#include "data/Utf8Characters.h"

#include <bzlib.h>

#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <set>
#include <sstream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace {

using Readings = std::set<std::string>;
using CharacterReadings = std::map<char32_t, Readings>;

const std::set<std::string_view> readingFields = {"kMandarin", "kHanyuPinyin", "kXHC1983", "kTGHZ2013"};

std::string decompress(const std::filesystem::path& file) {
    std::FILE* in = std::fopen(file.c_str(), "rb");
    if (!in)
        throw std::runtime_error("cannot open the file");
    int error = BZ_OK;
    BZFILE* packed = BZ2_bzReadOpen(&error, in, 0, 0, nullptr, 0);
    std::string text;
    char buffer[1 << 16];
    while (error == BZ_OK) {
        const int read = BZ2_bzRead(&error, packed, buffer, sizeof buffer);
        if (error == BZ_OK || error == BZ_STREAM_END)
            text.append(buffer, static_cast<std::size_t>(read));
    }
    int closeError = BZ_OK;
    BZ2_bzReadClose(&closeError, packed);
    std::fclose(in);
    if (error != BZ_STREAM_END)
        throw std::runtime_error("not a complete bzip2 file (error " + std::to_string(error) + ")");
    return text;
}

std::u32string codePoints(std::string_view text) {
    std::u32string result;
    while (!text.empty()) {
        const std::string_view character = tessarin::data::firstCharacter(text);
        const auto code = tessarin::data::codePoint(character);
        if (!code)
            throw std::runtime_error("malformed UTF-8");
        result += *code;
        text.remove_prefix(character.size());
    }
    return result;
}

// The plain letter of a pinyin letter with a tone mark: 0 for a combining
// mark (dropped), 'v' for ü in any tone, '?' for a letter not known here.
char plainLetter(char32_t letter) {
    if (letter >= 'a' && letter <= 'z')
        return static_cast<char>(letter);
    if (letter >= 0x0300 && letter <= 0x036F)
        return 0;
    switch (letter) {
    case U'à': case U'á': case U'ā': case U'ǎ':
        return 'a';
    case U'è': case U'é': case U'ē': case U'ě': case U'ê': case U'ế': case U'ề':
        return 'e';
    case U'ì': case U'í': case U'ī': case U'ǐ':
        return 'i';
    case U'ò': case U'ó': case U'ō': case U'ǒ':
        return 'o';
    case U'ù': case U'ú': case U'ū': case U'ǔ':
        return 'u';
    case U'ü': case U'ǖ': case U'ǘ': case U'ǚ': case U'ǜ':
        return 'v';
    case U'ń': case U'ň': case U'ǹ':
        return 'n';
    case U'ḿ':
        return 'm';
    default:
        return '?';
    }
}

std::string toneless(std::string_view reading) {
    std::string plain;
    for (const char32_t letter : codePoints(reading)) {
        const char c = plainLetter(letter);
        if (c == '?')
            throw std::runtime_error("unknown letter in the reading '" + std::string(reading) + "'");
        if (c)
            plain += c;
    }
    if (plain.empty())
        throw std::runtime_error("empty reading");
    return plain;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string_view::npos)
            return parts;
        start = end + 1;
    }
}

// A field's value: readings separated by spaces, each either bare
// ("zhòng") or after the dictionary places it is found at ("63680.020:zhòng,chóng").
void addReadings(std::string_view value, Readings& readings) {
    for (std::string_view entry : split(value, ' ')) {
        if (entry.empty())
            continue;
        if (const std::size_t colon = entry.rfind(':'); colon != std::string_view::npos)
            entry.remove_prefix(colon + 1);
        for (const std::string_view reading : split(entry, ','))
            readings.insert(toneless(reading));
    }
}

char32_t parseCodePoint(std::string_view field) {
    if (!field.starts_with("U+"))
        throw std::runtime_error("no code point");
    return static_cast<char32_t>(std::stoul(std::string(field.substr(2)), nullptr, 16));
}

CharacterReadings readUnihan(const std::string& text) {
    CharacterReadings characters;
    std::istringstream lines(text);
    std::size_t lineNumber = 0;
    for (std::string line; std::getline(lines, line);) {
        ++lineNumber;
        if (line.empty() || line[0] == '#')
            continue;
        const std::vector<std::string_view> fields = split(line, '\t');
        if (fields.size() != 3 || !readingFields.contains(fields[1]))
            continue;
        try {
            addReadings(fields[2], characters[parseCodePoint(fields[0])]);
        } catch (const std::exception& error) {
            throw std::runtime_error("line " + std::to_string(lineNumber) + ": " + error.what() + ": " + line);
        }
    }
    return characters;
}

// The table in the shape of CharacterReadingsTable: syllable numbers, and the
// distinct reading sets in order of first use.
struct Table {
    std::vector<std::string> syllables;
    std::vector<std::uint32_t> setStarts{0};
    std::vector<std::uint16_t> setSyllables;
    std::vector<char32_t> characters;
    std::vector<std::uint16_t> characterSets;
};

Table makeTable(const CharacterReadings& characters) {
    if (characters.empty())
        throw std::runtime_error("no Mandarin readings in the file");
    Table table;
    std::set<std::string> syllables;
    for (const auto& [character, readings] : characters)
        syllables.insert(readings.begin(), readings.end());
    table.syllables.assign(syllables.begin(), syllables.end());
    std::map<std::string, std::uint16_t> syllableNumbers;
    for (std::size_t i = 0; i < table.syllables.size(); ++i)
        syllableNumbers[table.syllables[i]] = static_cast<std::uint16_t>(i);

    std::map<std::vector<std::uint16_t>, std::uint16_t> setNumbers;
    for (const auto& [character, readings] : characters) {
        std::vector<std::uint16_t> set;
        for (const std::string& reading : readings)
            set.push_back(syllableNumbers.at(reading));
        auto [found, added] = setNumbers.try_emplace(set, static_cast<std::uint16_t>(setNumbers.size()));
        if (added) {
            table.setSyllables.insert(table.setSyllables.end(), set.begin(), set.end());
            table.setStarts.push_back(static_cast<std::uint32_t>(table.setSyllables.size()));
        }
        table.characters.push_back(character);
        table.characterSets.push_back(found->second);
    }
    if (table.syllables.size() > 0xFFFF || setNumbers.size() > 0xFFFF)
        throw std::runtime_error("more syllables or reading sets than 16-bit numbers hold");
    return table;
}

template <typename Number>
void writeNumbers(std::ostream& out, const char* type, const char* name, const std::vector<Number>& numbers,
                  bool hex) {
    out << "constexpr " << type << ' ' << name << "[] = {";
    for (std::size_t i = 0; i < numbers.size(); ++i) {
        out << (i % 16 == 0 ? "\n    " : " ");
        if (hex)
            out << "0x" << std::hex << static_cast<std::uint32_t>(numbers[i]) << std::dec;
        else
            out << static_cast<std::uint32_t>(numbers[i]);
        out << ',';
    }
    out << "\n};\n\n";
}

void writeTable(std::ostream& out, const Table& table) {
    out << "// Generated by tessarin-make-readings from the Unihan readings; do not edit.\n\n"
           "#include \"stationinput/CharacterReadingsTable.h\"\n\n"
           "namespace tessarin::stationinput {\nnamespace {\n\n"
           "constexpr std::string_view syllables[] = {";
    for (std::size_t i = 0; i < table.syllables.size(); ++i)
        out << (i % 10 == 0 ? "\n    " : " ") << '"' << table.syllables[i] << "\",";
    out << "\n};\n\n";
    writeNumbers(out, "std::uint32_t", "setStarts", table.setStarts, false);
    writeNumbers(out, "std::uint16_t", "setSyllables", table.setSyllables, false);
    writeNumbers(out, "char32_t", "characters", table.characters, true);
    writeNumbers(out, "std::uint16_t", "characterSets", table.characterSets, false);
    out << "} // namespace\n\n"
           "constinit const CharacterReadingsTable characterReadingsTable{syllables, setStarts, setSyllables,\n"
           "                                                              characters, characterSets};\n\n"
           "} // namespace tessarin::stationinput\n";
}

void writeAtomically(const std::filesystem::path& file, const Table& table) {
    const std::filesystem::path temporary = file.string() + ".part";
    {
        std::ofstream out(temporary, std::ios::binary);
        writeTable(out, table);
        if (!out.flush())
            throw std::runtime_error("cannot write " + temporary.string());
    }
    std::filesystem::rename(temporary, file);
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: tessarin-make-readings UNIHAN_READINGS.txt.bz2 OUT.cpp\n";
        return 2;
    }
    try {
        const Table table = makeTable(readUnihan(decompress(argv[1])));
        writeAtomically(argv[2], table);
        return 0;
    } catch (const std::exception& error) {
        std::cerr << "tessarin-make-readings: " << argv[1] << ": " << error.what() << '\n';
        return 1;
    }
}
