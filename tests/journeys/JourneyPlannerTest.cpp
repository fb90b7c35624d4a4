#include "support/TimetableRows.h"
#include "journeys/JourneyPlanner.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace tessarin::journeys {
namespace {

using Rows = std::vector<std::vector<std::string>>;
using testing::joined;
using testing::trainRows;

struct PlanCase {
    const char* name;
    Rows rows;
    std::string from;
    std::string to;
    JourneyOptions options;
    // Per journey: departure station and time, arrival station and time,
    // days, duration, changes, trains, change stations, total wait.
    std::vector<std::string> journeys;
};

void PrintTo(const PlanCase& c, std::ostream* out) { *out << c.name; }

std::string summary(const Journey& journey) {
    const JourneyLeg& first = journey.legs.front();
    const JourneyLeg& last = journey.legs.back();
    return first.fromStation + " " + first.departureTime + " " + last.toStation + " " + last.arrivalTime + " " +
           std::to_string(journey.days()) + " " + journey.durationText() + " " + std::to_string(journey.changes) +
           " " + journey.trainsText() + " | " + journey.viaText() + " | " + journey.waitText();
}

class JourneyPlanTest : public ::testing::TestWithParam<PlanCase> {};

TEST_P(JourneyPlanTest, FindsTheUndominatedJourneys) {
    const PlanCase& c = GetParam();
    testing::TemporaryTimetable timetable;
    timetable.addStops(c.rows);
    data::Connection connection = timetable.connect();
    std::vector<std::string> found;
    for (const Journey& journey : JourneyPlanner(connection).plan(c.from, c.to, c.options))
        found.push_back(summary(journey));
    EXPECT_EQ(found, c.journeys);
}

// 甲 → 丙 → 丁 → 乙 on three trains.
Rows threeTrains() {
    return joined({trainRows("K1", {{"甲", "1", "-", "08:00"}, {"丙", "1", "10:00", "-"}}),
                   trainRows("K2", {{"丙", "1", "-", "10:30"}, {"丁", "1", "11:00", "-"}}),
                   trainRows("K3", {{"丁", "1", "-", "11:40"}, {"乙", "1", "12:00", "-"}})});
}

INSTANTIATE_TEST_SUITE_P(
    Journeys, JourneyPlanTest,
    ::testing::Values(
        PlanCase{"OneChange",
                 joined({trainRows("K1", {{"甲", "1", "-", "08:00"}, {"丙", "1", "10:00", "-"}}),
                         trainRows("K2", {{"丙", "1", "-", "10:30"}, {"乙", "1", "12:00", "-"}})}),
                 "甲",
                 "乙",
                 {},
                 {"甲 08:00 乙 12:00 0 4:00 1 K1 K2 | 丙 | 0:30"}},
        PlanCase{"TwoChanges", threeTrains(), "甲", "乙", {}, {"甲 08:00 乙 12:00 0 4:00 2 K1 K2 K3 | 丙 丁 | 1:10"}},
        PlanCase{"TwoChangesAreTooManyForOne", threeTrains(), "甲", "乙", {1, 30, 720}, {}},
        PlanCase{"ADirectTrainWithNoChangesAllowed", threeTrains(), "丙", "丁", {0, 30, 720},
                 {"丙 10:30 丁 11:00 0 0:30 0 K2 | - | 0:00"}},
        PlanCase{"WaitAcrossMidnight",
                 joined({trainRows("K1", {{"甲", "1", "-", "22:00"}, {"丙", "2", "01:10", "-"}}),
                         trainRows("K2", {{"丁", "1", "-", "23:00"}, {"丙", "1", "23:40", "00:20"}, {"乙", "2", "03:00", "-"}})}),
                 "甲",
                 "乙",
                 {1, 30, 720},
                 // Boards K2 at 丙 00:20 on the following day, after a wait of 23:10.
                 {}},
        PlanCase{"WaitAcrossMidnightWithinTheMaximum",
                 joined({trainRows("K1", {{"甲", "1", "-", "20:00"}, {"丙", "1", "23:40", "-"}}),
                         trainRows("K2", {{"丁", "1", "-", "23:00"}, {"丙", "2", "00:10", "00:20"}, {"乙", "2", "02:00", "-"}})}),
                 "甲",
                 "乙",
                 {},
                 {"甲 20:00 乙 02:00 1 6:00 1 K1 K2 | 丙 | 0:40"}},
        PlanCase{"MinimumChangeTimeIsTheLeastWait",
                 joined({trainRows("K1", {{"甲", "1", "-", "08:00"}, {"丙", "1", "10:00", "-"}}),
                         trainRows("K2", {{"丙", "1", "-", "10:29"}, {"乙", "1", "11:00", "-"}}),
                         trainRows("K3", {{"丙", "1", "-", "10:30"}, {"乙", "1", "11:30", "-"}})}),
                 "甲",
                 "乙",
                 {},
                 {"甲 08:00 乙 11:30 0 3:30 1 K1 K3 | 丙 | 0:30"}},
        PlanCase{"MaximumWaitIsAllowed",
                 joined({trainRows("K1", {{"甲", "1", "-", "08:00"}, {"丙", "1", "10:00", "-"}}),
                         trainRows("K2", {{"丙", "1", "-", "22:00"}, {"乙", "1", "23:00", "-"}}),
                         trainRows("K3", {{"丙", "1", "-", "22:01"}, {"乙", "1", "22:30", "-"}})}),
                 "甲",
                 "乙",
                 {},
                 {"甲 08:00 乙 23:00 0 15:00 1 K1 K2 | 丙 | 12:00"}},
        PlanCase{"AJourneyEndsAtTheFirstToStationItReaches",
                 joined({trainRows("K1", {{"甲", "1", "-", "08:00"}, {"乙南", "1", "09:00", "09:05"}, {"乙", "1", "10:00", "-"}}),
                         trainRows("K2", {{"甲", "1", "-", "07:00"}, {"乙南", "1", "08:00", "08:05"}, {"丙", "1", "08:30", "-"}}),
                         trainRows("K3", {{"丙", "1", "-", "09:00"}, {"乙", "1", "09:30", "-"}})}),
                 "甲",
                 "乙",
                 {},
                 {"甲 07:00 乙南 08:00 0 1:00 0 K2 | - | 0:00", "甲 08:00 乙南 09:00 0 1:00 0 K1 | - | 0:00"}},
        PlanCase{"ALoopTrainCallsTwiceAtOneStation",
                 trainRows("L1", {{"丙", "1", "-", "06:00"}, {"丁", "1", "07:00", "07:10"}, {"丙", "1", "08:00", "08:10"},
                                  {"乙", "1", "09:00", "09:10"}, {"丙", "1", "10:00", "-"}}),
                 "丙",
                 "乙",
                 {},
                 {"丙 08:10 乙 09:00 0 0:50 0 L1 | - | 0:00"}},
        PlanCase{"ALoopTrainEndsWhereItBegan",
                 trainRows("L1", {{"甲", "1", "-", "06:00"}, {"丁", "1", "07:00", "07:10"}, {"甲", "1", "08:00", "-"}}),
                 "丁",
                 "甲",
                 {},
                 {"丁 07:10 甲 08:00 0 0:50 0 L1 | - | 0:00"}},
        PlanCase{"NoDepartureFromAStopWithoutOne",
                 joined({trainRows("K0", {{"丁", "1", "-", "06:00"}, {"丙", "1", "07:00", "-"}}),
                         trainRows("K1", {{"甲", "1", "-", "08:00"}, {"丙", "1", "09:00", "-"}, {"乙", "1", "10:00", "-"}})}),
                 "丁",
                 "乙",
                 {},
                 {}},
        PlanCase{"ARideThroughAStopWithoutDeparture",
                 trainRows("K1", {{"甲", "1", "-", "08:00"}, {"丙", "1", "09:00", "-"}, {"乙", "1", "10:00", "-"}}),
                 "甲",
                 "乙",
                 {},
                 {"甲 08:00 乙 10:00 0 2:00 0 K1 | - | 0:00"}},
        PlanCase{"DominatedJourneysAndTiesGo",
                 joined({trainRows("D1", {{"甲", "1", "-", "08:00"}, {"乙", "1", "12:00", "-"}}),
                         trainRows("D2", {{"甲", "1", "-", "07:00"}, {"乙", "1", "12:00", "-"}}),
                         trainRows("K1", {{"甲", "1", "-", "08:00"}, {"丙", "1", "09:00", "09:00"}, {"丁", "1", "09:40", "-"}}),
                         // Equal in departure, arrival and changes: the one with less waiting
                         // stays, though its train number is larger.
                         trainRows("K9", {{"丙", "1", "-", "09:30"}, {"乙", "1", "11:00", "-"}}),
                         trainRows("K3", {{"丁", "1", "-", "10:20"}, {"乙", "1", "11:00", "-"}})}),
                 "甲",
                 "乙",
                 {},
                 {"甲 08:00 乙 11:00 0 3:00 1 K1 K9 | 丙 | 0:30", "甲 08:00 乙 12:00 0 4:00 0 D1 | - | 0:00"}},
        PlanCase{"TiesOfEqualWaitKeepTheSmallerTrainNumbers",
                 joined({trainRows("K1", {{"甲", "1", "-", "08:00"}, {"丙", "1", "09:00", "-"}}),
                         trainRows("K7", {{"丙", "1", "-", "09:30"}, {"乙", "1", "10:00", "-"}}),
                         trainRows("K40", {{"丙", "1", "-", "09:30"}, {"乙", "1", "10:00", "-"}})}),
                 "甲",
                 "乙",
                 {},
                 {"甲 08:00 乙 10:00 0 2:00 1 K1 K40 | 丙 | 0:30"}},
        PlanCase{"FromMatchesEveryStationItBegins",
                 joined({trainRows("K1", {{"甲", "1", "-", "08:00"}, {"乙", "1", "10:00", "-"}}),
                         trainRows("K2", {{"甲东", "1", "-", "09:00"}, {"乙", "1", "11:00", "-"}}),
                         trainRows("K3", {{"东甲", "1", "-", "09:30"}, {"乙", "1", "10:30", "-"}})}),
                 "甲",
                 "乙",
                 {},
                 {"甲 08:00 乙 10:00 0 2:00 0 K1 | - | 0:00", "甲东 09:00 乙 11:00 0 2:00 0 K2 | - | 0:00"}},
        PlanCase{"WildcardsAndLatinCase",
                 joined({trainRows("K1", {{"甲东", "1", "-", "08:00"}, {"AB站", "1", "10:00", "-"}}),
                         trainRows("K2", {{"甲西", "1", "-", "08:00"}, {"ab站", "1", "09:00", "-"}})}),
                 "_东",
                 "ab",
                 {},
                 {"甲东 08:00 AB站 10:00 0 2:00 0 K1 | - | 0:00"}},
        PlanCase{"ChangesAtOneStationWhateverTheCaseOfItsName",
                 joined({trainRows("K1", {{"甲", "1", "-", "08:00"}, {"Ab站", "1", "09:00", "-"}}),
                         trainRows("K2", {{"AB站", "1", "-", "09:30"}, {"乙", "1", "10:00", "-"}})}),
                 "甲",
                 "乙",
                 {},
                 {"甲 08:00 乙 10:00 0 2:00 1 K1 K2 | AB站 | 0:30"}},
        PlanCase{"NoChangeBackOntoTheSameTrain",
                 joined({trainRows("L1", {{"甲", "1", "-", "08:00"}, {"丙", "1", "09:00", "09:00"}, {"丁", "1", "10:00", "10:00"},
                                          {"丙", "1", "11:00", "-"}}),
                         trainRows("K2", {{"丁", "1", "-", "06:00"}, {"乙", "1", "07:00", "-"}})}),
                 "甲",
                 "乙",
                 {},
                 // Alighting from L1 at 丁 10:00 and taking K2 at 06:00 next morning
                 // waits 20:00, too long; L1 itself on from 丙 is no change.
                 {}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(JourneyLegTest, CarriesTheStoredTextsAndTheFiguresOfEachLeg) {
    testing::TemporaryTimetable timetable;
    timetable.addStops({{"K1", "快速", "甲", "1", "1", "-", "22:00", "0", "0", "0", "-", "0"},
                        {"K1", "快速", "丙", "2", "2", "0:30", "0:40", "312.5", "20", "35", "-", "0"},
                        {"T2", "特快", "丙", "5", "1", "23:00", "01:30", "300", "30", "-", "50", "70"},
                        {"T2", "特快", "乙", "6", "2", "03:00", "-", "280", "41", "-", "62", "70"}});
    data::Connection connection = timetable.connect();
    const std::vector<Journey> found = JourneyPlanner(connection).plan("甲", "乙");
    ASSERT_EQ(found.size(), 1u);
    const Journey& journey = found[0];
    EXPECT_EQ(std::make_tuple(journey.departure, journey.duration, journey.arrival, journey.changes, journey.wait),
              std::make_tuple(22 * 60, 300, 22 * 60 + 300, 1, 60));
    ASSERT_EQ(journey.legs.size(), 2u);
    const JourneyLeg& first = journey.legs[0];
    const JourneyLeg& second = journey.legs[1];
    EXPECT_EQ(std::make_tuple(first.trainId, first.type, first.fromStopNumber, first.toStopNumber, first.departureTime,
                              first.arrivalTime),
              std::make_tuple("K1", "快速", "1", "2", "22:00", "0:30"));
    EXPECT_EQ(first.distanceText, "312.5");
    EXPECT_DOUBLE_EQ(first.distance, 312.5);
    EXPECT_EQ(first.classes, (std::array<std::string, 4>{"20", "35", "0", "0"}));
    EXPECT_EQ(std::make_tuple(first.departureOffset, first.waitBefore, first.ride), std::make_tuple(0, 0, 150));
    // Distances that shrink are carried as they are.
    EXPECT_EQ(second.distanceText, "-20");
    EXPECT_EQ(second.classes, (std::array<std::string, 4>{"11", "0", "12", "0"}));
    EXPECT_EQ(std::make_tuple(second.fromStopNumber, second.departureTime, second.arrivalTime),
              std::make_tuple("5", "01:30", "03:00"));
    EXPECT_EQ(std::make_tuple(second.departureOffset, second.waitBefore, second.ride), std::make_tuple(210, 60, 90));
}

TEST(JourneyOptionsTest, OutOfRangeOptionsAreRefused) {
    testing::TemporaryTimetable timetable;
    data::Connection connection = timetable.connect();
    const JourneyPlanner planner(connection);
    for (const JourneyOptions& options : {JourneyOptions{3, 30, 720}, JourneyOptions{-1, 30, 720},
                                          JourneyOptions{2, -1, 720}, JourneyOptions{2, 30, 1000001}})
        EXPECT_THROW(planner.plan("甲", "乙", options), std::invalid_argument);
    EXPECT_TRUE(planner.plan("", "乙").empty());
}

} // namespace
} // namespace tessarin::journeys
