#pragma once

#include <string>
#include <vector>

namespace tessarin::testing {

// One call of a fixture train: station, day, arrival and departure time.
struct Call {
    std::string station;
    std::string day;
    std::string arrival;
    std::string departure;
};

// The `train` rows of a fixture train of type 快速: stop numbers 1, 2, ...,
// 100 km between calls, every class carried.
std::vector<std::vector<std::string>> trainRows(const std::string& id, const std::vector<Call>& calls);

// Several trains' rows, one after another.
std::vector<std::vector<std::string>> joined(const std::vector<std::vector<std::vector<std::string>>>& trains);

} // namespace tessarin::testing
