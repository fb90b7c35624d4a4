#pragma once

#include "StationList.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::stationinput {

// Receives each name that a filter offers, in list order.
using AppendStation = std::function<void(const std::string& name)>;

// The filter of a station box: hands every name of the list that is offered
// for the typed text to `append`, in list order, repeats kept, without limit.
//
// A name is offered when the typed text matches it in either of two ways,
// without regard to the case of the letters:
// - by initials, position by position: "?" stands for any one character, even
//   past the end of the name; a letter must be an initial of the name's
//   character at that position (the first letter of any of its readings, or
//   its letter by the GBK order of GetPinyinInitial);
// - by full pinyin: the text, all Latin letters, begins the name's pinyin
//   spelled out with one reading per character, any reading of each ("beij",
//   "beijingx", "chongqing"); a typed "u" also stands for ü ("luliang" as
//   well as "lvliang").
// Anything else (digits, punctuation, Chinese characters) never matches. An
// empty text matches every name.
void MatchStations(const StationList& list, std::string_view typed, const AppendStation& append);

// The filters of the three station boxes (cbStart, cbStop, sTaBox) differ only
// in the box whose list receives the names, which the caller's append target
// decides; they are one filter under three names.
inline constexpr auto MatchStations2 = &MatchStations;
inline constexpr auto MatchStations3 = &MatchStations;

// The names offered for the typed text, in list order.
std::vector<std::string> stationSuggestions(const StationList& list, std::string_view typed);

} // namespace tessarin::stationinput
