#include "JourneySearch.h"

#include "StopTimes.h"

#include <algorithm>

namespace tessarin::journeys {

JourneySearch::JourneySearch(const JourneyTimetable& timetable, SearchEnds ends, const JourneyOptions& options)
    : timetable_(timetable), ends_(std::move(ends)), options_(options), labels_(timetable, options.maxChanges + 1),
      boards_(static_cast<std::size_t>(options.maxChanges + 1)),
      boardMade_(static_cast<std::size_t>(options.maxChanges + 1)) {}

std::vector<FoundJourney> JourneySearch::candidates() {
    for (int round = 0; round <= options_.maxChanges; ++round)
        scanRound(round);
    std::vector<FoundJourney> found;
    for (Index station = 0; station < timetable_.stationCount(); ++station) {
        if (!ends_.from[station])
            continue;
        for (const Index stop : timetable_.stopsAt(station)) {
            if (timetable_.departure(stop) == JourneyTimetable::noTime)
                continue;
            for (int round = 0; round <= options_.maxChanges; ++round) {
                const Label& label = labels_.at(round, stop);
                if (label.reached())
                    found.push_back({{label, timetable_.trainOf(stop), stop, round}, clockOf(timetable_.departure(stop))});
            }
        }
    }
    return found;
}

// Round 0 needs the trains through a TO station, the last round only the
// trains through a FROM station; the rounds between may use any train.
void JourneySearch::scanRound(int round) {
    const bool last = round == options_.maxChanges;
    if (round > 0 && !last) {
        for (Index train = 0; train < timetable_.trainCount(); ++train)
            scanTrain(train, round);
        return;
    }
    const std::vector<char>& through = round == 0 ? ends_.to : ends_.from;
    std::vector<char> scanned(timetable_.trainCount(), 0);
    for (Index station = 0; station < timetable_.stationCount(); ++station) {
        if (!through[station])
            continue;
        for (const Index stop : timetable_.stopsAt(station)) {
            const Index train = timetable_.trainOf(stop);
            if (!scanned[train]) {
                scanned[train] = 1;
                scanTrain(train, round);
            }
        }
    }
}

// Labels the boarding stops of one train from the ways on at its later stops.
// Where the train's times run forward, one backward walk keeps the best way
// on after each stop number (a TO stop cuts off everything behind it);
// otherwise each boarding stop looks ahead on its own and skips the stops
// that would be reached before it departs.
void JourneySearch::scanTrain(Index train, int round) {
    const Index first = timetable_.firstStop(train);
    const Index end = timetable_.endStop(train);
    std::vector<std::optional<Label>>& ways = ways_;
    ways.clear();
    for (Index stop = first; stop < end; ++stop)
        ways.push_back(alightingAt(stop, round));
    const auto better = [&](const Label& a, const Label& b) {
        return labels_.better({a, train, 0, round}, {b, train, 0, round});
    };
    const auto board = [&](Index stop, Label label) {
        label.duration -= timetable_.departure(stop);
        labels_.at(round, stop) = label;
    };
    if (timetable_.timesRunForward(train)) {
        std::optional<Label> best;
        for (Index groupEnd = end; groupEnd > first;) {
            Index groupStart = groupEnd - 1;
            while (groupStart > first && timetable_.stopNumber(groupStart - 1) == timetable_.stopNumber(groupStart))
                --groupStart;
            for (Index stop = groupStart; best && stop < groupEnd; ++stop) {
                if (timetable_.departure(stop) != JourneyTimetable::noTime)
                    board(stop, *best);
            }
            for (Index stop = groupEnd; stop-- > groupStart;) {
                const std::optional<Label>& way = ways[stop - first];
                if (way && (endsJourney(stop) || !best || better(*way, *best)))
                    best = way;
            }
            groupEnd = groupStart;
        }
        return;
    }
    for (Index boarding = first; boarding < end; ++boarding) {
        const int departure = timetable_.departure(boarding);
        if (departure == JourneyTimetable::noTime)
            continue;
        std::optional<Label> best;
        for (Index stop = boarding + 1; stop < end; ++stop) {
            if (timetable_.stopNumber(stop) == timetable_.stopNumber(boarding))
                continue;
            const std::optional<Label>& way = ways[stop - first];
            if (way && timetable_.arrival(stop) >= departure && (!best || better(*way, *best)))
                best = way;
            if (endsJourney(stop))
                break;
        }
        if (best)
            board(boarding, *best);
    }
}

bool JourneySearch::endsJourney(Index stop) const {
    return timetable_.arrival(stop) != JourneyTimetable::noTime && ends_.to[timetable_.stationOf(stop)];
}

// The way on after alighting at a stop, its duration counted from the start
// of the train's axis: the end of the journey at a TO stop, or the best change.
std::optional<Label> JourneySearch::alightingAt(Index stop, int round) {
    if (timetable_.arrival(stop) == JourneyTimetable::noTime)
        return std::nullopt;
    if (endsJourney(stop))
        return Label{timetable_.arrival(stop), 0, 0, stop, -1};
    if (round == 0)
        return std::nullopt;
    return changeAt(stop, round);
}

// The wait is the least w >= the minimum change time that reaches the
// departure's clock time; the window of clock times starts where the minimum
// change time ends and lasts as long as a wait may.
std::optional<Label> JourneySearch::changeAt(Index stop, int round) {
    const int slack = options_.maxWait - options_.minChange;
    const ChangeBoard* changes = slack < 0 ? nullptr : board(timetable_.stationOf(stop), round);
    if (!changes)
        return std::nullopt;
    const int arrival = timetable_.arrival(stop);
    const int earliest = clockOf(arrival + options_.minChange);
    const auto departure =
        changes->best(earliest, earliest + std::min(slack, minutesPerDay - 1), timetable_.trainOf(stop));
    if (!departure)
        return std::nullopt;
    const int wait = options_.minChange + departure->clock - earliest;
    const Label& on = labels_.at(round - 1, departure->stop);
    return Label{arrival + wait + on.duration, wait + on.wait, on.changes + 1, stop,
                 static_cast<std::int32_t>(departure->stop)};
}

// A station where a journey may change: neither a FROM nor a TO station, with
// departures labelled in the round below.
const ChangeBoard* JourneySearch::board(Index station, int round) {
    std::vector<std::optional<ChangeBoard>>& boards = boards_[round];
    if (boards.empty()) {
        boards.resize(timetable_.stationCount());
        boardMade_[round].assign(timetable_.stationCount(), 0);
    }
    if (!boardMade_[round][station]) {
        boardMade_[round][station] = 1;
        std::vector<Index> departures;
        if (!ends_.from[station] && !ends_.to[station]) {
            for (const Index stop : timetable_.stopsAt(station)) {
                if (labels_.at(round - 1, stop).reached())
                    departures.push_back(stop);
            }
        }
        if (!departures.empty())
            boards[station].emplace(timetable_, labels_, round - 1, std::move(departures));
    }
    return boards[station] ? &*boards[station] : nullptr;
}

} // namespace tessarin::journeys
