#pragma once

#include <cstdint>
#include <vector>

namespace tessarin::data {
class Connection;
}

namespace tessarin::queries {

// A result row to be: the train row of its departure stop and that of its
// arrival stop, a later stop of the same train.
struct StopPair {
    std::int64_t departure;
    std::int64_t arrival;
};

// Sorts pairs into the stored order of their departure stops.
void sortByDeparture(std::vector<StopPair>& pairs);

// Writes one train_tmp row per pair, in the order given. Each row copies the
// departure stop's train number, type, station and departure time and the
// arrival stop's station and arrival time, and holds the arrival stop's stop
// number, day, distance and class values minus the departure stop's, as val()
// reads them and CStr() writes them.
void insertResultRows(data::Connection& connection, const std::vector<StopPair>& pairs);

} // namespace tessarin::queries
