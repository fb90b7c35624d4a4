#pragma once

#include <array>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace tessarin::tools {

// One line of the train plan: a pair of trains running the same route in
// opposite directions.
//
//   T15/T16 特快 18:18/11:50 1234 北京西 京广 广州 [stop=郑州,武昌] [speed=95]
//
// The numbers of the outward and the return train; the type; their departure
// times from their origins; the classes carried (digits 1 to 4: hard seat,
// soft seat, hard sleeper, soft sleeper); the route as stations and the lines
// between them (北京西 京广 郑州 陇海 西安: along 京广 to 郑州, then along
// 陇海). `stop=` names the only intermediate stations served instead of the
// type's rule; `speed=` replaces the type's running speed.
struct PlanEntry {
    std::array<std::string, 2> ids;
    std::string type;
    std::array<int, 2> departures{};  // minutes after midnight
    std::string classes;
    std::vector<std::string> route;  // station, line, station, line, ..., station
    std::optional<std::vector<std::string>> stops;
    std::optional<int> speed;
    std::string where;  // file and line, for messages
};

// Reads every "*.txt" of the folder in file-name order; "#" starts a comment.
// Throws std::runtime_error naming file and line for a malformed entry.
std::vector<PlanEntry> readPlan(const std::filesystem::path& folder);

} // namespace tessarin::tools
