#include "SpelledName.h"

#include "CharacterReadings.h"
#include "PinyinInitial.h"
#include "data/LatinCase.h"
#include "data/Utf8Characters.h"

namespace tessarin::stationinput {
namespace {

std::uint32_t initialBit(char upperCaseLetter) {
    return upperCaseLetter >= 'A' && upperCaseLetter <= 'Z' ? 1u << (upperCaseLetter - 'A') : 0u;
}

SpelledCharacter spellCharacter(std::string_view character) {
    SpelledCharacter spelled;
    if (const auto code = data::codePoint(character))
        spelled.readings = readingsOf(*code);
    spelled.initials = initialBit(GetPinyinInitial(character));
    for (const std::uint16_t reading : spelled.readings)
        spelled.initials |= initialBit(data::foldLatin(syllable(reading).front()));
    return spelled;
}

} // namespace

SpelledName spell(std::string_view name) {
    SpelledName spelled;
    while (!name.empty()) {
        const std::string_view character = data::firstCharacter(name);
        spelled.push_back(spellCharacter(character));
        name.remove_prefix(character.size());
    }
    return spelled;
}

} // namespace tessarin::stationinput
