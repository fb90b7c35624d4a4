#pragma once

#include "journeys/Journey.h"
#include "journeys/JourneyTimetable.h"

#include <set>
#include <tuple>
#include <vector>

namespace tessarin::journeys {

// Departure, arrival and changes of one journey.
using JourneyFigures = std::tuple<int, int, int>;

// The baseline of the search benchmark: a plain search for each departure
// from a FROM station on its own, forwards, leg by leg. Each round rides
// every train boarded in the round before from where it was boarded, and
// changes at each stop it reaches into every departure there within the
// wait allowed, keeping the least time to each boarding (the last change
// only into trains that go on to a TO station). The figures of every
// journey found are then filtered for those no other dominates. It finds
// the figures of the same answer as the planner, without choosing among ties.
std::set<JourneyFigures> perDepartureAnswer(const JourneyTimetable& timetable, const std::vector<char>& from,
                                            const std::vector<char>& to, const JourneyOptions& options);

} // namespace tessarin::journeys
