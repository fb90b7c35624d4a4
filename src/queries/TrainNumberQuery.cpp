#include "TrainNumberQuery.h"

#include "QueryPipeline.h"
#include "RouteEnds.h"
#include "TrainDirectory.h"
#include "data/LatinCase.h"

#include <algorithm>
#include <string>
#include <string_view>

namespace tessarin::queries {
namespace {

// The runs of the matching rows in stored order: the matching numbers'
// stored runs, those of one number that come side by side (other trains'
// rows between them do not match) joined.
TrainRuns matchingRuns(const TrainDirectory& directory, const std::vector<char>& like) {
    TrainRuns runs;
    for (const StoredRun& run : directory.runs()) {
        if (!like[run.number])
            continue;
        const std::string& number = directory.numbers()[run.number].text;
        runs.add(number, run.origin);
        runs.add(number, run.terminal);
    }
    return runs;
}

// What the matching numbers of one train have together: the last stop, and
// the departures in stored order.
struct MatchingTrain {
    std::optional<StoredStop> last;
    std::vector<const Departure*> departures;
};

bool storedEarlier(const Departure* a, const Departure* b) { return a->rowid < b->rowid; }

std::vector<MatchingTrain> matchingTrains(const TrainDirectory& directory, const std::vector<char>& like) {
    std::vector<MatchingTrain> trains(directory.trainCount());
    for (std::size_t index = 0; index < like.size(); ++index) {
        if (!like[index])
            continue;
        const TrainNumber& number = directory.numbers()[index];
        MatchingTrain& train = trains[number.train];
        if (number.last && (!train.last || laterInRun(*number.last, *train.last)))
            train.last = number.last;
        for (const Departure& departure : number.departures)
            train.departures.push_back(&departure);
    }
    // Numbers of one train in different letter case interleave in stored order.
    for (MatchingTrain& train : trains) {
        if (!std::is_sorted(train.departures.begin(), train.departures.end(), storedEarlier))
            std::sort(train.departures.begin(), train.departures.end(), storedEarlier);
    }
    return trains;
}

// For each run in stored order, every departure of its train from the
// train's origin station, in stored order, paired with the train's last stop.
// A ring train's terminal bears its origin's name but is no departure.
std::vector<ResultPair> findTrainNumber(data::Connection& connection, const std::string& pattern) {
    const auto& directory =
        connection.timetableDerived<TrainDirectory>([](data::Connection& con) { return TrainDirectory(con); });
    const std::vector<char> like = directory.numbersLike(connection, pattern);
    const TrainRuns runs = matchingRuns(directory, like);
    const RouteEnds routeEnds = BuildRouteEnds(runs);
    const std::vector<MatchingTrain> trains = matchingTrains(directory, like);
    std::vector<ResultPair> pairs;
    for (const TrainRun& run : runs.runs()) {
        const MatchingTrain& train = trains[directory.trainOf(run.trainNumber)];
        const RouteEnd& ends = routeEnds.find(run.trainNumber);
        for (const Departure* departure : train.departures) {
            if (data::equalsIgnoringLatinCase(departure->station, ends.origin))
                pairs.push_back({departure->rowid, train.last->rowid, ends.origin, ends.terminal});
        }
    }
    return pairs;
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
