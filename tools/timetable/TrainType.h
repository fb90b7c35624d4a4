#pragma once

#include <array>
#include <string>
#include <string_view>

namespace tessarin::tools {

// How trains of one type run: where they stop, how fast they go between
// stops and how long they stand at a stop.
struct TrainType {
    std::string_view name;
    // Calls at every station of this rank or a more important one (1 is a
    // principal city, 4 a wayside halt); 0 calls only where the plan says.
    int lowestRankServed;
    // Average speed between two calls, km/h.
    int speed;
    // Minutes standing at a station of rank 1, 2, 3 and 4.
    std::array<int, 4> dwell;
};

// The type of that name; throws std::runtime_error for a name the plan may
// not use.
const TrainType& trainType(std::string_view name);

} // namespace tessarin::tools
