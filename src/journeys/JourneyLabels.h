#pragma once

#include "JourneyTimetable.h"

#include <array>
#include <climits>
#include <cstdint>
#include <vector>

namespace tessarin::journeys {

using Index = JourneyTimetable::Index;

inline constexpr int maxChanges = 2;
inline constexpr int maxLegs = maxChanges + 1;

// The best way on from boarding a train at one of its stops, with at most
// as many changes as the round it belongs to: its duration (rides and waits,
// minutes), its total wait, its changes, the stop the leg alights at, and the
// boarding stop of the next leg, whose label is one round lower (-1 when the
// leg ends the journey).
//
// While a train is scanned, a label is also kept for an alighting stop before
// its boarding stop is known; its duration then counts from the start of the
// train's minute axis.
struct Label {
    static constexpr int unreached = INT_MAX;

    int duration = unreached;
    int wait = 0;
    int changes = 0;
    Index alight = 0;
    std::int32_t next = -1;

    bool reached() const { return duration != unreached; }
};

// A label together with its first leg's train and boarding stop and its round.
struct RoundLabel {
    Label label;
    Index train;
    Index boarding;
    int round;
};

// One leg of a journey: the train, the stop boarded and the stop alighted at.
struct LegStops {
    Index train;
    Index from;
    Index to;
};

// The labels of every round, stop by stop, and the order of journeys.
class RoundLabels {
public:
    RoundLabels(const JourneyTimetable& timetable, int rounds);

    Label& at(int round, Index stop) { return rounds_[round][stop]; }
    const Label& at(int round, Index stop) const { return rounds_[round][stop]; }
    int roundCount() const { return static_cast<int>(rounds_.size()); }

    // The legs of a label's journey, in order; returns their number.
    int legsOf(const RoundLabel& head, std::array<LegStops, maxLegs>& legs) const;

    // The order that picks one journey of several: shorter, then fewer
    // changes, then less waiting, then smaller train numbers leg by leg, then
    // earlier stops of those trains leg by leg (boarding, then alighting).
    bool better(const RoundLabel& a, const RoundLabel& b) const;

private:
    const JourneyTimetable& timetable_;
    std::vector<std::vector<Label>> rounds_;
};

} // namespace tessarin::journeys
