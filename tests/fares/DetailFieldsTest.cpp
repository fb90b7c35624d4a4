#include "fares/DetailFields.h"

#include "FareTables.h"
#include "data/Connection.h"
#include "data/Query.h"
#include "fares/FareError.h"

#include <gtest/gtest.h>

namespace tessarin::fares {
namespace {

class DetailFieldsTest : public ::testing::Test {
protected:
    void SetUp() override { connection_.execute("delete from train_tmp"); }

    // train_tmp rows: id, type, s_station, e_station, distance, during_tm, during_day, p1 ... p4.
    void addResultRows(const testing::Rows& rows) {
        for (const auto& row : rows)
            connection_.execute("insert into train_tmp(id,type,s_station,e_station,distance,during_tm,during_day,"
                                "p1,p2,p3,p4) values(?,?,?,?,?,?,?,?,?,?,?)",
                                row);
    }

    DetailFields fieldsFor(const std::string& trainId) {
        data::Query detailRow(connection_);
        return DetailFieldsFor(connection_, ReadDetailRow(detailRow, trainId), '.');
    }

    data::Connection& connection_ = testing::sharedFareScale({}, testing::zonesGivingBaseFare("11.5"));
};

TEST_F(DetailFieldsTest, TwelveFieldsInScreenOrderFromTheFirstRowOfTheTrain) {
    addResultRows({{"K7322", "普快", "北京", "天津", "150", "1:30", "0", "1", "1", "0", "1"},
                   {"K7322", "快速", "天津", "唐山", "120", "1:10", "0", "1", "1", "1", "1"}});
    const DetailFields fields = fieldsFor("k7322");

    const std::array<std::array<std::string, 4>, 12> expected{{
        {"lbl1", "发站：", "edt1", "北京"},
        {"lbl2", "到站：", "edt2", "天津"},
        {"lbl10", "里程：", "edt12", "150"},
        {"lbl4", "硬座：", "edt9", "15"},
        {"lbl8", "软座：", "edt3", "28.6"},
        {"lbl11", "历时：", "edt11", "1:30"},
        {"lbl7", "软卧上：", "edt4", "61.6"},
        {"lbl3", "软卧下：", "edt8", "63.6"},
        {"lbl12", "天数：", "edt10", "0"},
        {"lbl5", "硬卧上：", "edt5", "--"},
        {"lbl6", "硬卧中：", "edt6", "--"},
        {"lbl9", "硬卧下：", "edt7", "--"},
    }};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(expected[i][1]);
        EXPECT_EQ(fields[i].labelName, expected[i][0]);
        EXPECT_EQ(fields[i].caption, expected[i][1]);
        EXPECT_EQ(fields[i].fieldName, expected[i][2]);
        EXPECT_EQ(fields[i].value, expected[i][3]);
    }
}

TEST_F(DetailFieldsTest, ATrainWithoutAResultRowFailsOnItsEmptyDistance) {
    addResultRows({{"K1", "普快", "北京", "天津", "150", "1:30", "0", "1", "1", "1", "1"}});
    data::Query detailRow(connection_);
    const DetailRow row = ReadDetailRow(detailRow, "T9");
    EXPECT_EQ(row.sStation, "");
    EXPECT_EQ(row.fareInputs.type, "");
    try {
        DetailFieldsFor(connection_, row, '.');
        FAIL() << "no error for a missing detail row";
    } catch (const FareError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid floating point value");
    }
}

TEST_F(DetailFieldsTest, AQuoteInTheTrainNumberIsAnOrdinaryCharacter) {
    addResultRows({{"K1' or ''='", "动车组", "北京", "天津", "100", "0:40", "0", "1", "0", "0", "0"},
                   {"K2", "动车组", "上海", "南京", "300", "1:10", "0", "1", "1", "1", "1"}});
    const DetailFields fields = fieldsFor("K1' or ''='");
    EXPECT_EQ(fields[0].value, "北京");
    EXPECT_EQ(fields[3].value, "31");
    EXPECT_EQ(fields[4].value, "--");
}

} // namespace
} // namespace tessarin::fares
