#include "StationToStationQuery.h"

#include "QueryPipeline.h"
#include "TrainStops.h"

#include <algorithm>
#include <string>

namespace tessarin::queries {
namespace {

// Every stop of every train that calls at a station matching the departure
// text and at one matching the arrival text, flagged with both matches. A
// stop without a departure time ("-") is no departure.
constexpr std::string_view stopsOfTrainsCallingAtBoth =
    "select rowid, id, station, s_no, station like ?1 and d_time <> '-', station like ?2 from train"
    " where id collate nocase in (select id from train where station like ?1)"
    " and id collate nocase in (select id from train where station like ?2)";

// Each departure stop of a train in running order paired with the first stop
// after it, by stop number, whose station matches the arrival text; a
// departure without one gives no row.
void addPairs(std::span<const Stop> train, const RouteEnds& routeEnds, std::vector<ResultPair>& pairs) {
    for (auto departure = train.begin(); departure != train.end(); ++departure) {
        if (!departure->departs)
            continue;
        const auto arrival = std::find_if(departure + 1, train.end(), [&](const Stop& stop) {
            return stop.arrives && stop.number > departure->number;
        });
        if (arrival != train.end())
            pairs.push_back(resultPair(*departure, *arrival, routeEnds));
    }
}

std::vector<ResultPair> findStationToStation(data::Connection& connection, const std::vector<std::string>& patterns) {
    std::vector<Stop> stops = readStops(connection, stopsOfTrainsCallingAtBoth, patterns);
    sortInRunningOrder(stops);
    const RouteEnds routeEnds = BuildRouteEnds(runsOf(stops));
    std::vector<ResultPair> pairs;
    for (const auto train : trainsOf(stops))
        addPairs(train, routeEnds, pairs);
    sortByDeparture(pairs);
    return pairs;
}

} // namespace

QueryOutcome queryStationToStation(data::Connection& connection, data::Query& qry4, std::string_view departure,
                                   std::string_view arrival) {
    if (departure.empty())
        return {"请输入发站名！"};
    if (arrival.empty())
        return {"请输入到站名！"};
    const std::vector<std::string> patterns{std::string(departure) + "%", std::string(arrival) + "%"};
    return runResultQuery(connection, qry4,
                          {[&patterns](data::Connection& con) { return findStationToStation(con, patterns); },
                           DashDeparture::Convert, "您输入的站点之间没有车次到达！"});
}

} // namespace tessarin::queries
