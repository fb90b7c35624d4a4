#include "stationinput/StationFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tessarin::stationinput {
namespace {

using Names = std::vector<std::string>;

// Shaped like the bundled list: province rows first, a province name repeated
// as a station, prefix-sharing names, level-2 characters.
const Names fixtureNames = {"北京",   "上海",   "天津",   "湖北",   "通县",   "八达岭", "北京北",
                            "北京东", "北京南", "北京市", "北京西", "北宅",   "上海",   "上海南",
                            "巡场",   "綦江",   "綦江北", "天津西"};

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

TEST_P(Suggestions, FollowTheInitialsInListOrder) {
    EXPECT_EQ(stationSuggestions(fixtureList(), GetParam().typed), GetParam().offered);
}

INSTANTIATE_TEST_SUITE_P(
    LettersAndWildcards, Suggestions,
    ::testing::Values(FilterCase{"bj", beijingNames}, FilterCase{"BJ", beijingNames}, FilterCase{"bJ", beijingNames},
                      FilterCase{"bjx", {"北京西"}},
                      FilterCase{"bj?", beijingNames},  // 北京 too: "?" matches past the end
                      FilterCase{"sh", {"上海", "上海", "上海南"}},
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
                      FilterCase{"qj", {}},                       // 綦 has no initial
                      FilterCase{std::string(1, '\0'), {}}));     // nor does a typed NUL match one

TEST(MatchStations, FillsTheTargetOfEachBox) {
    Names dat, dat2, dat3;
    MatchStations(fixtureList(), "bjx", [&dat](const std::string& name) { dat.push_back(name); });
    MatchStations2(fixtureList(), "xc", [&dat2](const std::string& name) { dat2.push_back(name); });
    MatchStations3(fixtureList(), "sh", [&dat3](const std::string& name) { dat3.push_back(name); });
    EXPECT_EQ(dat, Names{"北京西"});
    EXPECT_EQ(dat2, Names{"巡场"});
    EXPECT_EQ(dat3, (Names{"上海", "上海", "上海南"}));
}

} // namespace
} // namespace tessarin::stationinput
