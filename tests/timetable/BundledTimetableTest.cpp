// Invariants of the train table in the bundled timetable file, which the
// queries rely on without checking: one train's rows together and in running
// order, times and distances running forward, a departure wherever a later
// stop can be reached, class values that either grow or are absent.

#include "BundledTimetable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <map>
#include <regex>
#include <set>

namespace tessarin::testing {
namespace {

enum Column { Id, Type, Station, StopNumber, Day, Arrival, Departure, Distance };

std::string upperAscii(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

bool isWholeNumber(const std::string& text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

bool isClock(const std::string& text) {
    static const std::regex pattern("([01][0-9]|2[0-3]):[0-5][0-9]");
    return std::regex_match(text, pattern);
}

// Minutes since midnight of the train's first day, "hh:mm" on day `day`.
int minuteOfRun(const std::string& day, const std::string& clock) {
    return (std::stoi(day) - 1) * 1440 + std::stoi(clock.substr(0, 2)) * 60 + std::stoi(clock.substr(3));
}

TEST(BundledTimetable, EachTrainsRowsLieTogetherNumberedInRunningOrder) {
    std::set<std::string> finished;
    for (const StoredTrain& train : bundledTrains()) {
        SCOPED_TRACE(train.id());
        EXPECT_TRUE(finished.insert(upperAscii(train.id())).second) << "rows of the train lie apart";
        ASSERT_GE(train.stops.size(), 2u);
        for (std::size_t i = 0; i < train.stops.size(); ++i) {
            EXPECT_EQ(train.stops[i][StopNumber], std::to_string(i + 1));
            EXPECT_EQ(train.stops[i][Type], train.type());
        }
    }
}

TEST(BundledTimetable, DaysTimesAndDistancesRunForwardAlongEveryTrain) {
    for (const StoredTrain& train : bundledTrains()) {
        SCOPED_TRACE(train.id());
        EXPECT_EQ(train.stops.front()[Distance], "0");
        EXPECT_EQ(train.stops.front()[Day], "1");
        int previousMinute = -1;
        int previousKm = -1;
        for (const TrainRow& stop : train.stops) {
            SCOPED_TRACE(stop[Station]);
            ASSERT_TRUE(isWholeNumber(stop[Day]) && isWholeNumber(stop[Distance]));
            EXPECT_GT(std::stoi(stop[Distance]), previousKm);
            previousKm = std::stoi(stop[Distance]);
            for (Column time : {Arrival, Departure}) {
                if (stop[time] == "-")
                    continue;
                ASSERT_TRUE(isClock(stop[time])) << stop[time];
                const int minute = minuteOfRun(stop[Day], stop[time]);
                EXPECT_GE(minute, previousMinute) << "time runs backwards, or a stand spans midnight";
                previousMinute = minute;
            }
        }
    }
}

TEST(BundledTimetable, OnlyTheOriginLacksAnArrivalAndOnlyTheTerminalADeparture) {
    for (const StoredTrain& train : bundledTrains()) {
        SCOPED_TRACE(train.id());
        for (std::size_t i = 0; i < train.stops.size(); ++i) {
            EXPECT_EQ(train.stops[i][Arrival] == "-", i == 0) << train.stops[i][Station];
            EXPECT_EQ(train.stops[i][Departure] == "-", i + 1 == train.stops.size()) << train.stops[i][Station];
        }
    }
}

// A class difference of "0" between two stops reads as "not offered", so a
// carried class must grow at every stop; a class not carried is "-" throughout.
TEST(BundledTimetable, ClassValuesGrowAlongTheRunOrAreAbsentThroughout) {
    for (const StoredTrain& train : bundledTrains()) {
        SCOPED_TRACE(train.id());
        for (int column = 8; column < 12; ++column) {
            const bool carried = train.stops.front()[column] != "-";
            long previous = -1;
            for (const TrainRow& stop : train.stops) {
                if (!carried) {
                    EXPECT_EQ(stop[column], "-") << "p" << column - 7 << " at " << stop[Station];
                    continue;
                }
                ASSERT_TRUE(isWholeNumber(stop[column])) << "p" << column - 7 << " at " << stop[Station];
                EXPECT_GT(std::stol(stop[column]), previous) << "p" << column - 7 << " at " << stop[Station];
                previous = std::stol(stop[column]);
            }
        }
    }
}

TEST(BundledTimetable, PlanRunsEveryTypeBothWaysWithOvernightTrainsAndClassGaps) {
    const std::vector<StoredTrain> trains = bundledTrains();
    EXPECT_GE(trains.size(), 300u);
    std::map<std::string, int> trainsOfType;
    std::set<std::pair<std::string, std::string>> runs;
    int overnight = 0;
    int withoutSleepers = 0;
    for (const StoredTrain& train : trains) {
        ++trainsOfType[train.type()];
        runs.emplace(train.origin(), train.terminal());
        overnight += train.stops.back()[Day] != "1";
        withoutSleepers += train.stops.front()[10] == "-" && train.stops.front()[11] == "-";
    }
    for (const char* type : {"动车组", "快速", "空调普快", "普快", "普慢", "特快", "直达特快"})
        EXPECT_GT(trainsOfType[type], 0) << type;
    EXPECT_EQ(trainsOfType.size(), 7u);
    for (const auto& [origin, terminal] : runs)
        EXPECT_TRUE(runs.contains({terminal, origin})) << origin << " - " << terminal << " has no return train";
    EXPECT_GT(overnight, 50);
    EXPECT_GT(withoutSleepers, 50);
    for (const StoredTrain& train : trains) {
        if (train.type() == "动车组") {
            EXPECT_EQ(train.stops.back()[10] + train.stops.back()[11], "--") << train.id() << " carries sleepers";
        }
    }
}

// A journey with changes needs hubs where trains of one line end and trains
// of another leave soon after: within half an hour to four hours.
TEST(BundledTimetable, HubsJoinTheirLinesWithTrainsEndingAndLeavingThere) {
    const std::vector<StoredTrain> trains = bundledTrains();
    std::set<std::string> stations;
    for (const TrainRow& row : bundledRows())
        stations.insert(row[Station]);
    EXPECT_GE(stations.size(), 400u);
    auto clock = [](const std::string& time) { return minuteOfRun("1", time); };
    for (const char* hub : {"郑州", "武昌", "汉口", "徐州", "株洲", "石家庄", "济南", "长沙", "衡阳", "柳州", "贵阳",
                            "成都", "重庆", "西安", "宝鸡", "兰州", "太原", "沈阳", "沈阳北", "哈尔滨"}) {
        int changes = 0;
        for (const StoredTrain& ending : trains) {
            if (ending.terminal() != hub)
                continue;
            for (const StoredTrain& leaving : trains) {
                if (leaving.origin() != hub || leaving.terminal() == ending.origin())
                    continue;
                const int arrival = clock(ending.stops.back()[Arrival]);
                const int wait = (clock(leaving.stops.front()[Departure]) - arrival + 1440) % 1440;
                changes += wait >= 30 && wait <= 240;
            }
        }
        EXPECT_GE(changes, 2) << hub;
    }
}

} // namespace
} // namespace tessarin::testing
