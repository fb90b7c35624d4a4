#include "support/TimetableRows.h"
#include "support/CliRunner.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

namespace tessarin::journeys {
namespace {

using testing::CliRun;
using testing::joined;
using testing::trainRows;

// 甲 → 乙 overnight on D1, or in the day on K1 and K2 with a change of 45
// minutes at a station whose name holds characters that JSON escapes.
const std::string oddStation = "丙\"\\\t\x01站";

class JourneysCommandTest : public ::testing::Test {
protected:
    JourneysCommandTest() {
        timetable_.addStops(joined({trainRows("D1", {{"甲", "1", "-", "08:00"}, {"乙", "2", "07:00", "-"}}),
                                    trainRows("K1", {{"甲", "1", "-", "08:00"}, {oddStation, "1", "09:00", "-"}}),
                                    trainRows("K2", {{oddStation, "1", "-", "09:45"}, {"乙", "1", "11:00", "-"}})}));
    }

    CliRun run(const std::vector<std::string>& arguments) const {
        std::vector<std::string> words{"--db", timetable_.file().string()};
        words.insert(words.end(), arguments.begin(), arguments.end());
        return testing::runCli(words);
    }

    testing::TemporaryTimetable timetable_;
};

const std::string header = "s_station\ts_tm\te_station\te_tm\tdays\tduring_tm\tchanges\ttrains\tvia\twait_tm\n";
const std::string direct = "甲\t08:00\t乙\t07:00\t1\t23:00\t0\tD1\t-\t0:00\n";

TEST_F(JourneysCommandTest, PrintsOneRowPerJourney) {
    const CliRun result = run({"journeys", "甲", "乙"});
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, header + "甲\t08:00\t乙\t11:00\t0\t3:00\t1\tK1 K2\t" + oddStation + "\t0:45\n" + direct);
    EXPECT_EQ(result.err, "");
}

TEST_F(JourneysCommandTest, OptionsRuleOutTheChange) {
    for (const auto& options : {std::vector<std::string>{"--changes", "0"}, {"--max-wait", "44"},
                                {"--min-change", "46"}}) {
        std::vector<std::string> arguments{"journeys", "甲", "乙"};
        // Options may stand before or after the stations.
        arguments.insert(arguments.begin() + 1 + (options[0] == "--max-wait" ? 2 : 0), options.begin(), options.end());
        const CliRun result = run(arguments);
        EXPECT_EQ(result.out, header + direct) << options[0];
    }
}

TEST_F(JourneysCommandTest, JsonCarriesTheSameFieldsAndTheLegs) {
    const CliRun result = run({"journeys", "--json", "甲", "乙"});
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json journeys = nlohmann::json::parse(result.out);
    const nlohmann::json expected = nlohmann::json::array(
        {{{"s_station", "甲"}, {"s_tm", "08:00"}, {"e_station", "乙"}, {"e_tm", "11:00"}, {"days", 0},
          {"during_tm", "3:00"}, {"changes", 1}, {"trains", "K1 K2"}, {"via", oddStation}, {"wait_tm", "0:45"},
          {"legs",
           {{{"id", "K1"}, {"type", "快速"}, {"from", "甲"}, {"d_time", "08:00"}, {"to", oddStation},
             {"a_time", "09:00"}, {"distance", "100"}},
            {{"id", "K2"}, {"type", "快速"}, {"from", oddStation}, {"d_time", "09:45"}, {"to", "乙"},
             {"a_time", "11:00"}, {"distance", "100"}}}}},
         {{"s_station", "甲"}, {"s_tm", "08:00"}, {"e_station", "乙"}, {"e_tm", "07:00"}, {"days", 1},
          {"during_tm", "23:00"}, {"changes", 0}, {"trains", "D1"}, {"via", "-"}, {"wait_tm", "0:00"},
          {"legs",
           {{{"id", "D1"}, {"type", "快速"}, {"from", "甲"}, {"d_time", "08:00"}, {"to", "乙"}, {"a_time", "07:00"},
             {"distance", "100"}}}}}});
    EXPECT_EQ(journeys, expected);
    EXPECT_EQ(result.out.back(), '\n');
}

struct FailureCase {
    const char* name;
    std::vector<std::string> arguments;
    int status;
    std::string err;
};

void PrintTo(const FailureCase& c, std::ostream* out) { *out << c.name; }

class JourneysCommandFailureTest : public JourneysCommandTest, public ::testing::WithParamInterface<FailureCase> {};

TEST_P(JourneysCommandFailureTest, TellsWhyOnStandardError) {
    const FailureCase& c = GetParam();
    const CliRun result = run(c.arguments);
    EXPECT_EQ(result.status, c.status);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, c.err);
}

const std::string usage =
    "usage: tessarin-cli journeys [--changes N] [--min-change MIN] [--max-wait MIN] [--json] FROM TO\n";

INSTANTIATE_TEST_SUITE_P(
    Failures, JourneysCommandFailureTest,
    ::testing::Values(FailureCase{"NoDeparture", {"journeys", "", "乙"}, 2, "请输入发站名！\n"},
                      FailureCase{"NoArrival", {"journeys", "甲", ""}, 2, "请输入到站名！\n"},
                      FailureCase{"NothingFound", {"journeys", "乙", "甲"}, 2, "您输入的站点之间没有找到中转方案！\n"},
                      FailureCase{"TooManyChanges", {"journeys", "--changes", "3", "甲", "乙"}, 1,
                                  "The number of changes must be 0, 1 or 2.\n"},
                      FailureCase{"NotANumber", {"journeys", "--max-wait", "1h", "甲", "乙"}, 1,
                                  "--max-wait takes a whole number, not '1h'\n"},
                      FailureCase{"UnknownOption", {"journeys", "--fast", "甲", "乙"}, 1, usage},
                      FailureCase{"OptionWithoutValue", {"journeys", "甲", "乙", "--changes"}, 1, usage},
                      FailureCase{"OneStation", {"journeys", "甲"}, 1, usage},
                      FailureCase{"AfterTheEndOfOptions", {"journeys", "--", "--json", "乙"}, 2,
                                  "您输入的站点之间没有找到中转方案！\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessarin::journeys
