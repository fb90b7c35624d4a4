#include "fares/FareArithmetic.h"
#include "fares/FareError.h"
#include "fares/MultipleUnitFares.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace tessarin::fares {
namespace {

struct WholeYuanCase {
    Extended value;
    Extended truncated;
    Extended rounded;
    Extended above;
};

class WholeYuanTest : public ::testing::TestWithParam<WholeYuanCase> {};

TEST_P(WholeYuanTest, TruncRoundsTowardZeroRHalfUpAndUToTheYuanAbove) {
    const WholeYuanCase& c = GetParam();
    EXPECT_EQ(Trunc(c.value), c.truncated);
    EXPECT_EQ(R(c.value), c.rounded);
    EXPECT_EQ(U(c.value), c.above);
}

INSTANTIATE_TEST_SUITE_P(Fares, WholeYuanTest,
                         ::testing::Values(WholeYuanCase{2.5L, 2, 3, 3},        // a half rounds up
                                           WholeYuanCase{3, 3, 3, 4},           // a whole value gains one under U
                                           WholeYuanCase{14.4L, 14, 14, 15},    //
                                           WholeYuanCase{-0.7L, 0, 0, 0},       // toward zero below zero
                                           WholeYuanCase{-2.5L, -2, -2, -1}));  //

TEST(FareArithmetic, ValuesOutsideThe64BitRangeFailInsteadOfTruncatingToNonsense) {
    EXPECT_EQ(Trunc(-0x1p63L), -0x1p63L);
    EXPECT_EQ(Trunc(0x1p63L - 0.5L), 0x1p63L - 1);
    for (const Extended outside : {0x1p63L, -0x1p63L - 1, std::numeric_limits<Extended>::infinity(),
                                   std::numeric_limits<Extended>::quiet_NaN()}) {
        try {
            Trunc(outside);
            ADD_FAILURE() << "no error for " << static_cast<double>(outside);
        } catch (const FareError& error) {
            EXPECT_STREQ(error.what(), "Invalid floating point operation");
        }
    }
}

TEST(FareArithmetic, KeepingAValueAsADoubleRoundsItAndFailsWhenItIsTooLarge) {
    EXPECT_EQ(storedAsDouble(1.4L), 1.4);
    EXPECT_NE(storedAsDouble(1.4L), 1.4L);
    EXPECT_TRUE(std::isinf(storedAsDouble(std::numeric_limits<Extended>::infinity())));
    EXPECT_THROW(storedAsDouble(1e400L), FareError);
}

TEST(FareArithmetic, TheMultipleUnitSoftSeatRateIsOneUnitAboveTheNearestExtendedValue) {
    EXPECT_EQ(multipleUnitSoftSeatRate, std::nextafter(0.3714322L, 1.0L));
}

} // namespace
} // namespace tessarin::fares
