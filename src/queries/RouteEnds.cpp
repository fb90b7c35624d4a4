#include "RouteEnds.h"

#include "data/LatinCase.h"

namespace tessarin::queries {

void TrainRuns::add(std::string_view trainNumber, std::string_view station) {
    if (runs_.empty() || runs_.back().trainNumber != trainNumber)
        runs_.push_back({std::string(trainNumber), std::string(station), {}});
    runs_.back().terminal = station;
}

void RouteEnds::record(std::string_view trainNumber, RouteEnd ends) {
    ends_.insert_or_assign(data::upperLatin(trainNumber), std::move(ends));
}

const RouteEnd& RouteEnds::find(std::string_view trainNumber) const {
    static const RouteEnd unknown;
    const auto found = ends_.find(data::upperLatin(trainNumber));
    return found == ends_.end() ? unknown : found->second;
}

RouteEnds BuildRouteEnds(const TrainRuns& rows) {
    RouteEnds ends;
    for (const TrainRun& run : rows.runs())
        ends.record(run.trainNumber, {run.origin, run.terminal});
    return ends;
}

} // namespace tessarin::queries
