#include "CommaLocale.h"
#include "FareTables.h"
#include "support/CliRunner.h"

#include <gtest/gtest.h>

#include <sstream>

namespace tessarin::fares {
namespace {

using tessarin::testing::CliRun;

// Runs tessarin-cli on the shared scratch timetable: `arguments` are words
// separated by single blanks.
CliRun runCli(const data::Connection& timetable, const std::string& arguments, const std::string& input = {},
              const std::vector<std::string>& environment = {}) {
    std::vector<std::string> words{"--db", timetable.file().string()};
    std::istringstream in(arguments);
    for (std::string word; std::getline(in, word, ' ');)
        words.push_back(word);
    return tessarin::testing::runCli(words, input, environment);
}

// The command line's last result on the timetable: K7322 from 北京 to 天津.
data::Connection lastResultOfK7322(const data::Connection& timetable) {
    data::Connection results = tessarin::testing::cliResults(timetable.file());
    results.execute("delete from train_tmp");
    results.execute("insert into train_tmp(id,type,s_station,e_station,distance,during_tm,during_day,p1,p2,p3,p4)"
                    " values('K7322','普快','北京','天津','150','1:30','0','1','1','1','0')");
    return results;
}

class CommandLineTest : public ::testing::Test {
protected:
    data::Connection& timetable_ =
        testing::sharedFareScale({{"10", "201", "10", "20"}}, testing::zonesGivingBaseFare("11.5"));
};

TEST_F(CommandLineTest, FaresPrintsTheSevenTextsOrTheErrorWithStatus1) {
    EXPECT_EQ(runCli(timetable_, "fares 普快 150 1 1 0 1").out, "15\t28.6\t--\t--\t--\t61.6\t63.6\n");
    const CliRun failed = runCli(timetable_, "fares 普快 abc 1 1 1 1");
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.out, "");
    EXPECT_EQ(failed.err, "'abc' is not a valid floating point value\n");
}

TEST_F(CommandLineTest, FaresBatchAnswersEveryLineAndExitsZero) {
    const CliRun result = runCli(timetable_, "fares -",
                                 "普快\t150\t1\t1\t1\t1\n"
                                 "动车组\t100\t0\t\t1\t0\n"
                                 "普快\t150\t1\n"
                                 "普慢\t\t0\t0\t0\t0\n");
    EXPECT_EQ(result.status, 0);
    EXPECT_EQ(result.out, "15\t28.6\t38\t39\t40\t61.6\t63.6\n"
                          "--\t37\t59\t59\t59\t--\t--\n"
                          "ERR\texpected 6 tab-separated fields (TYPE DISTANCE P1 P2 P3 P4), found 3\n"
                          "ERR\t'' is not a valid floating point value\n");
}

TEST_F(CommandLineTest, DetailPrintsCaptionsAndValuesInScreenOrder) {
    data::Connection lastResult = lastResultOfK7322(timetable_);
    const CliRun found = runCli(timetable_, "detail K7322");
    EXPECT_EQ(found.status, 0);
    EXPECT_EQ(found.out, "发站：\t北京\n到站：\t天津\n里程：\t150\n硬座：\t15\n软座：\t28.6\n历时：\t1:30\n"
                         "软卧上：\t--\n软卧下：\t--\n天数：\t0\n硬卧上：\t38\n硬卧中：\t39\n硬卧下：\t40\n");
    lastResult.execute("update train_tmp set distance = '15km' where id = 'K7322'");
    const CliRun broken = runCli(timetable_, "detail K7322");
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.out, "");
    EXPECT_EQ(broken.err, "'15km' is not a valid floating point value\n");
}

// As the window does, the command shows numbers with the user's decimal
// separator, and reads the stored ones, written with ".", in any locale.
TEST_F(CommandLineTest, DetailShowsTheLocalesDecimalSeparatorAndReadsStoredNumbersInAnyLocale) {
    if (!testing::commaLocaleAvailable())
        GTEST_SKIP() << "the locale " << testing::commaLocaleName << " is not installed (scripts/install-deps.sh test)";
    data::Connection lastResult = lastResultOfK7322(timetable_);
    const CliRun run = runCli(timetable_, "detail K7322", {}, {"LC_ALL=" + std::string(testing::commaLocaleName)});
    EXPECT_EQ(run.err, "");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "发站：\t北京\n到站：\t天津\n里程：\t150\n硬座：\t15\n软座：\t28,6\n历时：\t1:30\n"
                       "软卧上：\t--\n软卧下：\t--\n天数：\t0\n硬卧上：\t38\n硬卧中：\t39\n硬卧下：\t40\n");
}

} // namespace
} // namespace tessarin::fares
