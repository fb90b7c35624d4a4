#include "TrainNumberQuery.h"

#include "QueryPipeline.h"
#include "TrainStops.h"
#include "data/LatinCase.h"

#include <string>
#include <unordered_map>

namespace tessarin::queries {
namespace {

// The matching trains' rows in stored order, which keeps each train's stops
// together and in running order, flagged where the train departs: a stop
// without a departure time ("-") is no departure.
constexpr std::string_view stopsOfMatchingTrains =
    "select rowid, id, station, s_no, d_time <> '-' from train where id like ?1 order by rowid";

// The stops of one train number (without regard to case) in stored order,
// and its last stop: the greatest stop number, the later stored of equal ones.
struct NumberedTrain {
    std::vector<const Stop*> stops;
    const Stop* last = nullptr;
};

std::unordered_map<std::string, NumberedTrain> trainsByNumber(const std::vector<Stop>& stops) {
    std::unordered_map<std::string, NumberedTrain> trains;
    NumberedTrain* train = nullptr;
    for (const Stop& stop : stops) {
        // Consecutive stops of one train share the entry; only a new run looks it up.
        if (!train || stop.trainNumber != train->stops.back()->trainNumber)
            train = &trains[data::upperLatin(stop.trainNumber)];
        train->stops.push_back(&stop);
        if (!train->last || stop.number >= train->last->number)
            train->last = &stop;
    }
    return trains;
}

// For each run in stored order, every departure of its train from the
// train's origin station, in stored order, paired with the train's last stop.
// A ring train's terminal bears its origin's name but is no departure.
std::vector<ResultPair> originPairs(const std::vector<Stop>& stops, const TrainRuns& runs, const RouteEnds& routeEnds) {
    const auto trains = trainsByNumber(stops);
    std::vector<ResultPair> pairs;
    for (const TrainRun& run : runs.runs()) {
        const NumberedTrain& train = trains.at(data::upperLatin(run.trainNumber));
        const std::string& origin = routeEnds.find(run.trainNumber).origin;
        for (const Stop* stop : train.stops) {
            if (stop->departs && data::equalsIgnoringLatinCase(stop->station, origin))
                pairs.push_back(resultPair(*stop, *train.last, routeEnds));
        }
    }
    return pairs;
}

std::vector<ResultPair> findTrainNumber(data::Connection& connection, const std::string& pattern) {
    const std::vector<Stop> stops = readStops(connection, stopsOfMatchingTrains, {pattern});
    const TrainRuns runs = runsOf(stops);
    return originPairs(stops, runs, BuildRouteEnds(runs));
}

} // namespace

QueryOutcome queryTrainNumber(data::Connection& connection, data::Query& qry4, std::string_view text) {
    if (text.empty())
        return {"请输入车次！"};
    const std::string pattern = "%" + std::string(text) + "%";
    return runResultQuery(connection, qry4,
                          {[&pattern](data::Connection& con) { return findTrainNumber(con, pattern); },
                           DashDeparture::Convert, "请正确输入车次！"});
}

} // namespace tessarin::queries
