#pragma once

#include "ResultRows.h"
#include "RouteEnds.h"

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tessarin::data {
class Connection;
}

namespace tessarin::queries {

// A row of train as the queries read it: where it is stored, its train
// number and station, its stop number as val() reads it, and whether it is a
// departure and an arrival the query looks for (its station matching the
// query's texts, a departure having a departure time).
struct Stop {
    std::int64_t rowid = 0;
    std::string trainNumber;
    std::string station;
    double number = 0;
    bool departs = false;
    bool arrives = false;
};

// A stop number as val() reads it.
double stopNumber(std::string_view text);

// Runs a select of the columns rowid, id, station and s_no, optionally
// followed by the departs and arrives flags, and returns its rows in order.
std::vector<Stop> readStops(data::Connection& connection, std::string_view select,
                            const std::vector<std::string>& parameters);

// Sorts stops into running order: by train number without regard to the
// case of Latin letters, then by stop number, then in stored order.
void sortInRunningOrder(std::vector<Stop>& stops);

// The stops of each train, in turn: the longest stretches of consecutive
// stops whose train numbers are equal without regard to case.
std::vector<std::span<const Stop>> trainsOf(const std::vector<Stop>& stops);

// The runs of the stops in the order given.
TrainRuns runsOf(const std::vector<Stop>& stops);

// The result row from `departure` to `arrival`, with the ends that
// `routeEnds` holds for the departure's train number.
ResultPair resultPair(const Stop& departure, const Stop& arrival, const RouteEnds& routeEnds);

} // namespace tessarin::queries
