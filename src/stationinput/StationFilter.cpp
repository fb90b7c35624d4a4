#include "StationFilter.h"

#include "CharacterReadings.h"
#include "data/LatinCase.h"

#include <optional>

namespace tessarin::stationinput {
namespace {

using Characters = std::span<const SpelledCharacter>;

bool matchesInitials(Characters name, std::string_view typed) {
    // Positions are characters. Every typed character other than "?" and the
    // Latin letters fails where it stands, so up to the first failure each
    // typed character is one byte and a byte index is a character index.
    for (std::size_t position = 0; position < typed.size(); ++position) {
        const char wanted = typed[position];
        if (wanted == '?')
            continue;
        if (position >= name.size() || !name[position].hasInitial(data::foldLatin(wanted)))
            return false;
    }
    return true;
}

// Whether the typed letters (lower case) match the first letters of a
// reading, or as many as there are: "v" is ü, which may be typed "u" too.
bool lettersMatch(std::string_view reading, std::string_view letters) {
    for (std::size_t i = 0; i < reading.size() && i < letters.size(); ++i) {
        if (reading[i] != letters[i] && !(reading[i] == 'v' && letters[i] == 'u'))
            return false;
    }
    return true;
}

// Whether the letters begin the name's pinyin with some choice of one
// reading per character; tries the readings of each character in turn.
bool spellingBegins(Characters name, std::string_view letters) {
    if (letters.empty())
        return true;
    if (name.empty())
        return false;
    for (const std::uint16_t number : name.front().readings) {
        const std::string_view reading = syllable(number);
        if (!lettersMatch(reading, letters))
            continue;
        if (letters.size() <= reading.size() || spellingBegins(name.subspan(1), letters.substr(reading.size())))
            return true;
    }
    return false;
}

// The typed text in lower case when it is all Latin letters, the only texts
// that can match by full pinyin.
std::optional<std::string> pinyinLetters(std::string_view typed) {
    std::string letters;
    for (const char c : typed) {
        const char upper = data::foldLatin(c);
        if (upper < 'A' || upper > 'Z')
            return std::nullopt;
        letters += static_cast<char>(upper - 'A' + 'a');
    }
    return letters;
}

} // namespace

void MatchStations(const StationList& list, std::string_view typed, const AppendStation& append) {
    const std::optional<std::string> letters = pinyinLetters(typed);
    for (std::size_t row = 0; row < list.size(); ++row) {
        const SpelledName& name = list.spelling(row);
        if (matchesInitials(name, typed) || (letters && spellingBegins(name, *letters)))
            append(list.name(row));
    }
}

std::vector<std::string> stationSuggestions(const StationList& list, std::string_view typed) {
    std::vector<std::string> names;
    MatchStations(list, typed, [&names](const std::string& name) { names.push_back(name); });
    return names;
}

} // namespace tessarin::stationinput
