// The exit statuses of the README's table, and where each message goes:
// 0 with the answer on standard output; 1 for a failure or a command line
// the program does not understand; 2 for empty input or an empty result.
// Standard output stays empty whenever the status is not 0.

#include "support/CliRunner.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

namespace tessarin::cli {
namespace {

using testing::CliRun;

struct StatusCase {
    const char* name;
    std::vector<std::string> arguments; // after --db and the scratch timetable
    int status;
    std::string errBegins;
};

void PrintTo(const StatusCase& c, std::ostream* out) { *out << c.name; }

class ExitStatusTest : public ::testing::TestWithParam<StatusCase> {};

TEST_P(ExitStatusTest, GoesWithItsMessageOnStandardError) {
    const testing::TemporaryTimetable timetable;
    const StatusCase& c = GetParam();
    std::vector<std::string> words{"--db", timetable.file().string()};
    words.insert(words.end(), c.arguments.begin(), c.arguments.end());
    const CliRun run = testing::runCli(words);
    EXPECT_EQ(run.status, c.status);
    EXPECT_EQ(run.out, "");
    EXPECT_TRUE(run.err.starts_with(c.errBegins)) << run.err;
}

const std::string programUsage = "usage: tessarin-cli [--db FILE] [--json] COMMAND";

INSTANTIATE_TEST_SUITE_P(
    Statuses, ExitStatusTest,
    ::testing::Values(
        StatusCase{"NoCommand", {}, 1, "tessarin-cli: no command given\n" + programUsage},
        StatusCase{"UnknownCommand", {"timetable"}, 1, "tessarin-cli: unknown command 'timetable'\n" + programUsage},
        StatusCase{"UnknownGlobalOption", {"--csv", "train", "K1"}, 1, "tessarin-cli: unknown option '--csv'\n"},
        StatusCase{"TooFewArguments", {"between", "北京"}, 1, "usage: tessarin-cli between [--json] FROM TO\n"},
        StatusCase{"UnknownCommandOption", {"stops", "--all", "K1"}, 1, "usage: tessarin-cli stops [--json] ID\n"},
        StatusCase{"JsonOfACommandWithoutRows", {"--json", "skin"}, 1, "usage: tessarin-cli skin [FILE]\n"},
        StatusCase{"EveryFormOfTheUsage",
                   {"fares", "普快", "150"},
                   1,
                   "usage: tessarin-cli fares [--json] TYPE DISTANCE P1 P2 P3 P4\n"
                   "       tessarin-cli fares [--json] -\n"},
        StatusCase{"AFailure", {"sql", "select * from nowhere"}, 1, "no such table: nowhere"},
        StatusCase{"EmptyInput", {"--json", "between", "", "上海"}, 2, "请输入发站名！\n"},
        StatusCase{"EmptyResult", {"--json", "train", "Q"}, 2, "请正确输入车次！\n"},
        StatusCase{"AStatementThatIsOnlyAComment", {"sql", "--json", "--", "-- nothing"}, 2, "No statement to run.\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessarin::cli
