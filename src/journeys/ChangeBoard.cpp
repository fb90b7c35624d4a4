#include "ChangeBoard.h"

#include "StopTimes.h"

#include <algorithm>
#include <bit>
#include <tuple>
#include <utility>

namespace tessarin::journeys {

ChangeBoard::ChangeBoard(const JourneyTimetable& timetable, const RoundLabels& labels, int round,
                         std::vector<Index> departures)
    : timetable_(timetable), labels_(labels), round_(round) {
    std::vector<std::pair<int, Index>> byClock;
    for (const Index stop : departures)
        byClock.emplace_back(clockOf(timetable_.departure(stop)), stop);
    std::sort(byClock.begin(), byClock.end());
    const auto n = static_cast<int>(byClock.size());
    for (int position = 0; position < 2 * n; ++position) {
        const auto [clock, stop] = byClock[position % n];
        const int shifted = clock + (position >= n ? minutesPerDay : 0);
        const Label& label = labels_.at(round_, stop);
        departures_.push_back(stop);
        clocks_.push_back(shifted);
        figures_.push_back({label.duration + shifted, label.changes, label.wait + shifted});
    }
    std::vector<int>& first = table_.emplace_back(static_cast<std::size_t>(2 * n));
    for (int i = 0; i < 2 * n; ++i)
        first[i] = i;
    for (int span = 2; span <= 2 * n; span *= 2) {
        const std::vector<int>& lower = table_.back();
        std::vector<int> level(static_cast<std::size_t>(2 * n - span + 1));
        for (int i = 0; i + span <= 2 * n; ++i) {
            const int left = lower[i];
            const int right = lower[i + span / 2];
            level[i] = better(right, left) ? right : left;
        }
        table_.push_back(std::move(level));
    }
}

ChangeBoard::Departure ChangeBoard::at(int position) const { return {departures_[position], clocks_[position]}; }

// Compared as if boarded at their clock times from one moment: the clock
// time is part of the wait.
bool ChangeBoard::better(int a, int b) const {
    const Figures& x = figures_[a];
    const Figures& y = figures_[b];
    if (std::tie(x.duration, x.changes, x.wait) != std::tie(y.duration, y.changes, y.wait))
        return std::tie(x.duration, x.changes, x.wait) < std::tie(y.duration, y.changes, y.wait);
    const auto shifted = [&](int position) {
        Label label = labels_.at(round_, departures_[position]);
        label.duration = figures_[position].duration;
        label.wait = figures_[position].wait;
        return RoundLabel{label, timetable_.trainOf(departures_[position]), departures_[position], round_};
    };
    return labels_.better(shifted(a), shifted(b));
}

int ChangeBoard::bestIn(int low, int high) const {
    const int level = std::bit_width(static_cast<unsigned>(high - low + 1)) - 1;
    const int left = table_[level][low];
    const int right = table_[level][high - (1 << level) + 1];
    return better(right, left) ? right : left;
}

std::optional<int> ChangeBoard::bestExcluding(int low, int high, Index excludedTrain) const {
    if (low > high)
        return std::nullopt;
    const int found = bestIn(low, high);
    if (timetable_.trainOf(at(found).stop) != excludedTrain)
        return found;
    const auto before = bestExcluding(low, found - 1, excludedTrain);
    const auto after = bestExcluding(found + 1, high, excludedTrain);
    if (!before || !after)
        return before ? before : after;
    return better(*after, *before) ? after : before;
}

std::optional<ChangeBoard::Departure> ChangeBoard::best(int first, int last, Index excludedTrain) const {
    const auto low = std::lower_bound(clocks_.begin(), clocks_.end(), first);
    const auto end = std::upper_bound(low, clocks_.end(), last);
    const auto found = bestExcluding(static_cast<int>(low - clocks_.begin()), static_cast<int>(end - clocks_.begin()) - 1,
                                     excludedTrain);
    if (!found)
        return std::nullopt;
    return at(*found);
}

} // namespace tessarin::journeys
