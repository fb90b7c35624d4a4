#pragma once

#include "Journey.h"

#include "data/Statement.h"

#include <cstdint>

namespace tessarin::data {
class Connection;
}

namespace tessarin::journeys {

// Reads the stored texts of legs' stops by rowid, with one prepared statement.
class LegTexts {
public:
    explicit LegTexts(data::Connection& connection);

    // Fills the leg's texts from the rows of its boarding and alighting stops.
    void fill(JourneyLeg& leg, std::int64_t boarding, std::int64_t alighting);

private:
    struct StopRow;
    StopRow read(std::int64_t rowid);

    data::Statement select_;
};

} // namespace tessarin::journeys
