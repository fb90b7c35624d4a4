// Trains whose stored rows do not all lie together, and train numbers that
// differ only in the case of their letters. The train-number query reads the
// matching rows in stored order: a train's rows with only non-matching rows
// between them are one run, while a matching train between them splits them
// into two runs, the later of which gives the train's origin. It keeps what it
// knows of the timetable between queries, so a change another connection
// makes must reach the next query, and a text too long for LIKE must fail as
// the engine fails it.

#include "CaseName.h"
#include "QueryRuns.h"
#include "SampleTimetable.h"
#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Query.h"

#include <gtest/gtest.h>

namespace tessarin::queries {
namespace {

using queries::PrintTo;

using Records = std::vector<std::vector<std::string>>;

const std::vector<std::string> rowFields{"id", "s_station", "s_tm", "e_station", "e_tm", "during_tm"};

void addScatteredTrains(testing::TemporaryTimetable& timetable) {
    timetable.addStops({
        // K5 in two stretches with T7 between; it calls at 北京 again in the second.
        {"K5", "快速", "北京", "1", "1", "-", "08:00", "0", "0", "0", "0", "0"},
        {"K5", "快速", "天津", "2", "1", "09:00", "09:05", "137", "8", "14", "15", "23"},
        {"T7", "特快", "上海", "1", "1", "-", "07:00", "0", "0", "0", "0", "0"},
        {"T7", "特快", "南京", "2", "1", "09:00", "-", "300", "18", "30", "33", "51"},
        {"K5", "快速", "济南", "3", "1", "11:00", "11:05", "497", "30", "50", "55", "84"},
        {"K5", "快速", "北京", "4", "1", "13:00", "13:10", "900", "54", "90", "99", "151"},
        {"K5", "快速", "南京", "5", "1", "16:00", "-", "1200", "72", "120", "132", "202"},
        // One train spelt D3 and d3: two runs of one train, the later one its origin.
        {"D3", "动车", "广州", "1", "1", "-", "06:00", "0", "0", "0", "0", "0"},
        {"D3", "动车", "长沙", "2", "1", "09:00", "09:10", "700", "42", "70", "77", "118"},
        {"d3", "动车", "武汉", "3", "1", "11:00", "11:10", "1000", "60", "100", "110", "168"},
        {"d3", "动车", "郑州", "4", "1", "13:00", "-", "1500", "90", "150", "165", "252"},
    });
}

struct ScatteredCase {
    const char* name;
    std::string text;
    Records rows;
};

class ScatteredTimetable : public ::testing::Test {
protected:
    ScatteredTimetable() { addScatteredTrains(timetable_); }

    Records shownRows(const std::string& text) {
        const QueryOutcome outcome = trainNumber(text)(con1_, qry4_);
        if (!outcome.shown())
            ADD_FAILURE() << *outcome.notice;
        return outcome.shown() ? records(qry4_, rowFields) : Records{};
    }

    testing::TemporaryTimetable timetable_;
    data::Connection con1_{timetable_.file()};
    data::Query qry4_{con1_};
};

class ScatteredTrainsTest : public ScatteredTimetable, public ::testing::WithParamInterface<ScatteredCase> {};

TEST_P(ScatteredTrainsTest, RowsFollowTheRunsOfTheMatchingRows) {
    EXPECT_EQ(shownRows(GetParam().text), GetParam().rows);
}

INSTANTIATE_TEST_SUITE_P(TrainNumber, ScatteredTrainsTest,
                         ::testing::Values(
                             // T7 does not match: K5's rows are one run from 北京, called at twice.
                             ScatteredCase{"ItsStretchesJoinWhenTheTrainBetweenDoesNotMatch",
                                           "K5",
                                           {{"K5", "北京", "08:00", "南京", "16:00", "8:00"},
                                            {"K5", "北京", "13:10", "南京", "16:00", "2:50"}}},
                             // Every train matches: K5's second stretch gives its origin, and each run of
                             // K5 and of D3 adds the rows of its train.
                             ScatteredCase{"ItsLaterStretchGivesTheOriginWhenTheTrainBetweenMatches",
                                           "_",
                                           {{"T7", "上海", "07:00", "南京", "09:00", "2:00"},
                                            {"K5", "济南", "11:05", "南京", "16:00", "4:55"},
                                            {"K5", "济南", "11:05", "南京", "16:00", "4:55"},
                                            {"d3", "武汉", "11:10", "郑州", "13:00", "1:50"},
                                            {"d3", "武汉", "11:10", "郑州", "13:00", "1:50"}}},
                             ScatteredCase{"NumbersInEitherCaseAreOneTrain",
                                           "D3",
                                           {{"d3", "武汉", "11:10", "郑州", "13:00", "1:50"},
                                            {"d3", "武汉", "11:10", "郑州", "13:00", "1:50"}}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScatteredTimetable, AChangeByAnotherConnectionReachesTheNextQuery) {
    ASSERT_EQ(shownRows("T7"), (Records{{"T7", "上海", "07:00", "南京", "09:00", "2:00"}}));
    timetable_.addStops({
        {"T77", "特快", "杭州", "1", "1", "-", "06:30", "0", "0", "0", "0", "0"},
        {"T77", "特快", "上海", "2", "1", "08:00", "-", "200", "12", "20", "22", "34"},
    });
    EXPECT_EQ(shownRows("T7"), (Records{{"T77", "杭州", "06:30", "上海", "08:00", "1:30"},
                                        {"T7", "上海", "07:00", "南京", "09:00", "2:00"}}));
}

// The engine refuses LIKE patterns longer than 50,000 bytes; the query's
// pattern is the text with "%" on either side.
TEST_F(ScatteredTimetable, ATextTooLongForLikeFailsWithTheEnginesMessage) {
    EXPECT_EQ(trainNumber(std::string(49'998, '1'))(con1_, qry4_).notice, "请正确输入车次！");
    try {
        trainNumber(std::string(49'999, '1'))(con1_, qry4_);
        ADD_FAILURE() << "a pattern of 50,001 bytes was taken";
    } catch (const data::DataError& error) {
        EXPECT_STREQ(error.what(), "LIKE or GLOB pattern too complex");
    }
}

} // namespace
} // namespace tessarin::queries
