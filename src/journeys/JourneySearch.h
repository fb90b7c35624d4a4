#pragma once

#include "ChangeBoard.h"
#include "Journey.h"
#include "JourneyLabels.h"

#include <optional>
#include <vector>

namespace tessarin::journeys {

// The stations a search starts and ends at, flagged by station index.
struct SearchEnds {
    std::vector<char> from;
    std::vector<char> to;
};

// A journey found, before its texts are read: the label of its first leg,
// boarded at a stop of a FROM station, and its departure clock time.
struct FoundJourney {
    RoundLabel head;
    int departure;
    int arrival() const { return departure + head.label.duration; }
};

// One search, round by round backwards from the TO stations. Round r labels
// every boarding stop with the best journey on from it (RoundLabels::better)
// that has at most r changes: it rides its train to the first TO stop it
// reaches, or alights at an earlier stop of a station that is neither a FROM
// nor a TO station and changes there into a round r - 1 label. Since trains
// run every day, what follows a boarding does not depend on how it was
// reached, so the best labels of round r - 1 are all that round r needs.
// Round 0 scans the trains through a TO station, the last round only the
// trains through a FROM station, the rounds between every train.
class JourneySearch {
public:
    JourneySearch(const JourneyTimetable& timetable, SearchEnds ends, const JourneyOptions& options);

    // For every boarding stop at a FROM station and every round, its label
    // where one is reached: every journey that may be in the answer is one of
    // them (or ties with one that is better by RoundLabels::better).
    std::vector<FoundJourney> candidates();

    const RoundLabels& labels() const { return labels_; }

private:
    void scanRound(int round);
    void scanTrain(Index train, int round);
    std::optional<Label> alightingAt(Index stop, int round);
    std::optional<Label> changeAt(Index stop, int round);
    const ChangeBoard* board(Index station, int round);
    bool endsJourney(Index stop) const;

    const JourneyTimetable& timetable_;
    SearchEnds ends_;
    JourneyOptions options_;
    RoundLabels labels_;
    // boards_[round][station], made when first asked for.
    std::vector<std::vector<std::optional<ChangeBoard>>> boards_;
    std::vector<std::vector<char>> boardMade_;
    // The ways on from each stop of the train being scanned.
    std::vector<std::optional<Label>> ways_;
};

} // namespace tessarin::journeys
