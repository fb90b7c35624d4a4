// The station name list beside the data file: the province rows, the station
// groups of each province in pinyin order, the tail of later additions, and
// every station a timetable query can return.

#include "BundledTimetable.h"
#include "data/GbkCode.h"
#include "data/Utf8Characters.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <map>
#include <set>

namespace tessarin::testing {
namespace {

using Names = std::vector<std::string>;

constexpr std::size_t provinceRows = 29;
constexpr std::size_t tailRows = 128;

const Names& stationListRows() {
    static const Names rows = [] {
        std::ifstream in(binaryFolder() / "data" / "stations.txt");
        Names read;
        for (std::string line; std::getline(in, line);)
            read.push_back(line);
        return read;
    }();
    return rows;
}

// The GBK codes of a name's characters, which compare in pinyin order for the
// common characters.
std::vector<unsigned> gbkCodes(std::string_view name) {
    std::vector<unsigned> codes;
    while (!name.empty()) {
        const std::string_view character = data::firstCharacter(name);
        codes.push_back(data::gbkCode(character).value_or(0));
        name.remove_prefix(character.size());
    }
    return codes;
}

// The station groups between the 北京 group's first row and the tail, cut
// wherever the GBK order falls.
std::vector<Names> provinceGroups() {
    const Names& rows = stationListRows();
    std::vector<Names> groups;
    for (std::size_t i = provinceRows + 1; i + tailRows < rows.size(); ++i) {
        if (groups.empty() || gbkCodes(rows[i]) < gbkCodes(groups.back().back()))
            groups.push_back({});
        groups.back().push_back(rows[i]);
    }
    return groups;
}

TEST(StationListFile, StartsWithTheTwentyNineProvincesInTheirOrder) {
    const Names provinces{"北京", "上海", "天津",   "重庆", "广东", "四川", "湖南", "湖北",
                          "浙江", "福建", "河南",   "河北", "安徽", "山东", "山西", "黑龙江",
                          "吉林", "辽宁", "江西",   "陕西", "云南", "甘肃", "广西", "贵州",
                          "江苏", "内蒙古", "宁夏", "青海", "新疆"};
    const Names& rows = stationListRows();
    ASSERT_GE(rows.size(), provinces.size());
    EXPECT_EQ(Names(rows.begin(), rows.begin() + provinceRows), provinces);
}

TEST(StationListFile, GroupsFollowTheProvincesEachInPinyinOrder) {
    const Names& rows = stationListRows();
    ASSERT_GT(rows.size(), provinceRows + tailRows + 10);
    EXPECT_EQ(Names(rows.begin() + provinceRows, rows.begin() + provinceRows + 10),
              (Names{"通县", "八达岭", "北京北", "北京东", "北京南", "北京市", "北京西", "北宅", "兵马营", "昌平"}));

    // One principal station of each province, in the province rows' order.
    const Names principal{"北京西", "上海南", "天津西", "重庆北", "广州",   "成都",   "长沙",     "武昌",
                          "杭州",   "福州",   "郑州",   "石家庄", "合肥",   "济南",   "太原",     "哈尔滨",
                          "长春",   "沈阳",   "南昌",   "西安",   "昆明",   "兰州",   "南宁",     "贵阳",
                          "南京",   "呼和浩特", "银川", "西宁",   "乌鲁木齐"};
    const std::vector<Names> groups = provinceGroups();
    ASSERT_EQ(groups.size(), principal.size());
    for (std::size_t i = 0; i < groups.size(); ++i)
        EXPECT_NE(std::find(groups[i].begin(), groups[i].end(), principal[i]), groups[i].end())
            << rows[i] << " group lacks " << principal[i];
    EXPECT_EQ(groups[1].front(), "安亭");
    EXPECT_EQ(groups[1].back(), "松江");
    EXPECT_EQ(groups[3].back(), "綦江北");  // level-2 characters sort after the rest
}

TEST(StationListFile, EndsWithATailOfLaterAdditions) {
    const Names& rows = stationListRows();
    ASSERT_GT(rows.size(), tailRows);
    const auto tail = rows.end() - tailRows;
    EXPECT_EQ(Names(tail, tail + 4), (Names{"居庸关", "沙坪坝", "郓城", "隆化"}));
}

TEST(StationListFile, ThirtyEightNamesOccurTwice) {
    std::map<std::string, int> count;
    for (const std::string& name : stationListRows())
        ++count[name];
    std::set<std::string> twice;
    for (const auto& [name, n] : count) {
        EXPECT_LE(n, 2) << name;
        if (n == 2)
            twice.insert(name);
    }
    EXPECT_EQ(twice.size(), 38u);
    for (const char* name : {"上海", "天津", "重庆", "湖北", "吉林", "通县", "芦台", "居庸关"})
        EXPECT_TRUE(twice.contains(name)) << name;
    EXPECT_FALSE(twice.contains("北京"));
}

TEST(StationListFile, HoldsShortNamesAndEveryStationOfTheTimetable) {
    const Names& rows = stationListRows();
    EXPECT_GE(rows.size(), 1600u);
    for (const std::string& name : rows) {
        const std::vector<unsigned> codes = gbkCodes(name);
        EXPECT_TRUE(codes.size() >= 1 && codes.size() <= 5) << "'" << name << "'";
        EXPECT_TRUE(std::all_of(codes.begin(), codes.end(), [](unsigned code) { return code >= 0xA1A1; }))
            << "'" << name << "' is not two-byte GBK text";
    }
    // The tail aside: 北京's province row stands for the station.
    const std::set<std::string> listed(rows.begin(), rows.end() - tailRows);
    std::set<std::string> missing;
    for (const TrainRow& row : bundledRows()) {
        if (!listed.contains(row[2]))
            missing.insert(row[2]);
    }
    EXPECT_EQ(missing, std::set<std::string>{});
}

} // namespace
} // namespace tessarin::testing
