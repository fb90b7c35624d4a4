#include "data/LatinCase.h"
#include "stationinput/PinyinInitial.h"
#include "stationinput/StationFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessarin::stationinput {
namespace {

using Names = std::vector<std::string>;

// Shaped like the bundled list: province rows first, a province name repeated
// as a station, prefix-sharing names, polyphones (重, 长, 六), level-2
// characters (圳, 莞, 衢, 漯, 綦) and ü (吕).
const Names fixtureNames = {"北京",   "上海",   "天津",   "重庆",   "湖北",   "通县",   "八达岭",
                            "北京北", "北京东", "北京南", "北京市", "北京西", "北宅",   "上海",
                            "上海南", "深圳",   "东莞东", "衢州",   "漯河",   "长沙",   "六安",
                            "吕梁",   "巡场",   "綦江",   "綦江北", "天津西"};

const StationList& fixtureList() {
    static const StationList list(fixtureNames);
    return list;
}

const Names beijingNames = {"北京", "北京北", "北京东", "北京南", "北京市", "北京西"};

struct FilterCase {
    std::string typed;
    Names offered;
};

void PrintTo(const FilterCase& c, std::ostream* out) { *out << '"' << c.typed << '"'; }

class Suggestions : public ::testing::TestWithParam<FilterCase> {};

TEST_P(Suggestions, FollowTheReadingsInListOrder) {
    EXPECT_EQ(stationSuggestions(fixtureList(), GetParam().typed), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(
    InitialsOfAnyReading, Suggestions,
    ::testing::Values(FilterCase{"sz", {"深圳"}}, FilterCase{"dg", {"东莞东"}}, FilterCase{"dgd", {"东莞东"}},
                      FilterCase{"qz", {"衢州"}}, FilterCase{"lh", {"漯河"}},
                      FilterCase{"cq", {"重庆"}}, FilterCase{"zq", {"重庆"}}, FilterCase{"ZQ", {"重庆"}},
                      FilterCase{"cs", {"长沙"}}, FilterCase{"zs", {"长沙"}},
                      FilterCase{"la", {"六安"}}, FilterCase{"ll", {"吕梁"}},
                      FilterCase{"qj", {"綦江", "綦江北"}}, FilterCase{"qjb", {"綦江北"}}));

INSTANTIATE_TEST_SUITE_P(
    FullPinyinAndItsPrefixes, Suggestions,
    ::testing::Values(FilterCase{"bei", {"北京", "北京北", "北京东", "北京南", "北京市", "北京西", "北宅"}},
                      FilterCase{"beij", beijingNames}, FilterCase{"beijing", beijingNames},
                      FilterCase{"beijingx", {"北京西"}}, FilterCase{"beijingxi", {"北京西"}},
                      FilterCase{"BeiJingXi", {"北京西"}}, FilterCase{"shenzhen", {"深圳"}},
                      FilterCase{"chongqing", {"重庆"}}, FilterCase{"zhongqing", {"重庆"}},
                      FilterCase{"changsha", {"长沙"}}, FilterCase{"luan", {"六安"}},
                      FilterCase{"lu", {"漯河", "六安", "吕梁"}},  // luò, lù, and lǚ typed with u
                      FilterCase{"lv", {"吕梁"}}, FilterCase{"lvliang", {"吕梁"}},
                      FilterCase{"luliang", {"吕梁"}}, FilterCase{"LULIANG", {"吕梁"}},
                      FilterCase{"dongguandong", {"东莞东"}}, FilterCase{"quzhou", {"衢州"}},
                      FilterCase{"luohe", {"漯河"}}, FilterCase{"qijiangb", {"綦江北"}}));

INSTANTIATE_TEST_SUITE_P(
    LettersAndWildcards, Suggestions,
    ::testing::Values(FilterCase{"bj", beijingNames}, FilterCase{"BJ", beijingNames}, FilterCase{"bJ", beijingNames},
                      FilterCase{"bjx", {"北京西"}},
                      FilterCase{"bj?", beijingNames},  // 北京 too: "?" matches past the end
                      // 深圳 by shēn, 巡场 by a rare reading of 巡 (shùn)
                      FilterCase{"sh", {"上海", "上海", "上海南", "深圳", "巡场"}},
                      FilterCase{"xc", {"巡场"}},
                      FilterCase{"?j", {"北京", "天津", "北京北", "北京东", "北京南", "北京市", "北京西", "綦江",
                                        "綦江北", "天津西"}},
                      FilterCase{"??b", {"北京北", "綦江北"}},
                      FilterCase{"?", fixtureNames}, FilterCase{"??????", fixtureNames},
                      FilterCase{"", fixtureNames}));

INSTANTIATE_TEST_SUITE_P(
    OfferNothing, Suggestions,
    ::testing::Values(FilterCase{"1", {}}, FilterCase{"b1", {}}, FilterCase{"bj ", {}}, FilterCase{"b-", {}},
                      FilterCase{"北", {}}, FilterCase{"?北", {}}, FilterCase{"bjxx", {}},
                      FilterCase{"beijingxix", {}},        // longer than the name's spelling
                      FilterCase{"bei?", {}},              // "?" stands for a character, never for letters
                      FilterCase{"bei jing", {}}, FilterCase{"ü", {}},
                      FilterCase{std::string(1, '\0'), {}}));

TEST(MatchStations, FillsTheTargetOfEachBox) {
    Names dat, dat2, dat3;
    MatchStations(fixtureList(), "bjx", [&dat](const std::string& name) { dat.push_back(name); });
    MatchStations2(fixtureList(), "xc", [&dat2](const std::string& name) { dat2.push_back(name); });
    MatchStations3(fixtureList(), "shang", [&dat3](const std::string& name) { dat3.push_back(name); });
    EXPECT_EQ(dat, Names{"北京西"});
    EXPECT_EQ(dat2, Names{"巡场"});
    EXPECT_EQ(dat3, (Names{"上海", "上海", "上海南"}));
}

// The filter over the letters of GetPinyinInitial alone, position by position.
bool offeredByGbkInitials(const std::string& initials, std::string_view typed) {
    for (std::size_t i = 0; i < typed.size(); ++i) {
        if (typed[i] != '?' && (i >= initials.size() || initials[i] == 0 || data::foldLatin(typed[i]) != initials[i]))
            return false;
    }
    return true;
}

// Every name that the letters of GetPinyinInitial offer is still offered, in
// list order with its repeats: the readings only add names. Over every text
// of two letters, a letter and "?", and the initials of every bundled name.
TEST(MatchStations, OffersEveryNameTheGbkInitialsOffer) {
    const StationList list(readStationNames(defaultStationListFile()));
    std::vector<std::string> initials;
    std::vector<std::string> typedTexts;
    for (const std::string& name : list.names()) {
        initials.push_back(pinyinInitials(name));
        typedTexts.push_back(initials.back());
    }
    for (char first = 'a'; first <= 'z'; ++first) {
        typedTexts.push_back({first, '?'});
        for (char second = 'a'; second <= 'z'; ++second)
            typedTexts.push_back({first, second});
    }
    for (const std::string& typed : typedTexts) {
        const Names offered = stationSuggestions(list, typed);
        auto next = offered.begin();
        for (std::size_t row = 0; row < list.size(); ++row) {
            if (!offeredByGbkInitials(initials[row], typed))
                continue;
            next = std::find(next, offered.end(), list.name(row));
            ASSERT_NE(next, offered.end()) << "'" << typed << "' lost " << list.name(row) << " of row " << row;
            ++next;
        }
    }
}

} // namespace
} // namespace tessarin::stationinput
