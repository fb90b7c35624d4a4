#include "CharacterReadings.h"

#include "CharacterReadingsTable.h"

#include <algorithm>

namespace tessarin::stationinput {

std::span<const std::uint16_t> readingsOf(char32_t character) {
    const CharacterReadingsTable& table = characterReadingsTable;
    const auto found = std::lower_bound(table.characters.begin(), table.characters.end(), character);
    if (found == table.characters.end() || *found != character)
        return {};
    const std::uint16_t set = table.characterSets[static_cast<std::size_t>(found - table.characters.begin())];
    const std::uint32_t start = table.setStarts[set];
    return table.setSyllables.subspan(start, table.setStarts[set + 1u] - start);
}

std::string_view syllable(std::uint16_t number) { return characterReadingsTable.syllables[number]; }

} // namespace tessarin::stationinput
