#include "PlannedRoute.h"

#include "TrainType.h"

#include <algorithm>
#include <set>
#include <stdexcept>

namespace tessarin::tools {
namespace {

// Every station the route passes, in travelling order, km from its origin.
std::vector<LineStation> routeStations(const std::vector<std::string>& route, const LineMap& lines) {
    std::vector<LineStation> stations;
    for (std::size_t i = 0; i + 2 < route.size(); i += 2) {
        const int offset = stations.empty() ? 0 : stations.back().km;
        std::vector<LineStation> segment = lines.segment(route[i + 1], route[i], route[i + 2]);
        for (std::size_t k = stations.empty() ? 0 : 1; k < segment.size(); ++k) {
            segment[k].km += offset;
            stations.push_back(std::move(segment[k]));
        }
    }
    std::set<std::string> seen;
    for (const LineStation& station : stations) {
        if (!seen.insert(station.name).second)
            throw std::runtime_error("the route passes " + station.name + " twice");
    }
    return stations;
}

bool serves(const PlanEntry& entry, const TrainType& type, const LineStation& station) {
    if (entry.stops)
        return std::find(entry.stops->begin(), entry.stops->end(), station.name) != entry.stops->end();
    return station.rank <= type.lowestRankServed;
}

void checkStopsOnRoute(const PlanEntry& entry, const std::vector<LineStation>& stations) {
    for (const std::string& stop : entry.stops.value_or(std::vector<std::string>{})) {
        if (std::none_of(stations.begin(), stations.end(), [&](const LineStation& s) { return s.name == stop; }))
            throw std::runtime_error("stop " + stop + " is not on the route");
    }
}

std::vector<PlannedCall> calls(const PlanEntry& entry, const TrainType& type,
                               const std::vector<LineStation>& stations) {
    std::vector<PlannedCall> calls;
    for (std::size_t i = 0; i < stations.size(); ++i) {
        const LineStation& station = stations[i];
        const bool end = i == 0 || i + 1 == stations.size();
        if (end || serves(entry, type, station))
            calls.push_back({station.name, station.km, type.dwell[station.rank - 1]});
    }
    return calls;
}

PlannedTrain plannedTrain(const PlanEntry& entry, const LineMap& lines, int direction) {
    const TrainType& type = trainType(entry.type);
    std::vector<std::string> route = entry.route;
    if (direction == 1)
        std::reverse(route.begin(), route.end());
    const std::vector<LineStation> stations = routeStations(route, lines);
    checkStopsOnRoute(entry, stations);
    return PlannedTrain{entry.ids[direction], entry.type, entry.departures[direction],
                        entry.speed.value_or(type.speed), entry.classes, calls(entry, type, stations)};
}

} // namespace

std::array<PlannedTrain, 2> plannedTrains(const PlanEntry& entry, const LineMap& lines) {
    try {
        return {plannedTrain(entry, lines, 0), plannedTrain(entry, lines, 1)};
    } catch (const std::exception& error) {
        throw std::runtime_error(entry.where + ": " + error.what());
    }
}

} // namespace tessarin::tools
