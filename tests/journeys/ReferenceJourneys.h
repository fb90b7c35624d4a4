#pragma once

#include "journeys/Journey.h"

#include <set>
#include <string>
#include <vector>

namespace tessarin::journeys {

// A journey as the tests compare them: its figures and, per leg, the train
// number and the stored texts of both stops.
struct JourneyFacts {
    int departure = 0;
    int arrival = 0;
    int changes = 0;
    int wait = 0;
    std::vector<std::vector<std::string>> legs;

    bool operator==(const JourneyFacts&) const = default;
};

std::vector<JourneyFacts> factsOf(const std::vector<Journey>& journeys);

// Every journey by its definition, found the slow way: each departure from a
// FROM station, each later stop of its train, each departure from there on
// another train, to the given number of changes; then the ties and the
// dominated journeys are dropped. `rows` are train rows in stored order
// (id, type, station, s_no, day, a_time, d_time, distance, p1 .. p4); the
// FROM and TO stations come as their names (case-blind).
std::vector<JourneyFacts> referenceJourneys(const std::vector<std::vector<std::string>>& rows,
                                            const std::set<std::string>& from, const std::set<std::string>& to,
                                            const JourneyOptions& options);

std::ostream& operator<<(std::ostream& out, const JourneyFacts& facts);

} // namespace tessarin::journeys
