#include "JourneyPlanner.h"

#include "JourneySearch.h"
#include "LegTexts.h"
#include "StopTimes.h"
#include "UndominatedJourneys.h"
#include "data/Connection.h"
#include "data/Statement.h"

#include <cassert>
#include <stdexcept>
#include <string>

namespace tessarin::journeys {
namespace {

constexpr int longestMinutes = 1000000;

void checkOptions(const JourneyOptions& options) {
    if (options.maxChanges < 0 || options.maxChanges > maxChanges)
        throw std::invalid_argument("The number of changes must be 0, 1 or 2.");
    const auto inRange = [](int minutes) { return minutes >= 0 && minutes <= longestMinutes; };
    if (!inRange(options.minChange) || !inRange(options.maxWait))
        throw std::invalid_argument("Change and wait times must be whole minutes from 0 to 1000000.");
}

// The journey's legs with their waits and rides, as the search counted them.
Journey journeyOf(const JourneyTimetable& timetable, const RoundLabels& labels, const FoundJourney& found,
                  const JourneyOptions& options, LegTexts& texts) {
    Journey journey{{}, found.departure, found.head.label.duration, found.arrival(), found.head.label.changes,
                    found.head.label.wait};
    std::array<LegStops, maxLegs> stops{};
    const int count = labels.legsOf(found.head, stops);
    int offset = 0;
    for (int i = 0; i < count; ++i) {
        JourneyLeg& leg = journey.legs.emplace_back();
        texts.fill(leg, timetable.rowid(stops[i].from), timetable.rowid(stops[i].to));
        if (i > 0) {
            const int earliest = timetable.arrival(stops[i - 1].to) + options.minChange;
            leg.waitBefore = options.minChange + clockOf(timetable.departure(stops[i].from) - earliest);
        }
        offset += leg.waitBefore;
        leg.departureOffset = offset;
        leg.ride = timetable.arrival(stops[i].to) - timetable.departure(stops[i].from);
        offset += leg.ride;
    }
    assert(offset == journey.duration);
    return journey;
}

} // namespace

JourneyPlanner::JourneyPlanner(data::Connection& connection) : connection_(connection), timetable_(connection) {}

std::vector<char> JourneyPlanner::matchingStations(std::string_view text) const {
    std::vector<char> matching(timetable_.stationCount(), 0);
    data::Statement select(connection_.handle(), "select distinct station from train where station like ?1");
    select.bind({std::string(text) + "%"});
    while (select.step()) {
        const Index station = timetable_.findStation(select.columnView(0));
        if (station != JourneyTimetable::noStation)
            matching[station] = 1;
    }
    return matching;
}

std::vector<Journey> JourneyPlanner::plan(std::string_view from, std::string_view to,
                                          const JourneyOptions& options) const {
    checkOptions(options);
    if (from.empty() || to.empty())
        return {};
    JourneySearch search(timetable_, {matchingStations(from), matchingStations(to)}, options);
    const std::vector<FoundJourney> answer = undominatedJourneys(search.candidates(), search.labels());
    LegTexts texts(connection_);
    std::vector<Journey> journeys;
    for (const FoundJourney& found : answer)
        journeys.push_back(journeyOf(timetable_, search.labels(), found, options, texts));
    return journeys;
}

} // namespace tessarin::journeys
