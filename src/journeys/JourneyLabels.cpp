#include "JourneyLabels.h"

#include <tuple>

namespace tessarin::journeys {

RoundLabels::RoundLabels(const JourneyTimetable& timetable, int rounds)
    : timetable_(timetable), rounds_(static_cast<std::size_t>(rounds), std::vector<Label>(timetable.stopCount())) {}

int RoundLabels::legsOf(const RoundLabel& head, std::array<LegStops, maxLegs>& legs) const {
    legs[0] = {head.train, head.boarding, head.label.alight};
    int count = 1;
    int round = head.round - 1;
    for (std::int32_t next = head.label.next; next >= 0 && count < maxLegs; --round) {
        const auto boarding = static_cast<Index>(next);
        const Label& label = rounds_[round][boarding];
        legs[count++] = {timetable_.trainOf(boarding), boarding, label.alight};
        next = label.next;
    }
    return count;
}

bool RoundLabels::better(const RoundLabel& a, const RoundLabel& b) const {
    const Label& x = a.label;
    const Label& y = b.label;
    if (std::tie(x.duration, x.changes, x.wait) != std::tie(y.duration, y.changes, y.wait))
        return std::tie(x.duration, x.changes, x.wait) < std::tie(y.duration, y.changes, y.wait);
    std::array<LegStops, maxLegs> legsA{};
    std::array<LegStops, maxLegs> legsB{};
    const int count = std::min(legsOf(a, legsA), legsOf(b, legsB));
    for (int i = 0; i < count; ++i) {
        if (legsA[i].train != legsB[i].train)
            return legsA[i].train < legsB[i].train;
    }
    for (int i = 0; i < count; ++i) {
        if (std::tie(legsA[i].from, legsA[i].to) != std::tie(legsB[i].from, legsB[i].to))
            return std::tie(legsA[i].from, legsA[i].to) < std::tie(legsB[i].from, legsB[i].to);
    }
    return false;
}

} // namespace tessarin::journeys
