#pragma once

#include "RunningTime.h"

#include <cstdint>
#include <string>
#include <vector>

namespace tessarin::data {
class Connection;
}

namespace tessarin::queries {

// A result row to be: the train row of its departure stop, that of its
// arrival stop (a later stop of the same train), and its train's origin and
// terminal stations.
struct ResultPair {
    std::int64_t departure;
    std::int64_t arrival;
    std::string origin;
    std::string terminal;
};

// Sorts pairs into the stored order of their departure stops.
void sortByDeparture(std::vector<ResultPair>& pairs);

// Writes one completed train_tmp row per pair, in the order given, in one
// statement. Each row copies the departure stop's train number, type,
// station and departure time and the arrival stop's station and arrival time;
// holds the arrival stop's stop number, day, distance and class values minus
// the departure stop's, as val() reads them and CStr() writes them; the
// pair's origin and terminal, the fare cell "点击查询", and the running time
// from its departure time, arrival time and day difference (runningTimeText()
// with `dash`). A time that is not a number raises ConversionError for the
// first such row, a database failure DataError; either leaves train_tmp to
// the caller's transaction. Returns false, writing nothing, for no pairs.
bool writeResultRows(data::Connection& connection, const std::vector<ResultPair>& pairs, DashDeparture dash);

} // namespace tessarin::queries
