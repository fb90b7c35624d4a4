#pragma once

#include <array>
#include <string>
#include <vector>

namespace tessarin::testing {

// One stored row of `train`: id, type, station, s_no, day, a_time, d_time,
// distance, p1, p2, p3, p4.
using TrainRow = std::array<std::string, 12>;

// The rows of one train as they lie in the table.
struct StoredTrain {
    std::vector<TrainRow> stops;
    const std::string& id() const { return stops.front()[0]; }
    const std::string& type() const { return stops.front()[1]; }
    const std::string& origin() const { return stops.front()[2]; }
    const std::string& terminal() const { return stops.back()[2]; }
};

// Every row of the bundled timetable's `train` table in stored order (a
// plain select, as the train-number query reads it), loaded once.
const std::vector<TrainRow>& bundledRows();

// The stored rows cut into runs of consecutive rows with the same number.
std::vector<StoredTrain> bundledTrains();

} // namespace tessarin::testing
