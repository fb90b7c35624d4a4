// Trains a real timetable has that the sample lacks: a ring train that ends
// at its own origin, a train that stops without a departure time in the
// middle of its run, and a train whose stored distances fall. Each query runs
// over them without failing; a stop without a departure time is no departure.

#include "CaseName.h"
#include "QueryRuns.h"
#include "SampleTimetable.h"
#include "data/Connection.h"
#include "data/Query.h"

#include <gtest/gtest.h>

namespace tessarin::queries {
namespace {

using queries::PrintTo;

using Records = std::vector<std::vector<std::string>>;

void addOddTrains(testing::TemporaryTimetable& timetable) {
    timetable.addStops({
        // 三亚 → 海口 → 三亚: its terminal is its origin again, without a departure.
        {"K9", "快速", "三亚", "1", "1", "-", "08:00", "0", "0", "0", "0", "0"},
        {"K9", "快速", "海口", "2", "1", "10:00", "10:05", "250", "15", "25", "40", "60"},
        {"K9", "快速", "三亚", "3", "1", "13:00", "-", "500", "30", "50", "80", "120"},
        // No departure time at 廊坊, in the middle of its run.
        {"Y9", "普快", "北京", "1", "1", "-", "07:00", "0", "0", "0", "0", "0"},
        {"Y9", "普快", "廊坊", "2", "1", "07:40", "-", "60", "4", "6", "10", "15"},
        {"Y9", "普快", "天津", "3", "1", "08:30", "08:35", "137", "8", "14", "15", "23"},
        {"Y9", "普快", "唐山", "4", "1", "09:40", "-", "250", "15", "25", "28", "42"},
        // Its distances fall from 天津 to 唐山: a data error the fares tell.
        {"T99", "特快", "北京", "1", "1", "-", "10:00", "0", "0", "0", "0", "0"},
        {"T99", "特快", "天津", "2", "1", "11:00", "11:05", "137", "8", "14", "15", "23"},
        {"T99", "特快", "唐山", "3", "1", "12:00", "12:05", "100", "6", "10", "11", "17"},
        {"T99", "特快", "秦皇岛", "4", "1", "13:30", "-", "300", "18", "30", "33", "51"},
    });
}

struct OddTrainCase {
    const char* name;
    QueryRun run;
    Records rows;
    std::string notice = {};
};

class OddTrainsTest : public ::testing::TestWithParam<OddTrainCase> {
protected:
    OddTrainsTest() { addOddTrains(timetable_); }

    testing::TemporaryTimetable timetable_;
    data::Connection con1_{timetable_.file()};
    data::Query qry4_{con1_};
};

TEST_P(OddTrainsTest, TheQueryShowsItsRowsOrItsNotice) {
    const OddTrainCase& c = GetParam();
    const QueryOutcome outcome = c.run(con1_, qry4_);
    if (c.rows.empty()) {
        EXPECT_EQ(outcome.notice, c.notice);
        return;
    }
    ASSERT_TRUE(outcome.shown()) << *outcome.notice;
    EXPECT_EQ(records(qry4_, {"id", "s_station", "s_tm", "e_station", "e_tm", "during_tm", "distance"}), c.rows);
}

INSTANTIATE_TEST_SUITE_P(
    Queries, OddTrainsTest,
    ::testing::Values(
        OddTrainCase{"RingTrainByNumber", trainNumber("K9"), {{"K9", "三亚", "08:00", "三亚", "13:00", "5:00", "500"}}},
        OddTrainCase{"EveryOddTrainByNumber",
                     trainNumber("9"),
                     {{"Y9", "北京", "07:00", "唐山", "09:40", "2:40", "250"},
                      {"K9", "三亚", "08:00", "三亚", "13:00", "5:00", "500"},
                      {"T99", "北京", "10:00", "秦皇岛", "13:30", "3:30", "300"}}},
        OddTrainCase{"RingTrainRoundTrip",
                     stationToStation("三亚", "三亚"),
                     {{"K9", "三亚", "08:00", "三亚", "13:00", "5:00", "500"}}},
        OddTrainCase{"RingTrainFromItsOrigin",
                     stationToStation("三亚", "海口"),
                     {{"K9", "三亚", "08:00", "海口", "10:00", "2:00", "250"}}},
        OddTrainCase{"FromAStopWithoutADeparture", stationToStation("廊坊", "天津"), {},
                     "您输入的站点之间没有车次到达！"},
        OddTrainCase{"PastAStopWithoutADeparture",
                     stationToStation("北京", "天津"),
                     {{"Y9", "北京", "07:00", "天津", "08:30", "1:30", "137"},
                      {"T99", "北京", "10:00", "天津", "11:00", "1:00", "137"}}},
        OddTrainCase{"AlongFallingDistances",
                     stationToStation("天津", "唐山"),
                     {{"Y9", "天津", "08:35", "唐山", "09:40", "1:05", "113"},
                      {"T99", "天津", "11:05", "唐山", "12:00", "0:55", "-37"}}},
        OddTrainCase{"RingTrainsCallsAtItsOriginAndTerminal",
                     station("三亚"),
                     {{"K9", "三亚", "-", "三亚", "13:00", "-", "0"},
                      {"K9", "三亚", "08:00", "三亚", "13:00", "5:00", "500"}}},
        OddTrainCase{"ACallWithoutADeparture", station("廊坊"), {{"Y9", "廊坊", "-", "唐山", "09:40", "-", "190"}}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessarin::queries
