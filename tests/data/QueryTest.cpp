#include "data/Connection.h"
#include "data/DataError.h"
#include "data/Query.h"
#include "data/Transaction.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

namespace tessarin::data {
namespace {

class QueryTest : public ::testing::Test {
protected:
    void SetUp() override {
        connection_.execute("insert into train_tmp(id, s_tm) values ('K1','08:00'),('K2','09:00'),('K2','09:00'),"
                            "('T3','10:00')");
    }

    int storedRows(const std::string& where) {
        Query count(connection_);
        count.setStatement("select count(*) as n from train_tmp where " + where);
        count.open();
        return std::stoi(count.fieldText("n"));
    }

    testing::TemporaryTimetable timetable_;
    Connection connection_{timetable_.file()};
};

TEST_F(QueryTest, AnOpenResultIsASnapshotThatLaterWritesDoNotAlter) {
    Query result(connection_);
    result.setStatement("select * from train_tmp order by s_tm");
    result.open();
    connection_.execute("delete from train_tmp");
    connection_.execute("insert into train_tmp(id) values ('Z9')");

    ASSERT_EQ(result.recordCount(), 4);
    EXPECT_EQ(result.fieldText("ID"), "K1");
    result.last();
    EXPECT_EQ(result.fieldText("id"), "T3");
}

TEST_F(QueryTest, NullReadsAsEmptyTextAndUnknownFieldsAreErrors) {
    Query result(connection_);
    result.setStatement("select id, e_station from train_tmp");
    result.open();
    EXPECT_EQ(result.fieldText("E_STATION"), "");
    EXPECT_TRUE(result.isNull(0, 1));
    EXPECT_THROW(result.fieldText("nothing"), DataError);
}

TEST_F(QueryTest, SettingAStatementClosesTheResult) {
    Query result(connection_);
    result.setStatement("select * from train_tmp");
    result.open();
    result.setStatement("select 1");
    EXPECT_FALSE(result.isOpen());
}

TEST_F(QueryTest, DeletingTheCurrentRecordRemovesExactlyOneStoredRow) {
    Query result(connection_);
    result.setStatement("select * from train_tmp order by s_tm");
    result.open();
    result.moveBy(1);
    result.deleteCurrent();

    EXPECT_EQ(result.recordCount(), 3);
    EXPECT_EQ(result.fieldText("id"), "K2");
    EXPECT_EQ(storedRows("id = 'K2'"), 1);
    EXPECT_EQ(storedRows("1"), 3);
}

TEST_F(QueryTest, AResultThatIsNotOneTableCannotDelete) {
    Query result(connection_);
    result.setStatement("select id, count(*) from train_tmp group by id");
    result.open();
    EXPECT_THROW(result.deleteCurrent(), DataError);
    EXPECT_EQ(result.recordCount(), 3);
    EXPECT_EQ(storedRows("1"), 4);
}

TEST_F(QueryTest, AnUncommittedTransactionLeavesTheTableAsItWas) {
    try {
        Transaction transaction(connection_);
        connection_.execute("delete from train_tmp");
        connection_.execute("insert into no_such_table values (1)");
        transaction.commit();
    } catch (const DataError&) {
    }
    EXPECT_EQ(storedRows("1"), 4);
}

TEST_F(QueryTest, AFailingStatementCarriesTheEngineMessageAndTheStatement) {
    Query query(connection_);
    query.setStatement("select * from nowhere");
    try {
        query.open();
        FAIL() << "expected an error";
    } catch (const DataError& error) {
        EXPECT_STREQ(error.what(), "no such table: nowhere");
        EXPECT_EQ(error.statement(), "select * from nowhere");
    }
}

} // namespace
} // namespace tessarin::data
