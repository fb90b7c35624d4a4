#pragma once

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessarin::queries {

// A stretch of consecutive stop rows with the same train number, compared
// exactly, character by character: its first and its last station.
struct TrainRun {
    std::string trainNumber;
    std::string origin;
    std::string terminal;
};

// Collects the runs of a sequence of (train number, station) rows given in an
// order that keeps each train's stops together and in running order.
class TrainRuns {
public:
    void add(std::string_view trainNumber, std::string_view station);
    const std::vector<TrainRun>& runs() const noexcept { return runs_; }

private:
    std::vector<TrainRun> runs_;
};

struct RouteEnd {
    std::string origin;
    std::string terminal;
};

// Origin and terminal station by train number, matched without regard to the
// case of Latin letters.
class RouteEnds {
public:
    // A later record for an equal train number replaces the earlier one.
    void record(std::string_view trainNumber, RouteEnd ends);
    // Empty texts for a train number that was never recorded.
    const RouteEnd& find(std::string_view trainNumber) const;

private:
    std::unordered_map<std::string, RouteEnd> ends_;
};

// The route ends of the runs: each run's first station is its train's
// origin, its last station the terminal. When several runs have train numbers
// equal without regard to case (a train whose rows do not all lie together),
// the last of them decides. No runs give an empty map.
RouteEnds BuildRouteEnds(const TrainRuns& rows);

} // namespace tessarin::queries
