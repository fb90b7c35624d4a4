#pragma once

#include "JourneyLabels.h"

#include <optional>
#include <vector>

namespace tessarin::journeys {

// The departures from one station that a journey may change into, each with
// its label of one round, ordered by their clock times over two days so that
// any window of the clock is one stretch. Answers, for a window of clock
// times, the departure whose journey on is best once the wait up to it is
// counted (a range-minimum table: built in n log n, asked in constant time).
class ChangeBoard {
public:
    // `departures`: stops at the station whose label in `round` is reached.
    ChangeBoard(const JourneyTimetable& timetable, const RoundLabels& labels, int round,
                std::vector<Index> departures);

    struct Departure {
        Index stop;
        // Its clock time, on the second day (+1440) where the window wraps.
        int clock;
    };

    // The best departure at clock times first..last (0 <= first < 1440,
    // first <= last < first + 1440) on a train other than `excludedTrain`.
    std::optional<Departure> best(int first, int last, Index excludedTrain) const;

private:
    // What decides most comparisons, counted from the moment the window
    // opens: the duration and the wait include the clock time.
    struct Figures {
        int duration;
        int changes;
        int wait;
    };

    Departure at(int position) const;
    bool better(int a, int b) const;
    int bestIn(int low, int high) const;
    std::optional<int> bestExcluding(int low, int high, Index excludedTrain) const;

    const JourneyTimetable& timetable_;
    const RoundLabels& labels_;
    int round_;
    // Per position over the two days: the departure, its clock time and
    // its figures.
    std::vector<Index> departures_;
    std::vector<int> clocks_;
    std::vector<Figures> figures_;
    // table_[k][i]: the best position of i .. i + 2^k - 1.
    std::vector<std::vector<int>> table_;
};

} // namespace tessarin::journeys
