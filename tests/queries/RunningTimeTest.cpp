#include "CaseName.h"
#include "queries/ConversionError.h"
#include "queries/RunningTime.h"

#include <gtest/gtest.h>

namespace tessarin::queries {
namespace {

using queries::PrintTo;

TEST(FormatRunningTimeTest, HoursColonAndTwoDigitMinutes) {
    const std::vector<std::pair<long long, std::string>> cases{
        {61, "1:01"}, {120, "2:00"}, {5, "0:05"}, {0, "0:00"}, {1505, "25:05"}, {-5, "-1:55"}};
    for (const auto& [minutes, text] : cases)
        EXPECT_EQ(FormatRunningTime(minutes), text) << minutes;
}

struct RunningTimeCase {
    const char* name;
    std::string departure;
    std::string arrival;
    std::string days;
    DashDeparture dash;
    std::string expected; // the running time, or the error message
};

class RunningTimeTextTest : public ::testing::TestWithParam<RunningTimeCase> {};

TEST_P(RunningTimeTextTest, TextOrError) {
    const RunningTimeCase& c = GetParam();
    try {
        EXPECT_EQ(runningTimeText(c.departure, c.arrival, c.days, c.dash), c.expected);
    } catch (const ConversionError& error) {
        EXPECT_EQ(error.what(), c.expected);
    }
}

constexpr auto convert = DashDeparture::Convert;
constexpr auto dashMeansNone = DashDeparture::MeansNoRunningTime;

INSTANTIATE_TEST_SUITE_P(
    Cases, RunningTimeTextTest,
    ::testing::Values(
        RunningTimeCase{"LeadingZerosAccepted", "08:05", "10:00", "0", convert, "1:55"},
        RunningTimeCase{"AcrossMidnight", "23:50", "1:10", "1", convert, "1:20"},
        RunningTimeCase{"OverADayAndAHalf", "22:10", "12:40", "2", convert, "38:30"},
        RunningTimeCase{"DashWithTheOption", "-", "12:40", "0", dashMeansNone, "-"},
        RunningTimeCase{"DashWithoutTheOptionIsConverted", "-", "12:40", "0", convert,
                        "'-' is not a valid integer value"},
        RunningTimeCase{"OnlyAnExactDashCounts", "- ", "12:40", "0", dashMeansNone,
                        "'- ' is not a valid integer value"},
        RunningTimeCase{"ArrivalHoursFirst", "y:00", "x:10", "d", convert, "'x' is not a valid integer value"},
        RunningTimeCase{"ThenArrivalMinutes", "y:00", "10:zz", "d", convert, "'zz' is not a valid integer value"},
        RunningTimeCase{"ThenTheDays", "y:00", "10:00", "d", convert, "'d' is not a valid integer value"},
        RunningTimeCase{"ThenDepartureHours", "y:00", "10:00", "0", convert, "'y' is not a valid integer value"},
        RunningTimeCase{"NoColonLeavesEmptyMinutes", "08:00", "10", "0", convert,
                        "'' is not a valid integer value"},
        RunningTimeCase{"WiderThanTheTimetablesIntegers", "08:00", "9999999999:00", "0", convert,
                        "'9999999999' is not a valid integer value"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessarin::queries
