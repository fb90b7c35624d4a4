#include "StationQuery.h"

#include "QueryPipeline.h"
#include "TrainStops.h"

#include <string>

namespace tessarin::queries {
namespace {

// Every stop of every train that calls at a station matching the text,
// flagged where it matches.
constexpr std::string_view stopsOfTrainsCallingThere =
    "select rowid, id, station, s_no, station like ?1 from train"
    " where id collate nocase in (select id from train where station like ?1)";

std::vector<ResultPair> findStation(data::Connection& connection, const std::string& pattern) {
    std::vector<Stop> stops = readStops(connection, stopsOfTrainsCallingThere, {pattern});
    sortInRunningOrder(stops);
    const RouteEnds routeEnds = BuildRouteEnds(runsOf(stops));
    std::vector<ResultPair> pairs;
    // Each call runs on to its train's last stop.
    for (const auto train : trainsOf(stops)) {
        for (const Stop& call : train) {
            if (call.departs)
                pairs.push_back(resultPair(call, train.back(), routeEnds));
        }
    }
    sortByDeparture(pairs);
    return pairs;
}

} // namespace

QueryOutcome queryStation(data::Connection& connection, data::Query& qry4, std::string_view station) {
    if (station.empty())
        return {"请输入车站名！"};
    const std::string pattern = std::string(station) + "%";
    return runResultQuery(connection, qry4,
                          {[&pattern](data::Connection& con) { return findStation(con, pattern); },
                           DashDeparture::MeansNoRunningTime, "请正确输入车站名！"});
}

} // namespace tessarin::queries
