#include "CaseName.h"
#include "queries/RouteEnds.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace tessarin::queries {
namespace {

using queries::PrintTo;

using Rows = std::vector<std::pair<std::string, std::string>>;

struct RouteEndsCase {
    const char* name;
    Rows rows;
    std::string trainNumber;
    std::string origin;
    std::string terminal;
};

class BuildRouteEndsTest : public ::testing::TestWithParam<RouteEndsCase> {};

TEST_P(BuildRouteEndsTest, FirstAndLastStationOfTheDecidingRun) {
    const RouteEndsCase& c = GetParam();
    TrainRuns runs;
    for (const auto& [trainNumber, station] : c.rows)
        runs.add(trainNumber, station);
    const RouteEnds built = BuildRouteEnds(runs);
    const RouteEnd& ends = built.find(c.trainNumber);
    EXPECT_EQ(ends.origin, c.origin);
    EXPECT_EQ(ends.terminal, c.terminal);
}

const Rows twoTrains{{"T1", "北京"}, {"T1", "天津"}, {"T1", "上海"}, {"K12", "上海"}, {"K12", "北京南"}};

INSTANTIATE_TEST_SUITE_P(
    Cases, BuildRouteEndsTest,
    ::testing::Values(
        RouteEndsCase{"FirstTrain", twoTrains, "T1", "北京", "上海"},
        RouteEndsCase{"LastTrainIsRecordedWhenTheRowsEnd", twoTrains, "K12", "上海", "北京南"},
        RouteEndsCase{"LookedUpWithoutRegardToCase", twoTrains, "k12", "上海", "北京南"},
        RouteEndsCase{"UnknownTrainGivesEmptyTexts", twoTrains, "Z8", "", ""},
        RouteEndsCase{"NoRows", {}, "T1", "", ""},
        RouteEndsCase{"OneStop", {{"Z8", "北京南"}}, "Z8", "北京南", "北京南"},
        RouteEndsCase{"SplitTrainTheLastRunDecides",
                      {{"T1", "A"}, {"T1", "B"}, {"K1", "X"}, {"T1", "C"}, {"T1", "D"}},
                      "T1", "C", "D"},
        RouteEndsCase{"RunsDifferingInCaseAreApartTheLastDecides",
                      {{"k5", "A"}, {"k5", "B"}, {"K5", "C"}, {"K5", "D"}},
                      "k5", "C", "D"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessarin::queries
