#pragma once

#include "TimetableWriter.h"

#include <string>
#include <vector>

namespace tessarin::tools {

// One call of a train as planned: the station, the kilometres from the
// train's origin, and the minutes it stands there (not used at the ends).
struct PlannedCall {
    std::string station;
    int km = 0;
    int dwell = 0;
};

// A train as planned, before its times are worked out.
struct PlannedTrain {
    std::string id;
    std::string type;
    int departure = 0;        // minutes after midnight of the first day
    int speed = 60;           // average km/h between two calls
    std::string classes;      // digits 1 to 4 of the classes carried (hard seat, soft seat, hard sleeper, soft sleeper)
    std::vector<PlannedCall> calls;
};

// The train's `train` rows in running order. Times run on from the origin's
// departure through each leg (at least one minute) and dwell; the day number
// counts the midnights passed; times are written "hh:mm". The origin has no
// arrival time and the terminal no departure ("-"). A carried class reads 0
// at the origin and grows at every later stop; a class not carried reads "-".
// Throws std::invalid_argument for fewer than two calls or distances that do
// not grow along the run.
std::vector<StopRow> stopRows(const PlannedTrain& train);

} // namespace tessarin::tools
