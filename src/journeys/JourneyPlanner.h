#pragma once

#include "Journey.h"
#include "JourneyTimetable.h"

#include <string_view>
#include <vector>

namespace tessarin::data {
class Connection;
}

namespace tessarin::journeys {

// What the user is told when a station is left empty or nothing is found.
inline constexpr std::string_view noDepartureNotice = "请输入发站名！";
inline constexpr std::string_view noArrivalNotice = "请输入到站名！";
inline constexpr std::string_view noJourneyNotice = "您输入的站点之间没有找到中转方案！";

// Journeys between two stations with up to two changes, over the `train`
// table of one connection, read once into memory when the planner is made
// (train_tmp is never touched).
//
// What a journey is:
// - FROM and TO are texts matched as the station-to-station query matches
//   them: a station matches when its name is like the text followed by "%"
//   (the text bound as a parameter; "%" and "_" in it act as wildcards, Latin
//   letters match either case). A journey starts at a stop whose station
//   matches FROM and ends at the first stop it reaches whose station matches
//   TO.
// - A leg rides one train from one of its stops with a departure time to a
//   later stop (a greater stop number) with an arrival time, and never
//   arrives before it departs. Times along a train are minutes
//   (day - 1) x 1440 + hh x 60 + mm of the stored time; a stop's departure
//   lies on its day, or on the next day where its departure time is earlier
//   than its arrival time. A stop without a clock time ("-", or any other
//   text) has no arrival or departure: no leg ends or starts there, and it
//   ends no journey. Stops of one train by stop number, equal numbers in
//   stored order, are the order in which the train reaches them.
// - A change joins two legs on different trains (train numbers compared
//   without regard to case) at one station (names compared the same way),
//   never at a station matching FROM or TO. Trains run every day, so the wait
//   is the smallest w >= the minimum change time with
//   w = departure - arrival (mod 1440); the change is allowed when w is at
//   most the maximum wait.
// - A journey has at most maxChanges changes. Its departure is the first
//   leg's departure time, a clock time of one day (00:00-23:59); its duration
//   is the sum of the rides and waits; its arrival is departure + duration.
// - The answer is every journey that no other journey dominates: J dominates
//   K when J departs no earlier, arrives no later and changes no more often,
//   and is better in at least one. Of journeys equal in all three one is kept:
//   the one with the least waiting, then the smallest train numbers leg by
//   leg (text order, case-blind), then the earliest stops of those trains leg
//   by leg. A direct train is a journey with no changes. The journeys come
//   ordered by departure, then arrival, then changes.
class JourneyPlanner {
public:
    // Reads the timetable; DataError when that fails. The connection must
    // outlive the planner; `train` must not change meanwhile.
    explicit JourneyPlanner(data::Connection& connection);

    // The answer for FROM and TO; empty when none is found (or a text is
    // empty). std::invalid_argument for options out of range: changes 0-2,
    // minutes 0-1000000. DataError when reading the stops' texts fails.
    std::vector<Journey> plan(std::string_view from, std::string_view to, const JourneyOptions& options = {}) const;

    const JourneyTimetable& timetable() const { return timetable_; }
    // The stations whose names match a FROM or TO text, flagged by station
    // index of the timetable.
    std::vector<char> matchingStations(std::string_view text) const;

private:
    data::Connection& connection_;
    JourneyTimetable timetable_;
};

} // namespace tessarin::journeys
