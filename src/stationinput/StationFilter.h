#pragma once

#include "StationList.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::stationinput {

// Whether a name is offered for the typed text, given the initials of the
// name's characters (one byte per character, 0 where a character has none).
// Position by position over the typed text: "?" stands for any one character,
// even past the end of the name; a Latin letter of either case must be the
// initial of the name's character at that position; anything else (digits,
// punctuation, Chinese characters) never matches. An empty text matches every
// name.
bool initialsMatch(std::string_view initials, std::string_view typed);

// Receives each name that a filter offers, in list order.
using AppendStation = std::function<void(const std::string& name)>;

// The filter of a station box: hands every name of the list that is offered
// for the typed text to `append`, in list order, repeats kept, without limit.
void MatchStations(const StationList& list, std::string_view typed, const AppendStation& append);

// The filters of the three station boxes (cbStart, cbStop, sTaBox) differ only
// in the box whose list receives the names, which the caller's append target
// decides; they are one filter under three names.
inline constexpr auto MatchStations2 = &MatchStations;
inline constexpr auto MatchStations3 = &MatchStations;

// The names offered for the typed text, in list order.
std::vector<std::string> stationSuggestions(const StationList& list, std::string_view typed);

} // namespace tessarin::stationinput
