#include "fares/FareScale.h"

#include "FareTables.h"
#include "fares/FareError.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tessarin::fares {
namespace {

using testing::Rows;
using testing::sharedFareScale;

struct ChargedDistanceCase {
    const char* name;
    Rows bands;
    double travelDistance;
    double chargedDistance;
};

void PrintTo(const ChargedDistanceCase& c, std::ostream* out) { *out << c.name; }

class ChargedDistanceTest : public ::testing::TestWithParam<ChargedDistanceCase> {};

TEST_P(ChargedDistanceTest, TheFirstBandReachingBeyondTheDistanceGivesTheMiddleOfItsSection) {
    const ChargedDistanceCase& c = GetParam();
    FareScale scale(sharedFareScale(c.bands, {}), '.');
    EXPECT_EQ(scale.ChargedDistanceFor(c.travelDistance), c.chargedDistance);
}

const Rows twoBands{{"10", "100", "10", "9"}, {"120", "200", "20", "4"}};

INSTANTIATE_TEST_SUITE_P(
    Fares, ChargedDistanceTest,
    ::testing::Values(
        ChargedDistanceCase{"BelowTheFirstSectionEnd", twoBands, 3, 5},
        ChargedDistanceCase{"AtTheFirstSectionEnd", twoBands, 10, 5},
        ChargedDistanceCase{"ASectionEndBelongsToTheSectionBelow", twoBands, 20, 15},
        ChargedDistanceCase{"JustPastASectionEnd", twoBands, 20.5, 25},
        ChargedDistanceCase{"HalfKilometreInsideASection", twoBands, 99.5, 95},
        ChargedDistanceCase{"TheBandEndItselfGoesToTheNextBand", twoBands, 100, 110},
        ChargedDistanceCase{"NextBandPastItsFirstEnd", twoBands, 160.5, 170},
        ChargedDistanceCase{"BeyondEveryBand", twoBands, 200, 0},
        ChargedDistanceCase{"EmptyTable", {}, 50, 0},
        ChargedDistanceCase{"OddSectionLengthGivesAHalfKilometre", {{"10", "100", "5", "1"}}, 12, 12.5},
        ChargedDistanceCase{"ZeroLengthAtItsEnd", {{"10", "100", "0", "1"}}, 10, 10},
        ChargedDistanceCase{"ZeroLengthNeverAdvances", {{"10", "100", "0", "1"}}, 11, 0},
        ChargedDistanceCase{"NegativeLengthNeverAdvances", {{"10", "100", "-10", "1"}}, 11, 0},
        ChargedDistanceCase{"BandEndingBeforeItStartsHasNoSteps", {{"50", "40", "10", "1"}}, 5, 0},
        ChargedDistanceCase{"TheDecidingBandYieldingNothingIsFinal",
                            {{"10", "100", "0", "1"}, {"10", "200", "10", "1"}}, 50, 0},
        ChargedDistanceCase{"RowsAreTakenInStoredOrder", {{"120", "200", "20", "1"}, {"10", "100", "10", "1"}}, 50,
                            110},
        ChargedDistanceCase{"LaterRowsAreNotRead", {{"10", "100", "10", "9"}, {"x", "y", "z", "w"}}, 50, 45}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ChargedDistance, AVeryLongBandIsWorkedOutWithoutWalkingEverySection) {
    // Walking the 10^15 sections one by one would not end in any test run.
    FareScale scale(sharedFareScale({{"0", "9000000000000000000", "1", "1"}}, {}), '.');
    EXPECT_EQ(scale.ChargedDistanceFor(1e15 + 0.5), 1e15 + 0.5);
    EXPECT_EQ(scale.ChargedDistanceFor(8e18), 8e18 - 0.5);
}

struct BaseFareCase {
    const char* name;
    Rows zones;
    double travelDistance;
    double chargedDistance;
    std::optional<double> baseFare;
};

void PrintTo(const BaseFareCase& c, std::ostream* out) { *out << c.name; }

class BaseFareTest : public ::testing::TestWithParam<BaseFareCase> {};

TEST_P(BaseFareTest, KeyRowFareAddsTheZoneRateBeyondTheKey) {
    const BaseFareCase& c = GetParam();
    FareScale scale(sharedFareScale({}, c.zones), '.');
    EXPECT_EQ(scale.BaseFareFor(c.travelDistance, c.chargedDistance), c.baseFare);
}

// Zone 11-50 at 3 yuan a kilometre keys on the row ending at 10, which also
// serves as the zone below; the row ending at 200 is the short-journey key.
const Rows keyedZones{{"1", "10", "1", "40"}, {"11", "50", "3", "1000"}, {"0", "200", "2", "100"}};

INSTANTIATE_TEST_SUITE_P(
    Fares, BaseFareTest,
    ::testing::Values(
        BaseFareCase{"ShortJourneyUsesKey200AndNoOffset", keyedZones, 199.9, 20, 100 + 3 * 20},
        BaseFareCase{"JourneyOf200UsesTheZoneStartLessOne", keyedZones, 200, 20, 40 + 3 * (20 - 10)},
        BaseFareCase{"HalfKilometreChargedDistance", keyedZones, 300, 12.5, 40 + 3 * 2.5},
        BaseFareCase{"ChargedDistanceAtTheZoneEndGoesToTheNextZone", keyedZones, 300, 10, 40 + 3 * (10 - 10)},
        BaseFareCase{"FirstZoneByStoredOrder", {{"0", "200", "2", "100"}, {"11", "50", "3", "1000"}}, 150, 20,
                     100 + 2 * 20},
        BaseFareCase{"TheFirstRowCarryingTheKeySuppliesItsFare",
                     {{"11", "50", "3", "1000"}, {"1", "10", "1", "40"}, {"1", "10", "1", "99"}}, 300, 20, 70},
        BaseFareCase{"NoZoneBeyondTheChargedDistance", keyedZones, 300, 200, std::nullopt},
        BaseFareCase{"EmptyTable", {}, 100, 5, std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(BaseFare, AZoneKeyMatchingNoRowFailsOnTheEmptyAccumulatedFare) {
    FareScale scale(sharedFareScale({}, {{"1", "200", "0.05861", "0"}}), '.');
    try {
        scale.BaseFareFor(250, 195);
        FAIL() << "no error for the missing key row 0";
    } catch (const FareError& error) {
        EXPECT_STREQ(error.what(), "'' is not a valid floating point value");
    }
}

// Stored numbers are written with "."; a scale written with the user's
// separator reads as well.
class FareScaleSeparator : public ::testing::TestWithParam<char> {};

TEST_P(FareScaleSeparator, NumbersAndTheKeyTextReadWithAPointOrTheGivenSeparator) {
    const auto stored = [](std::string text) {
        std::replace(text.begin(), text.end(), '.', GetParam());
        return text;
    };
    FareScale scale(sharedFareScale({{"10", stored("50.5"), "5", "1"}, {"10", "100", "5", "1"}},
                                    {{stored("200.5"), "300", stored("0.5"), "0"},
                                     {"1", stored("199.5"), "0", stored("2.25")}}),
                    ',');
    EXPECT_EQ(scale.ChargedDistanceFor(99), 97.5);
    EXPECT_EQ(scale.BaseFareFor(250, 201.5), 2.25 + 0.5 * 2);
}

INSTANTIATE_TEST_SUITE_P(StoredWith, FareScaleSeparator, ::testing::Values('.', ','));

} // namespace
} // namespace tessarin::fares
