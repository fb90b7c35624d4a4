// tessarin-cli suggest over the bundled name list and a scratch timetable
// whose made-up stations the list cannot hold.

#include "support/CliRunner.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

namespace tessarin::stationinput {
namespace {

using testing::CliRun;

class SuggestCommand : public ::testing::Test {
protected:
    void SetUp() override {
        timetable.addStops({{"K1", "快速", "北京西", "1", "1", "-", "08:00", "0", "1", "1", "1", "1"},
                            {"K1", "快速", "圳莞衢漯", "2", "1", "09:00", "09:05", "80", "1", "1", "1", "1"},
                            {"K1", "快速", "北京西莞衢", "3", "1", "10:00", "-", "160", "1", "1", "1", "1"}});
    }

    CliRun suggest(const std::string& text, const std::string& input = {}) {
        return testing::runCli({"--db", timetable.file().string(), "suggest", text}, input);
    }

    testing::TemporaryTimetable timetable;
};

TEST_F(SuggestCommand, OffersTheTimetablesStationsAfterTheList) {
    const CliRun run = suggest("ZhenGuanQu");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "圳莞衢漯\n");

    const CliRun beijing = suggest("beijingxi");
    EXPECT_EQ(beijing.status, 0);
    EXPECT_TRUE(beijing.out.starts_with("北京西\n")) << beijing.out;
    EXPECT_TRUE(beijing.out.ends_with("\n北京西莞衢\n")) << beijing.out;
}

TEST_F(SuggestCommand, AnswersEveryLineOfTheInputWithTheTextAndItsNames) {
    const CliRun run = suggest("-", "zhenguanqu\n1\n\n北京\r\nbeijingxiguanqu\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, "zhenguanqu\t圳莞衢漯\n1\n\n北京\nbeijingxiguanqu\t北京西莞衢\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(SuggestCommand, TellsWhenNothingIsOfferedOrTheTimetableCannotBeRead) {
    const CliRun nothing = suggest("1");
    EXPECT_EQ(nothing.status, 2);
    EXPECT_EQ(nothing.out, "");
    EXPECT_EQ(nothing.err, "No station matches '1'.\n");

    const CliRun broken = testing::runCli({"--db", (timetable.folder() / "nowhere.mdb").string(), "suggest", "bj"});
    EXPECT_EQ(broken.status, 1);
    EXPECT_EQ(broken.out, "");
    EXPECT_NE(broken.err.find("nowhere.mdb"), std::string::npos) << broken.err;
}

} // namespace
} // namespace tessarin::stationinput
