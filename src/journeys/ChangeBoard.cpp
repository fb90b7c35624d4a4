#include "ChangeBoard.h"

#include "StopTimes.h"

#include <algorithm>
#include <bit>
#include <ranges>

namespace tessarin::journeys {

ChangeBoard::ChangeBoard(const JourneyTimetable& timetable, const RoundLabels& labels, int round,
                         std::vector<Index> departures)
    : timetable_(timetable), labels_(labels), round_(round), departures_(std::move(departures)) {
    std::sort(departures_.begin(), departures_.end(), [&](Index a, Index b) {
        return clockOf(timetable_.departure(a)) < clockOf(timetable_.departure(b));
    });
    for (const Index stop : departures_)
        clocks_.push_back(clockOf(timetable_.departure(stop)));
    const int size = static_cast<int>(2 * departures_.size());
    std::vector<int>& first = table_.emplace_back(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i)
        first[i] = i;
    for (int span = 2; span <= size; span *= 2) {
        const std::vector<int>& lower = table_.back();
        std::vector<int> level(static_cast<std::size_t>(size - span + 1));
        for (int i = 0; i + span <= size; ++i) {
            const int left = lower[i];
            const int right = lower[i + span / 2];
            level[i] = better(right, left) ? right : left;
        }
        table_.push_back(std::move(level));
    }
}

ChangeBoard::Departure ChangeBoard::at(int position) const {
    const auto n = static_cast<int>(departures_.size());
    return {departures_[position % n], clocks_[position % n] + (position >= n ? minutesPerDay : 0)};
}

// Compared as if boarded at their clock times from one moment: the clock
// time is part of the wait.
bool ChangeBoard::better(int a, int b) const {
    const auto shifted = [&](int position) {
        const Departure departure = at(position);
        Label label = labels_.at(round_, departure.stop);
        label.duration += departure.clock;
        label.wait += departure.clock;
        return RoundLabel{label, timetable_.trainOf(departure.stop), departure.stop, round_};
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
    const auto n = static_cast<int>(departures_.size());
    // Positions 0 .. 2n-1 carry clock times in ascending order.
    const auto positions = std::views::iota(0, 2 * n);
    const int low = *std::ranges::partition_point(positions, [&](int p) { return at(p).clock < first; });
    const int end = *std::ranges::partition_point(positions, [&](int p) { return at(p).clock <= last; });
    const auto found = bestExcluding(low, end - 1, excludedTrain);
    if (!found)
        return std::nullopt;
    return at(*found);
}

} // namespace tessarin::journeys
