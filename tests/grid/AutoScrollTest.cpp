#include "grid/AutoScroll.h"

#include <gtest/gtest.h>

namespace tessarin::grid {
namespace {

// The data area from (0, 20), 200 wide and 100 high: its first row's top
// edge is y 20, the bottom below its last row y 120, the pixels just beside
// its columns x -1 and x 200.
const QRect area(0, 20, 200, 100);

struct StepCase {
    const char* name;
    QPoint pointer;
    AutoScrollStep expected;
};

class AutoScrollTable : public ::testing::TestWithParam<StepCase> {};

TEST_P(AutoScrollTable, StepsTowardsThePointerFasterTheFartherItIs) {
    EXPECT_EQ(autoScrollStep(area, GetParam().pointer), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Pointers, AutoScrollTable,
    ::testing::Values(StepCase{"inside", {50, 60}, {true, 0, 0, 0}},
                      StepCase{"justBelowTheTopEdge", {50, 21}, {true, 0, 0, 0}},
                      StepCase{"onTheLastRowsLine", {199, 119}, {true, 0, 0, 0}},
                      StepCase{"onTheTopEdge", {50, 20}, {false, 0, 0, 200}},
                      StepCase{"onTheBottomEdge", {50, 120}, {false, 0, 0, 200}},
                      StepCase{"fiveBelowMovesNothing", {50, 125}, {false, 0, 0, 125}},
                      StepCase{"sixBelowMovesOne", {50, 126}, {false, 1, 0, 110}},
                      StepCase{"twelveBelowMovesTwo", {50, 132}, {false, 2, 0, 20}},
                      StepCase{"fourteenBelowTicksAtOnce", {50, 134}, {false, 2, 0, 0}},
                      StepCase{"fortyEightBelowMovesEight", {50, 168}, {false, 8, 0, 0}},
                      StepCase{"farBelowStillEight", {50, 400}, {false, 8, 0, 0}},
                      StepCase{"twelveAboveMovesTwoBack", {50, 8}, {false, -2, 0, 20}},
                      StepCase{"leftScrollsAColumnLeft", {-13, 60}, {false, 0, -1, 20}},
                      StepCase{"rightScrollsAColumnRight", {212, 60}, {false, 0, 1, 20}},
                      StepCase{"belowAndRightTheLargerDistanceCounts", {212, 140}, {false, 3, 1, 0}},
                      StepCase{"slightlyBelowFarRight", {210, 125}, {false, 1, 1, 50}}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace tessarin::grid
