#pragma once

#include "JourneySearch.h"

#include <vector>

namespace tessarin::journeys {

// The answer among the journeys found: of those equal in departure, arrival
// and changes the best by RoundLabels::better, then those that no other
// departs no earlier, arrives no later and changes no more often than while
// being better in one of the three; ordered by departure, arrival, changes.
std::vector<FoundJourney> undominatedJourneys(std::vector<FoundJourney> found, const RoundLabels& labels);

} // namespace tessarin::journeys
