#include "data/DataError.h"
#include "stationinput/TimetableStations.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

namespace tessarin::stationinput {
namespace {

using Names = std::vector<std::string>;

void addStations(testing::TemporaryTimetable& timetable, const Names& stations) {
    std::vector<std::vector<std::string>> rows;
    for (std::size_t i = 0; i < stations.size(); ++i)
        rows.push_back({"K" + std::to_string(i), "快速", stations[i], "1", "1", "-", "08:00", "0", "1", "1", "1", "1"});
    timetable.addStops(rows);
}

TEST(TimetableStations, FollowTheListOnceEachInPinyinOrder) {
    testing::TemporaryTimetable timetable;
    addStations(timetable, {"上海", "郑州", "綦江", "安阳", "北京", "郑州", "ABC线路所", "", "Z站"});
    Names names{"北京", "上海", "abc线路所", "北京"};
    appendTimetableStations(names, timetable.connect());
    // ASCII before level 1 (安 B0B2, 郑 D6A3) before level 2 (綦 F4EB); a
    // listed name in another case is listed already.
    EXPECT_EQ(names, (Names{"北京", "上海", "abc线路所", "北京", "Z站", "安阳", "郑州", "綦江"}));
}

TEST(TimetableStations, AnUnreadableTimetableLeavesTheNamesAsTheyWere) {
    testing::TemporaryTimetable timetable;
    data::Connection connection = timetable.connect();
    connection.execute("drop table train");
    Names names{"北京", "上海"};
    EXPECT_THROW(appendTimetableStations(names, connection), data::DataError);
    EXPECT_EQ(names, (Names{"北京", "上海"}));
}

} // namespace
} // namespace tessarin::stationinput
