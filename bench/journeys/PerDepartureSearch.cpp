#include "PerDepartureSearch.h"

#include "journeys/StopTimes.h"

#include <algorithm>
#include <climits>
#include <map>
#include <span>

namespace tessarin::journeys {
namespace {

using Index = JourneyTimetable::Index;
constexpr int noTime = JourneyTimetable::noTime;
constexpr int unreached = INT_MAX;

// Least minutes from the journey's departure to each stop, for one round,
// with the stops that have one.
struct Reached {
    std::vector<int> minutes;
    std::vector<Index> stops;

    explicit Reached(std::size_t stopCount) : minutes(stopCount, unreached) {}
    void offer(Index stop, int value) {
        if (minutes[stop] == unreached)
            stops.push_back(stop);
        minutes[stop] = std::min(minutes[stop], value);
    }
    void clear() {
        for (const Index stop : stops)
            minutes[stop] = unreached;
        stops.clear();
    }
};

class Search {
public:
    Search(const JourneyTimetable& timetable, const std::vector<char>& from, const std::vector<char>& to,
           const JourneyOptions& options)
        : timetable_(timetable), from_(from), to_(to), options_(options), boarded_(timetable.stopCount()),
          alighted_(timetable.stopCount()), lastLegDepartures_(timetable.stationCount()) {
        // Departures on trains that reach a TO station after them.
        for (Index train = 0; train < timetable.trainCount(); ++train) {
            bool reachesTo = false;
            for (Index stop = timetable.endStop(train); stop-- > timetable.firstStop(train);) {
                if (reachesTo && timetable.departure(stop) != noTime)
                    lastLegDepartures_[timetable.stationOf(stop)].push_back(stop);
                reachesTo = reachesTo || to_[timetable.stationOf(stop)];
            }
        }
    }

    void fromDeparture(Index first, std::vector<JourneyFigures>& found) {
        const int departure = clockOf(timetable_.departure(first));
        boarded_.offer(first, 0);
        for (int changes = 0; changes <= options_.maxChanges && !boarded_.stops.empty(); ++changes) {
            rideBoardedTrains(departure, changes, found);
            boarded_.clear();
            if (changes < options_.maxChanges)
                changeAtAlightedStops(changes + 1 == options_.maxChanges);
            alighted_.clear();
        }
        boarded_.clear();
    }

private:
    // Every train boarded this round, once, from its first boarded stop on.
    void rideBoardedTrains(int departure, int changes, std::vector<JourneyFigures>& found) {
        std::vector<Index> trains;
        for (const Index stop : boarded_.stops)
            trains.push_back(timetable_.trainOf(stop));
        std::sort(trains.begin(), trains.end());
        trains.erase(std::unique(trains.begin(), trains.end()), trains.end());
        for (const Index train : trains)
            rideTrain(train, departure, changes, found);
    }

    // Each later stop is reached from every boarded stop before it (by stop
    // number) that does not depart after it arrives; a TO stop ends the ride
    // of every stop boarded before it.
    void rideTrain(Index train, int departure, int changes, std::vector<JourneyFigures>& found) {
        const Index first = timetable_.firstStop(train);
        const Index end = timetable_.endStop(train);
        for (Index boarding = first; boarding < end; ++boarding) {
            const int elapsed = boarded_.minutes[boarding];
            if (elapsed == unreached)
                continue;
            for (Index stop = boarding + 1; stop < end; ++stop) {
                if (timetable_.stopNumber(stop) == timetable_.stopNumber(boarding) ||
                    timetable_.arrival(stop) == noTime)
                    continue;
                const int ride = timetable_.arrival(stop) - timetable_.departure(boarding);
                const bool ends = to_[timetable_.stationOf(stop)];
                if (ends && ride >= 0)
                    found.emplace_back(departure, departure + elapsed + ride, changes);
                if (ends)
                    break;
                if (ride >= 0 && !from_[timetable_.stationOf(stop)])
                    alighted_.offer(stop, elapsed + ride);
            }
        }
    }

    void changeAtAlightedStops(bool lastLeg) {
        for (const Index alighting : alighted_.stops) {
            const Index station = timetable_.stationOf(alighting);
            const std::span<const Index> departures =
                lastLeg ? std::span<const Index>(lastLegDepartures_[station]) : timetable_.stopsAt(station);
            const int earliest = timetable_.arrival(alighting) + options_.minChange;
            for (const Index stop : departures) {
                if (timetable_.departure(stop) == noTime || timetable_.trainOf(stop) == timetable_.trainOf(alighting))
                    continue;
                const int wait = options_.minChange + clockOf(timetable_.departure(stop) - earliest);
                if (wait <= options_.maxWait)
                    boarded_.offer(stop, alighted_.minutes[alighting] + wait);
            }
        }
    }

    const JourneyTimetable& timetable_;
    const std::vector<char>& from_;
    const std::vector<char>& to_;
    JourneyOptions options_;
    Reached boarded_;
    Reached alighted_;
    std::vector<std::vector<Index>> lastLegDepartures_;
};

bool dominates(const JourneyFigures& j, const JourneyFigures& k) {
    const auto [jd, ja, jc] = j;
    const auto [kd, ka, kc] = k;
    return jd >= kd && ja <= ka && jc <= kc && j != k;
}

} // namespace

std::set<JourneyFigures> perDepartureAnswer(const JourneyTimetable& timetable, const std::vector<char>& from,
                                            const std::vector<char>& to, const JourneyOptions& options) {
    Search search(timetable, from, to, options);
    std::vector<JourneyFigures> found;
    for (Index station = 0; station < timetable.stationCount(); ++station) {
        if (!from[station])
            continue;
        for (const Index stop : timetable.stopsAt(station)) {
            if (timetable.departure(stop) != noTime)
                search.fromDeparture(stop, found);
        }
    }
    // Of one departure and number of changes only the earliest arrival can
    // stay.
    std::map<std::pair<int, int>, int> earliest;
    for (const auto& [departure, arrival, changes] : found) {
        int& least = earliest.try_emplace({departure, changes}, arrival).first->second;
        least = std::min(least, arrival);
    }
    std::set<JourneyFigures> distinct;
    for (const auto& [key, arrival] : earliest)
        distinct.emplace(key.first, arrival, key.second);
    std::set<JourneyFigures> answer;
    for (const JourneyFigures& journey : distinct) {
        if (std::none_of(distinct.begin(), distinct.end(),
                         [&](const JourneyFigures& other) { return dominates(other, journey); }))
            answer.insert(journey);
    }
    return answer;
}

} // namespace tessarin::journeys
