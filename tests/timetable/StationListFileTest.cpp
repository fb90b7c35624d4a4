// The station name list beside the data file: the province rows first, then
// the stations, holding every station a timetable query can return.

#include "BundledTimetable.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>

namespace tessarin::testing {
namespace {

std::vector<std::string> stationListRows() {
    std::ifstream in(binaryFolder() / "data" / "stations.txt");
    std::vector<std::string> rows;
    for (std::string line; std::getline(in, line);)
        rows.push_back(line);
    return rows;
}

// Characters of a UTF-8 text (lead bytes counted).
std::size_t characterCount(const std::string& text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(),
                                                  [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

TEST(StationListFile, StartsWithTheTwentyNineProvincesInTheirOrder) {
    const std::vector<std::string> provinces{"北京", "上海", "天津",   "重庆", "广东", "四川", "湖南", "湖北",
                                             "浙江", "福建", "河南",   "河北", "安徽", "山东", "山西", "黑龙江",
                                             "吉林", "辽宁", "江西",   "陕西", "云南", "甘肃", "广西", "贵州",
                                             "江苏", "内蒙古", "宁夏", "青海", "新疆"};
    const std::vector<std::string> rows = stationListRows();
    ASSERT_GE(rows.size(), provinces.size());
    EXPECT_EQ(std::vector<std::string>(rows.begin(), rows.begin() + 29), provinces);
}

TEST(StationListFile, HoldsAThousandShortNamesAndEveryStationOfTheTimetable) {
    const std::vector<std::string> rows = stationListRows();
    EXPECT_GE(rows.size(), 1000u);
    for (const std::string& name : rows) {
        const std::size_t length = characterCount(name);
        EXPECT_TRUE(length >= 1 && length <= 5) << "'" << name << "'";
    }
    const std::set<std::string> listed(rows.begin(), rows.end());
    std::set<std::string> missing;
    for (const TrainRow& row : bundledRows()) {
        if (!listed.contains(row[2]))
            missing.insert(row[2]);
    }
    EXPECT_EQ(missing, std::set<std::string>{});
}

} // namespace
} // namespace tessarin::testing
