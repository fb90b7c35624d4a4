#pragma once

#include <cstdint>
#include <limits>
#include <span>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace tessarin::data {
class Connection;
}

namespace tessarin::journeys {

// The `train` table as the journey planner reads it, held in compact arrays:
// every stop once, train by train in running order, with its station and its
// times as minutes on its train's axis (StopTimes.h).
//
// - A train is every row of one train number, compared without regard to the
//   case of Latin letters. Trains are numbered in the text order of their
//   numbers (case-blind), so comparing train indexes compares train numbers.
// - A train's stops are in running order: by stop number as val() reads it,
//   rows of equal stop number in stored order. A stop is numbered by its
//   place in this order over all trains, so comparing two stops of one train
//   compares their places in its run.
// - A station is every stop whose name is equal without regard to the case of
//   Latin letters, as the timetable's SQL compares names.
//
// The rows' texts are not kept: rowid() finds a stop's row for them.
class JourneyTimetable {
public:
    using Index = std::uint32_t;
    static constexpr int noTime = std::numeric_limits<int>::min();

    // Reads every row of `train`; DataError when that fails.
    explicit JourneyTimetable(data::Connection& connection);

    std::size_t trainCount() const noexcept { return trainIds_.size(); }
    std::size_t stopCount() const noexcept { return stations_.size(); }
    std::size_t stationCount() const noexcept { return stationStops_.size() - 1; }

    // The first stop of train t and the one after its last.
    Index firstStop(Index train) const { return trainStops_[train]; }
    Index endStop(Index train) const { return trainStops_[train + 1]; }
    const std::string& trainId(Index train) const { return trainIds_[train]; }
    // Whether no stop of the train arrives before the departure of an
    // earlier stop (by stop number): a leg of it never rides backwards in time.
    bool timesRunForward(Index train) const { return runsForward_[train] != 0; }

    Index trainOf(Index stop) const { return trains_[stop]; }
    Index stationOf(Index stop) const { return stations_[stop]; }
    double stopNumber(Index stop) const { return numbers_[stop]; }
    // Minutes on the train's axis, or noTime.
    int arrival(Index stop) const { return arrivals_[stop]; }
    int departure(Index stop) const { return departures_[stop]; }
    std::int64_t rowid(Index stop) const { return rowids_[stop]; }

    // The stops at a station, in stop order.
    std::span<const Index> stopsAt(Index station) const {
        return {stationStopList_.data() + stationStops_[station], stationStops_[station + 1] - stationStops_[station]};
    }
    // The station of that name (case-blind), or noStation.
    static constexpr Index noStation = std::numeric_limits<Index>::max();
    Index findStation(std::string_view name) const;

private:
    struct Row;
    void numberTrainsInOrder(std::vector<Row>& rows, const std::unordered_map<std::string, Index>& trainKeys);
    void arrange(std::vector<Row>& rows);
    void indexStations();
    void markForwardTrains();

    std::vector<std::string> trainIds_;
    std::vector<Index> trainStops_;
    std::vector<char> runsForward_;
    std::vector<Index> trains_;
    std::vector<Index> stations_;
    std::vector<double> numbers_;
    std::vector<int> arrivals_;
    std::vector<int> departures_;
    std::vector<std::int64_t> rowids_;
    std::unordered_map<std::string, Index> stationKeys_;
    std::vector<Index> stationStops_;
    std::vector<Index> stationStopList_;
};

} // namespace tessarin::journeys
