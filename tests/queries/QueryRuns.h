#pragma once

#include "data/Connection.h"
#include "data/Query.h"
#include "queries/QueryOutcome.h"
#include "queries/StationQuery.h"
#include "queries/StationToStationQuery.h"
#include "queries/TrainNumberQuery.h"

#include <functional>
#include <string>

namespace tessarin::queries {

// One query with its input, run on a connection into its result set.
using QueryRun = std::function<QueryOutcome(data::Connection&, data::Query&)>;

inline QueryRun stationToStation(std::string departure, std::string arrival) {
    return [=](data::Connection& con, data::Query& qry4) {
        return queryStationToStation(con, qry4, departure, arrival);
    };
}
inline QueryRun trainNumber(std::string text) {
    return [=](data::Connection& con, data::Query& qry4) { return queryTrainNumber(con, qry4, text); };
}
inline QueryRun station(std::string text) {
    return [=](data::Connection& con, data::Query& qry4) { return queryStation(con, qry4, text); };
}

} // namespace tessarin::queries
