#include "TrainDirectory.h"

#include "TrainStops.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/LatinCase.h"
#include "data/Statement.h"

#include <algorithm>
#include <string_view>
#include <unordered_map>
#include <utility>

namespace tessarin::queries {
namespace {

// Every stop in stored order, flagged where it departs: a stop without a
// departure time ("-") is no departure.
constexpr std::string_view everyStop = "select rowid, id, station, s_no, d_time <> '-' from train order by rowid";

constexpr std::string_view stopsOfRun =
    "select rowid, station, d_time <> '-' from train where rowid between ?1 and ?2 order by rowid";

void noteStop(TrainNumber& number, StoredStop stop) {
    if (!number.last || laterInRun(stop, *number.last))
        number.last = stop;
}

bool beginsARun(std::string_view station, const std::vector<std::string_view>& origins) {
    return std::any_of(origins.begin(), origins.end(),
                       [station](std::string_view origin) { return data::equalsIgnoringLatinCase(station, origin); });
}

} // namespace

// Fills a directory: one pass over every stop, which keeps the departures
// from the first station of each stop's own stored run, then, for the few
// trains stored in several runs, a second look at their rows for departures
// from the first station of any of their runs.
class TrainDirectory::Reader {
public:
    explicit Reader(TrainDirectory& directory) : d_(directory) {}

    void readEveryStop(data::Connection& connection) {
        data::Statement rows(connection.handle(), everyStop);
        while (rows.step()) {
            const std::int64_t rowid = rows.columnInteger(0);
            const std::string_view station = rows.columnView(2);
            const bool null = rows.columnIsNull(1);
            const std::string_view id = rows.columnView(1);
            if (!continuesRun(id, null))
                beginRun(numberOf(id, null), rowid, station);
            StoredRun& run = d_.runs_.back();
            run.terminal.assign(station);
            runRows_.back().second = rowid;
            TrainNumber& number = d_.numbers_[run.number];
            noteStop(number, {stopNumber(rows.columnView(3)), rowid});
            if (rows.columnInteger(4) == 1 && data::equalsIgnoringLatinCase(station, run.origin))
                number.departures.push_back({rowid, std::string(station)});
        }
    }

    void completeScatteredTrains(data::Connection& connection) {
        data::Statement stops(connection.handle(), stopsOfRun);
        for (const std::vector<std::size_t>& runs : runsByTrain()) {
            if (runs.size() > 1 && !d_.numbers_[d_.runs_[runs.front()].number].null)
                collectDepartures(stops, runs);
        }
    }

private:
    bool continuesRun(std::string_view id, bool null) const {
        if (d_.runs_.empty())
            return false;
        const TrainNumber& number = d_.numbers_[d_.runs_.back().number];
        return number.null == null && (null || number.text == id);
    }

    void beginRun(std::uint32_t number, std::int64_t rowid, std::string_view station) {
        d_.runs_.push_back({number, std::string(station), {}});
        runRows_.emplace_back(rowid, rowid);
    }

    std::uint32_t numberOf(std::string_view id, bool null) {
        if (null) {
            if (!nullNumber_)
                nullNumber_ = addNumber({}, true, newTrain());
            return *nullNumber_;
        }
        const auto [number, isNew] = numberIndex_.try_emplace(std::string(id), 0);
        if (isNew)
            number->second = addNumber(std::string(id), false, trainOf(id));
        return number->second;
    }

    std::uint32_t trainOf(std::string_view id) {
        const auto [train, isNew] = d_.trainIndex_.try_emplace(data::upperLatin(id), 0);
        if (isNew)
            train->second = newTrain();
        return train->second;
    }

    std::uint32_t newTrain() { return static_cast<std::uint32_t>(d_.trainCount_++); }

    std::uint32_t addNumber(std::string text, bool null, std::uint32_t train) {
        TrainNumber& number = d_.numbers_.emplace_back();
        number.text = std::move(text);
        number.null = null;
        number.train = train;
        return static_cast<std::uint32_t>(d_.numbers_.size() - 1);
    }

    // The indexes of each train's stored runs, in stored order.
    std::vector<std::vector<std::size_t>> runsByTrain() const {
        std::vector<std::vector<std::size_t>> runs(d_.trainCount_);
        for (std::size_t run = 0; run < d_.runs_.size(); ++run)
            runs[d_.numbers_[d_.runs_[run].number].train].push_back(run);
        return runs;
    }

    // Replaces the departures of the numbers of a train stored in `runs` by
    // its departures from the first station of any of them.
    void collectDepartures(data::Statement& stops, const std::vector<std::size_t>& runs) {
        std::vector<std::string_view> origins;
        for (std::size_t run : runs) {
            origins.push_back(d_.runs_[run].origin);
            d_.numbers_[d_.runs_[run].number].departures.clear();
        }
        for (std::size_t run : runs) {
            std::vector<Departure>& departures = d_.numbers_[d_.runs_[run].number].departures;
            stops.reset();
            stops.bind({std::to_string(runRows_[run].first), std::to_string(runRows_[run].second)});
            while (stops.step()) {
                if (stops.columnInteger(2) == 1 && beginsARun(stops.columnView(1), origins))
                    departures.push_back({stops.columnInteger(0), std::string(stops.columnView(1))});
            }
        }
    }

    TrainDirectory& d_;
    std::unordered_map<std::string, std::uint32_t> numberIndex_;
    std::optional<std::uint32_t> nullNumber_;
    // The rowids of the first and the last stop of each stored run.
    std::vector<std::pair<std::int64_t, std::int64_t>> runRows_;
};

TrainDirectory::TrainDirectory(data::Connection& connection) {
    Reader reader(*this);
    reader.readEveryStop(connection);
    reader.completeScatteredTrains(connection);
}

std::vector<char> TrainDirectory::numbersLike(data::Connection& connection, const std::string& pattern) const {
    // The engine's own limit on LIKE patterns, with its own message, which
    // it gives as soon as there is a row to compare.
    if (!numbers_.empty() && pattern.size() > static_cast<std::size_t>(sqlite3_limit(
                                                  connection.handle(), SQLITE_LIMIT_LIKE_PATTERN_LENGTH, -1)))
        throw data::DataError("LIKE or GLOB pattern too complex");
    std::vector<char> like(numbers_.size());
    for (std::size_t number = 0; number < numbers_.size(); ++number)
        like[number] =
            !numbers_[number].null && sqlite3_strlike(pattern.c_str(), numbers_[number].text.c_str(), 0) == 0;
    return like;
}

} // namespace tessarin::queries
