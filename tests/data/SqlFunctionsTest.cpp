#include "data/Connection.h"
#include "data/Query.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

namespace tessarin::data {
namespace {

struct SqlCase {
    const char* expression;
    const char* expected;
};

class SqlFunctionsTest : public ::testing::TestWithParam<SqlCase> {
protected:
    static std::string evaluate(const std::string& expression) {
        static testing::TemporaryTimetable timetable;
        static Connection connection(timetable.file());
        Query query(connection);
        query.setStatement("select " + expression + " as v");
        query.open();
        return query.fieldText("v");
    }
};

TEST_P(SqlFunctionsTest, Evaluates) { EXPECT_EQ(evaluate(GetParam().expression), GetParam().expected); }

INSTANTIATE_TEST_SUITE_P(
    ValAndCStr, SqlFunctionsTest,
    ::testing::Values(
        // val(): the leading decimal number, 0 when there is none.
        SqlCase{"CStr(val('12'))", "12"}, SqlCase{"CStr(val('08'))", "8"}, SqlCase{"CStr(val('-'))", "0"},
        SqlCase{"CStr(val(''))", "0"}, SqlCase{"CStr(val('  7'))", "7"}, SqlCase{"CStr(val('12.5km'))", "12.5"},
        SqlCase{"CStr(val('-3'))", "-3"}, SqlCase{"CStr(val('1e3'))", "1000"}, SqlCase{"CStr(val('K7322'))", "0"},
        SqlCase{"CStr(val('15:30'))", "15"}, SqlCase{"CStr(val(null))", "0"},
        // Differences as the arrival statements write them.
        SqlCase{"CStr(val('1463')-val('137'))", "1326"}, SqlCase{"CStr(val('-')-val('-'))", "0"},
        SqlCase{"CStr(val('10.5')-val('0.25'))", "10.25"}, SqlCase{"CStr(val('3')-val('5'))", "-2"},
        // CStr() of an expression that is not a whole number, and of text.
        SqlCase{"CStr(0.1+0.2)", "0.3"}, SqlCase{"CStr(2.0)", "2"}, SqlCase{"CStr('abc')", "abc"},
        // Ordering by val() is numeric, not textual.
        SqlCase{"(select group_concat(v) from (select v from (select '10' v union all select '9' union all "
                "select '100') order by val(v)))",
                "9,10,100"}));

TEST(SqlComparisonTest, EqualsLikeAndOrderIgnoreTheCaseOfLatinLetters) {
    testing::TemporaryTimetable timetable;
    timetable.addStops({{"k7322", "快速", "北京西", "1", "1", "-", "08:00", "0", "0", "0", "0", "0"},
                        {"K7323", "快速", "北京西", "1", "1", "-", "09:00", "0", "0", "0", "0", "0"},
                        {"T1", "特快", "上海", "1", "1", "-", "10:00", "0", "0", "0", "0", "0"}});
    Connection connection(timetable.file());
    Query query(connection);

    query.setStatement("select count(*) as n from train where id = ?1", {"K7322"});
    query.open();
    EXPECT_EQ(query.fieldText("n"), "1");

    query.setStatement("select count(*) as n from train where id like ?1", {"k73%"});
    query.open();
    EXPECT_EQ(query.fieldText("n"), "2");

    query.setStatement("select count(*) as n from train where id like ?1", {"_1"});
    query.open();
    EXPECT_EQ(query.fieldText("n"), "1");

    query.setStatement("select group_concat(id) as ids from (select id from train order by id)");
    query.open();
    EXPECT_EQ(query.fieldText("ids"), "k7322,K7323,T1");
}

TEST(SqlComparisonTest, TheGbkCollationOrdersChineseTextAsItsGbkCodesIgnoringLatinCase) {
    testing::TemporaryTimetable timetable;
    Connection connection(timetable.file());
    for (const char* station : {"上海", "北京西", "b站", "北京", "A站", "长沙"})
        connection.execute("insert into train(station) values (?1)", {station});
    Query query(connection);
    query.setStatement("select group_concat(station) as s from (select station from train order by station collate gbk)");
    query.open();
    EXPECT_EQ(query.fieldText("s"), "A站,b站,北京,北京西,长沙,上海");
    query.setStatement("select count(*) as n from train where station = ?1 collate gbk", {"a站"});
    query.open();
    EXPECT_EQ(query.fieldText("n"), "1");
}

TEST(SqlComparisonTest, AQuoteInBoundTextIsJustACharacter) {
    testing::TemporaryTimetable timetable;
    Connection connection(timetable.file());
    connection.execute("insert into train(id, station) values (?1, ?2)", {"O'1", "北'京"});
    Query query(connection);
    query.setStatement("select station from train where id = ?1", {"O'1"});
    query.open();
    EXPECT_EQ(query.fieldText("station"), "北'京");
}

} // namespace
} // namespace tessarin::data
