#include "data/DataError.h"
#include "data/DataSet.h"
#include "data/DataSource.h"
#include "data/RowsDataSet.h"

#include <gtest/gtest.h>

#include <functional>

namespace tessarin::data {
namespace {

class EventLog : public DataSetObserver {
public:
    void dataSetEvent(DataSetEvent event) override { events.push_back(event); }
    std::vector<DataSetEvent> events;
};

std::vector<std::string> column(const DataSet& dataSet, int field) {
    std::vector<std::string> values;
    for (int record = 0; record < dataSet.recordCount(); ++record)
        values.push_back(dataSet.isNull(record, field) ? "<null>" : dataSet.text(record, field));
    return values;
}

class DataSetTest : public ::testing::Test {
protected:
    void SetUp() override {
        dataSet.open({"id", "s_tm"}, {{"K7", "8:05"}, {"d31", "12:00"}, {"T1", std::nullopt}, {"k51", "07:30"}});
    }
    RowsDataSet dataSet;
};

TEST_F(DataSetTest, MovesStopAtTheEndsAndSetTheMarks) {
    EXPECT_EQ(dataSet.recNo(), 1);
    EXPECT_TRUE(dataSet.bof());
    EXPECT_EQ(dataSet.moveBy(10), 3);
    EXPECT_EQ(dataSet.recNo(), 4);
    EXPECT_TRUE(dataSet.eof());
    dataSet.next();
    EXPECT_EQ(dataSet.recNo(), 4);
    EXPECT_EQ(dataSet.moveBy(-2), -2);
    EXPECT_FALSE(dataSet.bof());
    EXPECT_FALSE(dataSet.eof());
    EXPECT_EQ(dataSet.moveBy(-5), -1);
    EXPECT_TRUE(dataSet.bof());
    dataSet.last();
    EXPECT_EQ(dataSet.fieldText("ID"), "k51");
}

TEST_F(DataSetTest, SortReordersInPlaceIgnoringLatinCaseWithNullFirst) {
    dataSet.setSort("id ASC");
    EXPECT_EQ(column(dataSet, 0), (std::vector<std::string>{"d31", "k51", "K7", "T1"}));
    EXPECT_EQ(dataSet.sort(), "id ASC");
    EXPECT_EQ(dataSet.recNo(), 1);

    dataSet.setSort("s_tm DESC");
    EXPECT_EQ(column(dataSet, 1), (std::vector<std::string>{"8:05", "12:00", "07:30", "<null>"}));
    EXPECT_EQ(dataSet.sort(), "s_tm DESC");
}

TEST(DataSetSortTest, ChineseTextSortsAsItsGbkCodesLatinLettersWithoutRegardToCase) {
    RowsDataSet dataSet;
    dataSet.open({"s_station"}, {{"上海"}, {"北京西"}, {"郑州"}, {"b站"}, {"北京"}, {"A站"}, {"长沙"}});
    dataSet.setSort("s_station ASC");
    // Pinyin order for the common characters: bei, chang, shang, zheng.
    EXPECT_EQ(column(dataSet, 0), (std::vector<std::string>{"A站", "b站", "北京", "北京西", "长沙", "上海", "郑州"}));
    dataSet.setSort("s_station DESC");
    EXPECT_EQ(column(dataSet, 0), (std::vector<std::string>{"郑州", "上海", "长沙", "北京西", "北京", "b站", "A站"}));
}

TEST_F(DataSetTest, SortByAnUnknownFieldIsAnErrorAndChangesNothing) {
    EXPECT_THROW(dataSet.setSort("price ASC"), DataError);
    EXPECT_EQ(dataSet.sort(), "");
    EXPECT_EQ(column(dataSet, 0), (std::vector<std::string>{"K7", "d31", "T1", "k51"}));
}

TEST_F(DataSetTest, DeletingMovesToTheNextRecordOrThePreviousAtTheEnd) {
    dataSet.moveBy(1);
    dataSet.deleteCurrent();
    EXPECT_EQ(dataSet.fieldText("id"), "T1");
    dataSet.last();
    dataSet.deleteCurrent();
    EXPECT_EQ(dataSet.fieldText("id"), "T1");
    EXPECT_EQ(dataSet.recordCount(), 2);
}

TEST(ClosedDataSetTest, EveryOperationButCloseIsAnError) {
    RowsDataSet closed;
    const std::string message = "Cannot perform this operation on a closed dataset";
    const std::vector<std::function<void()>> operations{
        [&] { closed.recordCount(); }, [&] { closed.moveBy(1); },      [&] { closed.next(); },
        [&] { closed.setSort("id ASC"); }, [&] { closed.sort(); },       [&] { closed.fieldText("id"); },
        [&] { closed.deleteCurrent(); },   [&] { closed.recNo(); }};
    for (const auto& operation : operations) {
        try {
            operation();
            ADD_FAILURE() << "expected an error";
        } catch (const DataError& error) {
            EXPECT_EQ(error.what(), message);
        }
    }
    EXPECT_NO_THROW(closed.close());
}

TEST(DataSourceTest, PassesOnTheEventsOfItsDataSetAndLetsGoWhenItIsDestroyed) {
    EventLog log;
    DataSource source;
    source.addObserver(&log);
    {
        RowsDataSet dataSet;
        source.setDataSet(&dataSet);
        dataSet.open({"id"}, {{"K1"}, {"K2"}});
        dataSet.next();
        dataSet.setSort("id DESC");
        dataSet.close();
        EXPECT_TRUE(source.dataSet() == &dataSet);
    }
    EXPECT_EQ(source.dataSet(), nullptr);
    EXPECT_EQ(log.events, (std::vector<DataSetEvent>{DataSetEvent::Closed, DataSetEvent::Opened,
                                                     DataSetEvent::Scrolled, DataSetEvent::DataChanged,
                                                     DataSetEvent::Closed, DataSetEvent::Closed}));
}

} // namespace
} // namespace tessarin::data
