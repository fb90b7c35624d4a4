#include "CaseName.h"
#include "QueryRuns.h"
#include "SampleTimetable.h"
#include "data/Connection.h"
#include "data/Query.h"
#include "data/Statement.h"
#include "queries/ConversionError.h"
#include "queries/StopList.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessarin::queries {
namespace {

using queries::PrintTo;

using Records = std::vector<std::vector<std::string>>;

// What the grids show of a row: train, departure stop and time, arrival stop
// and time, running time.
const std::vector<std::string> rowFields{"id", "s_station", "s_tm", "e_station", "e_tm", "during_tm"};
const std::vector<std::string> allFields{"id",          "type",       "s_station", "s_tm",    "e_station",
                                         "e_tm",        "start_s",    "end_s",     "during_s_no",
                                         "during_day",  "during_tm",  "distance",  "p1",      "p2",
                                         "p3",          "p4",         "Train_Price"};

class TimetableQueryTest : public ::testing::Test {
protected:
    TimetableQueryTest() { addSampleTrains(timetable_); }

    // train_tmp as the connection's other queries read it, in stored order.
    Records storedResults() {
        data::Query rows(con1_);
        rows.setStatement("select * from train_tmp order by rowid");
        rows.open();
        return records(rows, allFields);
    }

    testing::TemporaryTimetable timetable_;
    data::Connection con1_{timetable_.file()};
    data::Query qry4_{con1_};
};

// One query, its input and what it should show: the rows in order, or, when
// there are none, its notice.
struct QueryCase {
    const char* name;
    QueryRun run;
    Records rows;
    std::string notice = {};
};

class QueryResultTest : public TimetableQueryTest, public ::testing::WithParamInterface<QueryCase> {};

TEST_P(QueryResultTest, RowsInDepartureTimeTextOrderOrTheNotice) {
    const QueryCase& c = GetParam();
    const QueryOutcome outcome = c.run(con1_, qry4_);
    if (c.rows.empty()) {
        EXPECT_EQ(outcome.notice, c.notice);
        EXPECT_FALSE(qry4_.isOpen());
        EXPECT_TRUE(storedResults().empty());
    } else {
        ASSERT_TRUE(outcome.shown()) << *outcome.notice;
        EXPECT_EQ(records(qry4_, rowFields), c.rows);
        EXPECT_EQ(qry4_.recNo(), 1);
    }
}

const Records beijingToShanghai{
    {"Y5", "北京西", "07:00", "上海南", "05:00", "22:00"}, {"Y5", "北京", "07:50", "上海南", "05:00", "21:10"},
    {"T1", "北京", "08:00", "上海", "20:00", "12:00"},     {"G7", "北京南", "08:00", "上海", "12:55", "4:55"},
    {"Z8", "北京南", "12:00", "上海", "07:05", "19:05"},
};

INSTANTIATE_TEST_SUITE_P(
    StationToStation, QueryResultTest,
    ::testing::Values(
        // Y5 leaves from two stations of Beijing: two rows, each with its own running
        // time, both ending at 上海南, the first match after them. Equal departure
        // times keep the stored order (T1 before G7).
        QueryCase{"PrefixesFindEveryStationOfTheCity", stationToStation("北京", "上海"), beijingToShanghai},
        QueryCase{"Wildcards", stationToStation("_京", "上_"), beijingToShanghai},
        QueryCase{"WildcardsInside",
                  stationToStation("%京", "%海南"),
                  {{"Y5", "北京西", "07:00", "上海南", "05:00", "22:00"},
                   {"Y5", "北京", "07:50", "上海南", "05:00", "21:10"}}},
        QueryCase{"BothTextsNamingOneCity",
                  stationToStation("北京", "北京"),
                  {{"Y5", "北京西", "07:00", "北京", "07:40", "0:40"}}},
        QueryCase{"OnlyTrainsRunningThatWay",
                  stationToStation("上海", "北京"),
                  {{"K12", "上海", "22:10", "北京南", "12:40", "14:30"}}},
        QueryCase{"ATimeWithoutLeadingZero",
                  stationToStation("北京西", "郑州"),
                  {{"D1201", "北京西", "8:05", "郑州", "12:00", "3:55"}}},
        QueryCase{"ATrailingBlankStaysPartOfTheName", stationToStation("北京 ", "上海"), {},
                  "您输入的站点之间没有车次到达！"},
        QueryCase{"AQuoteIsACharacter", stationToStation("北京'", "上海"), {}, "您输入的站点之间没有车次到达！"},
        QueryCase{"NoTrainBetween", stationToStation("郑州", "上海"), {}, "您输入的站点之间没有车次到达！"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    TrainNumber, QueryResultTest,
    ::testing::Values(
        // 1207 calls at its origin 郑州 twice: a row for each call, both to its terminal.
        // "8:05" sorts after "22:10" as text.
        QueryCase{"NumbersContainingTheTextAnywhere",
                  trainNumber("12"),
                  {{"1207", "郑州", "06:30", "洛阳", "11:00", "4:30"},
                   {"1207", "郑州", "09:20", "洛阳", "11:00", "1:40"},
                   {"K12", "上海", "22:10", "北京南", "12:40", "14:30"},
                   {"D1201", "北京西", "8:05", "郑州", "12:00", "3:55"}}},
        QueryCase{"LettersOfEitherCase", trainNumber("k1"), {{"K12", "上海", "22:10", "北京南", "12:40", "14:30"}}},
        QueryCase{"Wildcards",
                  trainNumber("_1"),
                  {{"T1", "北京", "08:00", "上海", "20:00", "12:00"},
                   {"K12", "上海", "22:10", "北京南", "12:40", "14:30"},
                   {"D1201", "北京西", "8:05", "郑州", "12:00", "3:55"}}},
        QueryCase{"BlanksAreNotEmpty", trainNumber(" "), {}, "请正确输入车次！"},
        QueryCase{"AQuoteIsACharacter", trainNumber("'"), {}, "请正确输入车次！"}),
    [](const auto& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    Station, QueryResultTest,
    ::testing::Values(
        // K12 ends at 北京南: departure "-", running time "-", first in text order.
        QueryCase{"EveryCallAtEveryStationOfThePrefix",
                  station("北京"),
                  {{"K12", "北京南", "-", "北京南", "12:40", "-"},
                   {"Y5", "北京西", "07:00", "上海", "06:00", "23:00"},
                   {"Y5", "北京", "07:50", "上海", "06:00", "22:10"},
                   {"T1", "北京", "08:00", "上海", "20:00", "12:00"},
                   {"G7", "北京南", "08:00", "上海", "12:55", "4:55"},
                   {"Z8", "北京南", "12:00", "上海", "07:05", "19:05"},
                   {"D1201", "北京西", "8:05", "郑州", "12:00", "3:55"}}},
        QueryCase{"TwoCallsOfOneTrain",
                  station("郑州"),
                  {{"D1201", "郑州", "-", "郑州", "12:00", "-"},
                   {"1207", "郑州", "06:30", "洛阳", "11:00", "4:30"},
                   {"1207", "郑州", "09:20", "洛阳", "11:00", "1:40"}}},
        QueryCase{"Wildcards",
                  station("北%西"),
                  {{"Y5", "北京西", "07:00", "上海", "06:00", "23:00"},
                   {"D1201", "北京西", "8:05", "郑州", "12:00", "3:55"}}},
        QueryCase{"BlanksAreNotEmpty", station(" "), {}, "请正确输入车站名！"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(TimetableQueryTest, RowsCarryTheDifferencesBetweenTheirTwoStopsAndTheTrainsEnds) {
    ASSERT_TRUE(queryStationToStation(con1_, qry4_, "北京", "上海").shown());
    // A class carried at neither stop ("-" at both) gives "0".
    const Records expected{
        {"Y5", "普快", "北京西", "07:00", "上海南", "05:00", "北京西", "上海", "3", "1", "22:00", "1450", "87", "0",
         "160", "248", "点击查询"},
        {"Y5", "普快", "北京", "07:50", "上海南", "05:00", "北京西", "上海", "2", "1", "21:10", "1440", "86", "0",
         "159", "246", "点击查询"},
        {"T1", "特快", "北京", "08:00", "上海", "20:00", "北京", "上海", "3", "0", "12:00", "1463", "88", "146",
         "161", "249", "点击查询"},
        {"G7", "高速", "北京南", "08:00", "上海", "12:55", "北京南", "上海", "1", "0", "4:55", "1318", "553", "933",
         "0", "0", "点击查询"},
        {"Z8", "直达", "北京南", "12:00", "上海", "07:05", "北京南", "上海", "1", "1", "19:05", "1463", "88", "146",
         "161", "249", "点击查询"},
    };
    EXPECT_EQ(records(qry4_, allFields), expected);
    EXPECT_EQ(storedResults().size(), expected.size());
}

TEST_F(TimetableQueryTest, TrainNumberRowsRunFromOriginToTerminal) {
    ASSERT_TRUE(queryTrainNumber(con1_, qry4_, "1207").shown());
    const Records expected{
        {"1207", "普慢", "郑州", "06:30", "洛阳", "11:00", "郑州", "洛阳", "3", "0", "4:30", "268", "16", "27", "40",
         "61", "点击查询"},
        {"1207", "普慢", "郑州", "09:20", "洛阳", "11:00", "郑州", "洛阳", "1", "0", "1:40", "124", "7", "12", "18",
         "27", "点击查询"},
    };
    EXPECT_EQ(records(qry4_, allFields), expected);
}

TEST_F(TimetableQueryTest, ANewQueryReplacesTheRowsAndStartsUnsortedOnTheFirstRow) {
    ASSERT_TRUE(queryStation(con1_, qry4_, "北京").shown());
    qry4_.setSort("id DESC");
    qry4_.moveBy(2);

    ASSERT_TRUE(queryTrainNumber(con1_, qry4_, "Z8").shown());
    EXPECT_EQ(qry4_.sort(), "");
    EXPECT_EQ(qry4_.recNo(), 1);
    EXPECT_EQ(records(qry4_, {"id", "s_station"}), (Records{{"Z8", "北京南"}}));
    EXPECT_EQ(storedResults().size(), 1u);
}

TEST_F(TimetableQueryTest, TheResultSetDeletesItsRowsFromTrainTmp) {
    ASSERT_TRUE(queryStation(con1_, qry4_, "郑州").shown());
    qry4_.moveBy(1);
    qry4_.deleteCurrent();

    const Records stored = storedResults();
    ASSERT_EQ(stored.size(), 2u);
    EXPECT_EQ(stored[0][3], "-");
    EXPECT_EQ(stored[1][3], "09:20");
}

// A query that shows nothing, and what it must leave alone.
struct KeepCase {
    const char* name;
    QueryRun run;
};

class QueryKeepsThePreviousResultTest : public TimetableQueryTest, public ::testing::WithParamInterface<KeepCase> {
protected:
    QueryKeepsThePreviousResultTest() {
        // X9's arrival time at 上海 is no time: any query that reaches it fails.
        timetable_.addStops({{"X9", "特快", "北京", "1", "1", "-", "09:00", "0", "0", "0", "0", "0"},
                             {"X9", "特快", "上海", "2", "1", "x:10", "-", "1463", "88", "146", "161", "249"}});
    }

    // Shows the calls at 郑州 and moves to the second row.
    void showPreviousResult() {
        ASSERT_TRUE(queryStation(con1_, qry4_, "郑州").shown());
        qry4_.next();
        previousStored_ = storedResults();
        previousShown_ = records(qry4_, rowFields);
    }

    void expectPreviousResult() {
        EXPECT_EQ(storedResults(), previousStored_);
        ASSERT_TRUE(qry4_.isOpen());
        EXPECT_EQ(records(qry4_, rowFields), previousShown_);
        EXPECT_EQ(qry4_.recNo(), 2);
    }

    Records previousStored_;
    Records previousShown_;
};

class NothingFoundTest : public QueryKeepsThePreviousResultTest {};
class FailingQueryTest : public QueryKeepsThePreviousResultTest {};

TEST_P(NothingFoundTest, LeavesTrainTmpAndTheResultSetAsTheyWere) {
    showPreviousResult();
    EXPECT_TRUE(GetParam().run(con1_, qry4_).notice.has_value());
    expectPreviousResult();
}

INSTANTIATE_TEST_SUITE_P(
    Queries, NothingFoundTest,
    ::testing::Values(KeepCase{"EmptyDeparture", stationToStation("", "上海")},
                      KeepCase{"EmptyArrival", stationToStation("北京", "")},
                      KeepCase{"NoTrainBetween", stationToStation("上海", "郑州")},
                      KeepCase{"EmptyTrainNumber", trainNumber("")},
                      KeepCase{"NoSuchTrain", trainNumber("Q")},
                      KeepCase{"EmptyStation", station("")},
                      KeepCase{"NoSuchStation", station("拉萨")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_P(FailingQueryTest, RaisesAndLeavesTrainTmpAndTheResultSetAsTheyWere) {
    showPreviousResult();
    try {
        GetParam().run(con1_, qry4_);
        ADD_FAILURE() << "the query did not fail";
    } catch (const ConversionError& error) {
        EXPECT_STREQ(error.what(), "'x' is not a valid integer value");
    }
    expectPreviousResult();
}

INSTANTIATE_TEST_SUITE_P(Queries, FailingQueryTest,
                         ::testing::Values(KeepCase{"StationToStation", stationToStation("北京", "上海")},
                                           KeepCase{"TrainNumber", trainNumber("X9")},
                                           KeepCase{"Station", station("北京")}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(TimetableQueryTest, InputNoticesComeBeforeAnythingIsTouched) {
    const std::vector<std::pair<QueryRun, std::string>> cases{
        {stationToStation("", "上海"), "请输入发站名！"},
        {stationToStation("", ""), "请输入发站名！"},
        {stationToStation("北京", ""), "请输入到站名！"},
        {trainNumber(""), "请输入车次！"},
        {station(""), "请输入车站名！"},
    };
    for (const auto& [run, notice] : cases)
        EXPECT_EQ(run(con1_, qry4_).notice, notice);
    EXPECT_FALSE(qry4_.isOpen());
}

// A timetable file made by hand, its text columns without any collation.
void createPlainTimetable(const std::filesystem::path& file) {
    sqlite3* raw = nullptr;
    sqlite3_open(file.c_str(), &raw);
    data::DatabaseHandle db(raw);
    sqlite3_exec(db.get(),
                 "create table train(id text, type text, station text, s_no text, day text, a_time text,"
                 " d_time text, distance text, p1 text, p2 text, p3 text, p4 text);"
                 "create table train_tmp(id text, type text, s_station text, s_tm text, e_station text,"
                 " e_tm text, start_s text, end_s text, during_s_no text, during_day text, during_tm text,"
                 " distance text, p1 text, p2 text, p3 text, p4 text, Train_Price text);"
                 "create table qdsn(LC_sa text, LC_en text, QD_kg text, QD_cn text);"
                 "create table qdlj(qd_sa text, qd_en text, piao_l text, qd_lpj text);"
                 "insert into train(id, station, s_no, a_time, d_time) values"
                 " ('k7', '广州', '1', '-', '10:00'), ('K8', '长沙', '1', '-', '11:00'),"
                 " ('k7', '长沙', '2', '18:00', '18:10'), ('k7', '武汉', '3', '22:00', '-');",
                 nullptr, nullptr, nullptr);
}

TEST(StopListTest, TheTrainsRowsInStoredOrderWhateverTheCaseOfItsNumber) {
    testing::TemporaryTimetable timetable;
    const std::filesystem::path plainFile = timetable.folder() / "plain.mdb";
    createPlainTimetable(plainFile);
    data::Connection connection(plainFile);
    data::Query stops(connection);

    openStopList(stops, "K7");
    EXPECT_EQ(records(stops, {"id", "S_No", "Station", "A_Time", "D_Time"}),
              (Records{{"k7", "1", "广州", "-", "10:00"}, {"k7", "2", "长沙", "18:00", "18:10"},
                       {"k7", "3", "武汉", "22:00", "-"}}));
    openStopList(stops, "K9");
    EXPECT_EQ(stops.recordCount(), 0);
}

} // namespace
} // namespace tessarin::queries
