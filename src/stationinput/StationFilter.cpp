#include "StationFilter.h"

#include "data/LatinCase.h"

namespace tessarin::stationinput {

bool initialsMatch(std::string_view initials, std::string_view typed) {
    // Positions are characters. Every typed character other than "?" and the
    // Latin letters fails where it stands, so up to the first failure each
    // typed character is one byte and a byte index is a character index.
    for (std::size_t position = 0; position < typed.size(); ++position) {
        const char wanted = typed[position];
        if (wanted == '?')
            continue;
        // A character without an initial (0) matches nothing but "?".
        if (position >= initials.size() || initials[position] == 0 ||
            data::foldLatin(wanted) != initials[position])
            return false;
    }
    return true;
}

void MatchStations(const StationList& list, std::string_view typed, const AppendStation& append) {
    for (std::size_t row = 0; row < list.size(); ++row) {
        if (initialsMatch(list.initials(row), typed))
            append(list.name(row));
    }
}

std::vector<std::string> stationSuggestions(const StationList& list, std::string_view typed) {
    std::vector<std::string> names;
    MatchStations(list, typed, [&names](const std::string& name) { names.push_back(name); });
    return names;
}

} // namespace tessarin::stationinput
