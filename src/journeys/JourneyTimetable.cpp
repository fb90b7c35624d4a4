#include "JourneyTimetable.h"

#include "StopTimes.h"
#include "data/Connection.h"
#include "data/LatinCase.h"
#include "data/SqlFunctions.h"
#include "data/Statement.h"

#include <algorithm>
#include <charconv>
#include <numeric>
#include <variant>

namespace tessarin::journeys {

struct JourneyTimetable::Row {
    std::int64_t rowid;
    Index train;
    Index station;
    double number;
    int arrival;
    int departure;
};

namespace {

using Index = JourneyTimetable::Index;

double numberOf(std::string_view text) {
    return std::visit([](auto number) { return static_cast<double>(number); }, data::leadingNumber(text));
}

Index internedIndex(std::unordered_map<std::string, Index>& keys, std::string_view text) {
    return keys.try_emplace(data::upperLatin(text), static_cast<Index>(keys.size())).first->second;
}

} // namespace

JourneyTimetable::JourneyTimetable(data::Connection& connection) {
    data::Statement select(connection.handle(), "select rowid, id, station, s_no, day, a_time, d_time from train");
    std::vector<Row> rows;
    std::unordered_map<std::string, Index> trainKeys;
    while (select.step()) {
        Row& row = rows.emplace_back();
        const std::string_view rowid = select.columnView(0);
        std::from_chars(rowid.data(), rowid.data() + rowid.size(), row.rowid);
        const std::string_view id = select.columnView(1);
        row.train = internedIndex(trainKeys, id);
        if (row.train == trainIds_.size())
            trainIds_.emplace_back(id);
        row.station = internedIndex(stationKeys_, select.columnView(2));
        row.number = numberOf(select.columnView(3));
        const StopTimes times = stopTimes(select.columnView(4), select.columnView(5), select.columnView(6));
        row.arrival = times.arrival.value_or(noTime);
        row.departure = times.departure.value_or(noTime);
    }
    numberTrainsInOrder(rows, trainKeys);
    arrange(rows);
    indexStations();
    markForwardTrains();
}

// Renumbers the trains in the order of their numbers: the keys are upper
// case, and string order compares bytes as unsigned.
void JourneyTimetable::numberTrainsInOrder(std::vector<Row>& rows,
                                           const std::unordered_map<std::string, Index>& trainKeys) {
    std::vector<const std::string*> keyOf(trainKeys.size());
    for (const auto& [key, index] : trainKeys)
        keyOf[index] = &key;
    std::vector<Index> byNumber(trainKeys.size());
    std::iota(byNumber.begin(), byNumber.end(), Index{0});
    std::sort(byNumber.begin(), byNumber.end(), [&](Index a, Index b) { return *keyOf[a] < *keyOf[b]; });
    std::vector<Index> rank(byNumber.size());
    std::vector<std::string> ids(byNumber.size());
    for (Index position = 0; position < byNumber.size(); ++position) {
        rank[byNumber[position]] = position;
        ids[position] = std::move(trainIds_[byNumber[position]]);
    }
    trainIds_ = std::move(ids);
    for (Row& row : rows)
        row.train = rank[row.train];
}

void JourneyTimetable::arrange(std::vector<Row>& rows) {
    std::sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
        if (a.train != b.train)
            return a.train < b.train;
        if (a.number != b.number)
            return a.number < b.number;
        return a.rowid < b.rowid;
    });
    trainStops_.assign(trainIds_.size() + 1, 0);
    for (const Row& row : rows) {
        trains_.push_back(row.train);
        stations_.push_back(row.station);
        numbers_.push_back(row.number);
        arrivals_.push_back(row.arrival);
        departures_.push_back(row.departure);
        rowids_.push_back(row.rowid);
        ++trainStops_[row.train + 1];
    }
    std::partial_sum(trainStops_.begin(), trainStops_.end(), trainStops_.begin());
}

void JourneyTimetable::indexStations() {
    stationStops_.assign(stationKeys_.size() + 1, 0);
    for (const Index station : stations_)
        ++stationStops_[station + 1];
    std::partial_sum(stationStops_.begin(), stationStops_.end(), stationStops_.begin());
    stationStopList_.resize(stations_.size());
    std::vector<Index> next(stationStops_.begin(), stationStops_.end() - 1);
    for (Index stop = 0; stop < stations_.size(); ++stop)
        stationStopList_[next[stations_[stop]]++] = stop;
}

void JourneyTimetable::markForwardTrains() {
    runsForward_.assign(trainIds_.size(), 1);
    for (Index train = 0; train < trainIds_.size(); ++train) {
        // Walked backwards a stop number at a time: every departure must come
        // no later than each arrival at a greater stop number.
        int earliestLaterArrival = std::numeric_limits<int>::max();
        for (Index end = endStop(train); end > firstStop(train);) {
            Index start = end - 1;
            while (start > firstStop(train) && numbers_[start - 1] == numbers_[start])
                --start;
            for (Index stop = start; stop < end; ++stop) {
                if (departures_[stop] != noTime && departures_[stop] > earliestLaterArrival)
                    runsForward_[train] = 0;
            }
            for (Index stop = start; stop < end; ++stop) {
                if (arrivals_[stop] != noTime)
                    earliestLaterArrival = std::min(earliestLaterArrival, arrivals_[stop]);
            }
            end = start;
        }
    }
}

JourneyTimetable::Index JourneyTimetable::findStation(std::string_view name) const {
    const auto found = stationKeys_.find(data::upperLatin(name));
    return found == stationKeys_.end() ? noStation : found->second;
}

} // namespace tessarin::journeys
