#pragma once

#include "queries/QueryOutcome.h"

#include <string>

namespace tessarin::data {
class Connection;
}

namespace tessarin::queries {

// The three queries run statement by statement as first designed, the
// baseline of the benchmarks: each statement commits on its own, the insert
// of the train-number query runs once per train and the completion pass
// updates once per row by train number, every row of train_tmp is read
// through snapshots, and the timetable has no indexes of the program's. The
// user's text is bound, as everywhere.
QueryOutcome literalStationToStation(data::Connection& connection, const std::string& departure,
                                     const std::string& arrival);
QueryOutcome literalTrainNumber(data::Connection& connection, const std::string& text);
QueryOutcome literalStation(data::Connection& connection, const std::string& station);

// Removes every index from the connection's file (a connection opened
// later makes the program's indexes again).
void dropIndexes(data::Connection& connection);

} // namespace tessarin::queries
