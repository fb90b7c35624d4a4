#pragma once

#include "data/Connection.h"
#include "data/Transaction.h"
#include "support/TemporaryTimetable.h"

#include <string>
#include <vector>

namespace tessarin::fares::testing {

using Rows = std::vector<std::vector<std::string>>;

// A fare scale that gives the base fare `b` for every journey: without bands
// the charged distance is 0, and the one zone is its own key row both under
// 200 km (key 200) and beyond (qd_sa - 1 = 200), at a rate of 0.
inline Rows zonesGivingBaseFare(const std::string& b) { return {{"201", "200", "0", b}}; }

// A connection to one scratch timetable shared by the cases of a test
// program, its fare scale replaced by the given rows in one transaction:
// much quicker than making a new file for every case.
inline data::Connection& sharedFareScale(const Rows& bands, const Rows& zones) {
    static tessarin::testing::TemporaryTimetable timetable;
    static data::Connection connection(timetable.file());
    // A scratch file need not survive a power cut.
    static const bool unsynchronised = (connection.execute("pragma synchronous = off"), true);
    (void)unsynchronised;
    data::Transaction transaction(connection);
    connection.execute("delete from qdsn");
    connection.execute("delete from qdlj");
    for (const auto& row : bands)
        connection.execute("insert into qdsn(LC_sa,LC_en,QD_kg,QD_cn) values(?,?,?,?)", row);
    for (const auto& row : zones)
        connection.execute("insert into qdlj(qd_sa,qd_en,piao_l,qd_lpj) values(?,?,?,?)", row);
    transaction.commit();
    return connection;
}

} // namespace tessarin::fares::testing
