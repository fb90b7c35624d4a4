#pragma once

#include "LineMap.h"
#include "TrainPlan.h"
#include "TrainRun.h"

#include <array>

namespace tessarin::tools {

// The two trains of a plan entry, outward and return, with their calls: the
// route's ends and the intermediate stations the type serves (or the entry's
// own stop list), each standing the type's dwell for the station's rank.
// Throws std::runtime_error, naming the entry, for an unknown type, line or
// station, a route that passes a station twice, or a stop off the route.
std::array<PlannedTrain, 2> plannedTrains(const PlanEntry& entry, const LineMap& lines);

} // namespace tessarin::tools
