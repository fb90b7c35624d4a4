#include "CaseName.h"
#include "SampleTimetable.h"
#include "support/CliRunner.h"

#include <gtest/gtest.h>


namespace tessarin::queries {
namespace {

using queries::PrintTo;

using testing::CliRun;

CliRun runCli(const testing::TemporaryTimetable& timetable, const std::vector<std::string>& arguments) {
    std::vector<std::string> words{"--db", timetable.file().string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    return testing::runCli(words);
}

struct CliCase {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    std::string out;
    std::string err;
};

class CliCommandsTest : public ::testing::TestWithParam<CliCase> {};

TEST_P(CliCommandsTest, PrintsTheGridColumnsOrTellsWhy) {
    testing::TemporaryTimetable timetable;
    addSampleTrains(timetable);
    const CliCase& c = GetParam();
    const CliRun run = runCli(timetable, c.arguments);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, c.out);
    EXPECT_EQ(run.err, c.err);
}

INSTANTIATE_TEST_SUITE_P(
    Commands, CliCommandsTest,
    ::testing::Values(
        CliCase{"Between",
                {"between", "上海", "北京"},
                0,
                "id\tstart_s\tend_s\ttype\ts_station\ts_tm\te_station\te_tm\tduring_tm\tduring_s_no\tTrain_Price\n"
                "K12\t上海\t北京南\t快速\t上海\t22:10\t北京南\t12:40\t14:30\t3\t点击查询\n",
                ""},
        CliCase{"BetweenWithoutDeparture", {"between", "", "北京"}, 2, "", "请输入发站名！\n"},
        CliCase{"BetweenNothingFound", {"between", "郑州", "上海"}, 2, "", "您输入的站点之间没有车次到达！\n"},
        CliCase{"BetweenWantsTwoStations", {"between", "北京"}, 1, "", "usage: tessarin-cli between [--json] FROM TO\n"},
        CliCase{"Train",
                {"train", "z8"},
                0,
                "id\tstart_s\tend_s\ttype\ts_station\ts_tm\te_station\te_tm\tduring_tm\tTrain_Price\n"
                "Z8\t北京南\t上海\t直达\t北京南\t12:00\t上海\t07:05\t19:05\t点击查询\n",
                ""},
        CliCase{"TrainNothingFound", {"train", "Q"}, 2, "", "请正确输入车次！\n"},
        CliCase{"Station",
                {"station", "郑州"},
                0,
                "id\tstart_s\tend_s\ttype\te_tm\ts_station\ts_tm\tTrain_Price\n"
                "D1201\t北京西\t郑州\t动车组\t12:00\t郑州\t-\t点击查询\n"
                "1207\t郑州\t洛阳\t普慢\t11:00\t郑州\t06:30\t点击查询\n"
                "1207\t郑州\t洛阳\t普慢\t11:00\t郑州\t09:20\t点击查询\n",
                ""},
        CliCase{"StationWithoutText", {"station", ""}, 2, "", "请输入车站名！\n"},
        CliCase{"Stops",
                {"stops", "z8"},
                0,
                "s_no\tstation\ta_time\td_time\tdistance\tday\n"
                "1\t北京南\t-\t12:00\t0\t1\n"
                "2\t上海\t07:05\t-\t1463\t2\n",
                ""},
        // Nothing to show is status 2 with a message, whichever command finds it.
        CliCase{"StopsOfAnUnknownTrain", {"stops", "Q1"}, 2, "", "No train 'Q1' in the timetable.\n"},
        CliCase{"DetailOfATrainNotInTheLastResult", {"detail", "Z8"}, 2, "", "Train 'Z8' is not in the last result.\n"},
        CliCase{"SqlWithoutAStatement", {"sql", ""}, 2, "", "No statement to run.\n"},
        CliCase{"SqlOfOnlyAComment", {"sql", " -- nothing"}, 2, "", "No statement to run.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

struct FailureCase {
    const char* name;
    std::string arrival;  // a stored arrival time that is no time
    std::string err;
};

class CliFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(CliFailureTest, AFailingQueryExitsWithItsMessage) {
    testing::TemporaryTimetable timetable;
    timetable.addStops({{"X9", "特快", "北京", "1", "1", "-", "09:00", "0", "0", "0", "0", "0"},
                        {"X9", "特快", "上海", "2", "1", GetParam().arrival, "-", "1463", "0", "0", "0", "0"}});
    const CliRun run = runCli(timetable, {"between", "北京", "上海"});
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "");
    EXPECT_EQ(run.err, GetParam().err);
}

INSTANTIATE_TEST_SUITE_P(
    StoredTimes, CliFailureTest,
    ::testing::Values(FailureCase{"Letter", "x:10", "'x' is not a valid integer value\n"},
                      // The message goes on past the NUL byte, which it shows escaped.
                      FailureCase{"EmbeddedNul", std::string("1\0x:10", 6), "'1\\0x' is not a valid integer value\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessarin::queries
