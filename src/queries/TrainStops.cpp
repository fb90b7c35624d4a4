#include "TrainStops.h"

#include "data/Connection.h"
#include "data/LatinCase.h"
#include "data/SqlFunctions.h"
#include "data/Statement.h"

#include <algorithm>
#include <variant>

namespace tessarin::queries {

double stopNumber(std::string_view text) {
    return std::visit([](auto number) { return static_cast<double>(number); }, data::leadingNumber(text));
}

std::vector<Stop> readStops(data::Connection& connection, std::string_view select,
                            const std::vector<std::string>& parameters) {
    data::Statement rows(connection.handle(), select);
    rows.bind(parameters);
    const int flags = rows.columnCount() - 4;
    std::vector<Stop> stops;
    while (rows.step()) {
        Stop& stop = stops.emplace_back();
        stop.rowid = rows.columnInteger(0);
        stop.trainNumber = rows.columnView(1);
        stop.station = rows.columnView(2);
        stop.number = stopNumber(rows.columnView(3));
        stop.departs = flags > 0 && rows.columnInteger(4) == 1;
        stop.arrives = flags > 1 && rows.columnInteger(5) == 1;
    }
    return stops;
}

void sortInRunningOrder(std::vector<Stop>& stops) {
    std::sort(stops.begin(), stops.end(), [](const Stop& a, const Stop& b) {
        if (const int order = data::compareIgnoringLatinCase(a.trainNumber, b.trainNumber))
            return order < 0;
        if (a.number != b.number)
            return a.number < b.number;
        return a.rowid < b.rowid;
    });
}

std::vector<std::span<const Stop>> trainsOf(const std::vector<Stop>& stops) {
    std::vector<std::span<const Stop>> trains;
    auto start = stops.begin();
    for (auto stop = stops.begin(); stop != stops.end(); ++stop) {
        if (!data::equalsIgnoringLatinCase(stop->trainNumber, start->trainNumber)) {
            trains.emplace_back(start, stop);
            start = stop;
        }
    }
    if (start != stops.end())
        trains.emplace_back(start, stops.end());
    return trains;
}

TrainRuns runsOf(const std::vector<Stop>& stops) {
    TrainRuns runs;
    for (const Stop& stop : stops)
        runs.add(stop.trainNumber, stop.station);
    return runs;
}

ResultPair resultPair(const Stop& departure, const Stop& arrival, const RouteEnds& routeEnds) {
    const RouteEnd& ends = routeEnds.find(departure.trainNumber);
    return {departure.rowid, arrival.rowid, ends.origin, ends.terminal};
}

} // namespace tessarin::queries
