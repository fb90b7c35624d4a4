#pragma once

#include "data/Query.h"

#include <optional>

namespace tessarin::data {
class Connection;
}

namespace tessarin::fares {

// The fare scale of the timetable file as it stands when the object is made:
// table qdsn turns a travel distance into the charged distance, table qdlj
// the charged distance into the base fare. Both tables are read whole, in the
// order the database returns them, and each scan stops at the first row that
// qualifies. Distances are kilometres, fares yuan.
//
// Every lookup raises FareError when a text it fetches does not convert, and
// data::DataError when the database fails (a missing table or column).
class FareScale {
public:
    // Opens "select * from qdsn" and then "select * from qdlj"; both are open
    // before either is scanned. Numbers in the tables are written with "."
    // or with the given decimal separator.
    FareScale(data::Connection& connection, char decimalSeparator);

    // The charged distance for a travel distance: the middle of the section
    // holding it in the first band whose end (LC_en) lies beyond it; 0 when
    // no band serves it.
    double ChargedDistanceFor(double travelDistance);

    // The base fare for a journey: the accumulated fare of the zone key's row
    // plus the fare zone's rate over the charged distance beyond the key. The
    // fare zone is the first qdlj row whose end (qd_en) lies beyond the
    // charged distance; nullopt when there is none, and then nothing more is
    // read. The key row is looked up by the number text of the zone key,
    // written either way.
    std::optional<double> BaseFareFor(double travelDistance, double chargedDistance);

private:
    bool findFareZone(double chargedDistance);

    char decimalSeparator_;
    data::Query qdsn_;
    data::Query qdlj_;
    data::Query zoneKeyRow_;
};

} // namespace tessarin::fares
