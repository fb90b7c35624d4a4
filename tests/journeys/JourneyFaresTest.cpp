#include "fares/ComputeFareTexts.h"
#include "fares/FareError.h"
#include "fares/FareTables.h"
#include "journeys/JourneyFares.h"

#include <gtest/gtest.h>

namespace tessarin::journeys {
namespace {

JourneyLeg leg(const std::string& train, const std::string& type, const std::string& distance,
               std::array<std::string, 4> classes) {
    JourneyLeg made;
    made.trainId = train;
    made.type = type;
    made.distanceText = distance;
    made.classes = std::move(classes);
    return made;
}

// A 快速 leg priced from the base fare 11.5 (hard seat 17, soft seat 33.2),
// then a 动车组 leg of 100 km without soft sleepers (hard seat 31, soft seat 37).
Journey twoLegs() {
    Journey journey;
    journey.legs = {leg("K1", "快速", "100", {"1", "1", "1", "1"}), leg("D2", "动车组", "100", {"1", "1", "1", "0"})};
    return journey;
}

class JourneyFaresTest : public ::testing::Test {
protected:
    data::Connection& connection = fares::testing::sharedFareScale({}, fares::testing::zonesGivingBaseFare("11.5"));
};

TEST_F(JourneyFaresTest, EachLegIsPricedAsItsOwnTrainAndTheClassesAddUp) {
    const Journey journey = twoLegs();
    const JourneyFares found = ComputeJourneyFares(connection, journey, '.');
    ASSERT_EQ(found.legs.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        const JourneyLeg& each = journey.legs[i];
        const fares::FareTexts alone = fares::ComputeFareTexts(
            connection, {each.type, each.distanceText, each.classes[0], each.classes[1], each.classes[2], each.classes[3]},
            '.');
        EXPECT_EQ(found.legs[i].inOrder(), alone.inOrder()) << i;
    }
    EXPECT_EQ(found.legs[0].hardSeat, "17");
    EXPECT_EQ(found.legs[0].softSeat, "33.2");
    EXPECT_EQ(found.legs[1].softSleeperUpper, "--");
    EXPECT_EQ(found.total.hardSeat, "48");
    EXPECT_EQ(found.total.softSeat, "70.2");
    EXPECT_EQ(found.total.softSleeperUpper, "--") << "the second leg has no soft sleeper";
    EXPECT_EQ(found.total.softSleeperLower, "--");
    EXPECT_NE(found.total.hardSleeperMiddle, "--");
}

TEST_F(JourneyFaresTest, TotalsUseTheGivenDecimalSeparator) {
    data::Connection& commaScale = fares::testing::sharedFareScale({}, fares::testing::zonesGivingBaseFare("11,5"));
    const JourneyFares found = ComputeJourneyFares(commaScale, twoLegs(), ',');
    EXPECT_EQ(found.legs[0].softSeat, "33,2");
    EXPECT_EQ(found.total.softSeat, "70,2");
}

TEST_F(JourneyFaresTest, AJourneyOfOneLegCostsWhatItsTrainCosts) {
    Journey direct;
    direct.legs = {leg("D2", "动车组", "200", {"1", "0", "1", "1"})};
    const JourneyFares found = ComputeJourneyFares(connection, direct, '.');
    EXPECT_EQ(found.total.inOrder(), found.legs[0].inOrder());
    EXPECT_EQ(found.total.hardSeat, "62");
    EXPECT_EQ(found.total.softSeat, "--");
}

TEST_F(JourneyFaresTest, ALegWhoseDistanceDoesNotConvertFailsTheWholeJourney) {
    Journey journey = twoLegs();
    journey.legs[1].distanceText = "x";
    EXPECT_THROW(ComputeJourneyFares(connection, journey, '.'), fares::FareError);
}

} // namespace
} // namespace tessarin::journeys
