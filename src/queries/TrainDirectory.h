#pragma once

#include "data/LatinCase.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessarin::data {
class Connection;
}

namespace tessarin::queries {

// A stop of a train: where it is stored and its stop number as val() reads it.
struct StoredStop {
    double number = 0;
    std::int64_t rowid = 0;
};

// Whether `a` comes after `b` in their train's run: a greater stop number, or
// an equal one stored later.
inline bool laterInRun(const StoredStop& a, const StoredStop& b) {
    return a.number != b.number ? a.number > b.number : a.rowid > b.rowid;
}

// A stop with a departure time, at its station.
struct Departure {
    std::int64_t rowid = 0;
    std::string station;
};

// One train number exactly as `train` spells it (`id`), or SQL NULL.
struct TrainNumber {
    std::string text;
    bool null = false;
    // Its train: every number equal to it without regard to the case of
    // Latin letters shares the index.
    std::uint32_t train = 0;
    // The stop with the greatest stop number, of equal ones the later stored.
    std::optional<StoredStop> last;
    // In stored order, its stops with a departure time at a station (names
    // compared without regard to Latin case) where one of its train's stored
    // runs begins.
    std::vector<Departure> departures;
};

// Consecutive rows of `train`, in stored order, with the same number, and the
// stations of the first and the last of them.
struct StoredRun {
    std::uint32_t number = 0;
    std::string origin;
    std::string terminal;
};

// Every train of the timetable, read in one pass over `train` in stored order,
// as the train-number query needs it: the query then looks at a few thousand
// numbers and runs instead of every stop of every matching train. Whatever
// numbers a query matches, the runs of its matching rows are their stored runs
// with those of one number that end up side by side joined, so each begins at a
// station where one of its train's stored runs begins: the departures kept are
// every departure such a run can have from its first station.
class TrainDirectory {
public:
    // Reads `train`; DataError when that fails.
    explicit TrainDirectory(data::Connection& connection);

    const std::vector<TrainNumber>& numbers() const noexcept { return numbers_; }
    const std::vector<StoredRun>& runs() const noexcept { return runs_; }
    std::size_t trainCount() const noexcept { return trainCount_; }
    // The index of the train of a number that `train` holds.
    std::uint32_t trainOf(std::string_view number) const { return trainIndex_.at(data::upperLatin(number)); }

    // Flags, by number index, the numbers `id like pattern` selects: "%" and
    // "_" are wildcards, Latin letters match either case, NULL never matches.
    // DataError, as the engine reports it, for a pattern too long for LIKE.
    std::vector<char> numbersLike(data::Connection& connection, const std::string& pattern) const;

private:
    class Reader;
    friend class Reader;

    std::vector<TrainNumber> numbers_;
    std::vector<StoredRun> runs_;
    std::size_t trainCount_ = 0;
    // Train indexes by number, its Latin letters in upper case.
    std::unordered_map<std::string, std::uint32_t> trainIndex_;
};

} // namespace tessarin::queries
