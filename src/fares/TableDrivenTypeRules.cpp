#include "TableDrivenTypeRules.h"

namespace tessarin::fares {
namespace {

// Shared terms of the tariff.

// The express supplement R(0.2 × b).
Extended expressSupplement(Extended b) { return R(0.2L * b); }

// One yuan more for a journey of 1000 km or longer.
Extended withLongJourneyExtra(Extended fare, Extended d) { return d >= 1000 ? fare + 1 : fare; }

// Hard-sleeper berth terms R(1.1 × b), R(1.2 × b), R(1.3 × b).
std::array<Extended, 3> plainBerthTerms(Extended b) { return {R(1.1L * b), R(1.2L * b), R(1.3L * b)}; }

// The soft-seat step of the 20 and 40 per cent rules, not rounded.
Extended softSeatPercentStep(Extended percent, Extended W0) { return percent * W0 + W0 + 1; }

Extended softSeatPlusOne(Extended W0) { return W0 + 1; }

// "普慢": ordinary slow train.

Extended ordinarySlowHardSeat(const BaseFare& fare, Extended d) { return withLongJourneyExtra(fare.F + 1, d); }

Extended ordinarySlowSoftSeatBase(const BaseFare& fare) {
    return Trunc(Trunc(0.2L * fare.b + 0.05L) + 2 * fare.b + 0.5L);
}

std::array<Extended, 2> ordinarySlowSoftSleeper(Extended b, Extended W) {
    return {R(1.75L * b) + W + 1, R(1.95L * b) + W + 1};
}

// "普快": ordinary fast train.

Extended ordinaryFastHardSeat(const BaseFare& fare, Extended d) {
    return withLongJourneyExtra(expressSupplement(fare.b) + fare.F + 1, d);
}

// The same form as the slow train's, with 0.02 where it has 0.2.
Extended ordinaryFastSoftSeatBase(const BaseFare& fare) {
    return Trunc(Trunc(0.02L * fare.b + 0.05L) + 2 * fare.b + 0.5L);
}

Extended ordinaryFastSoftSeat(Extended W0) { return softSeatPercentStep(0.2L, W0); }

// Shared by "普快" and "快速": the whole-number terms are summed before W.
std::array<Extended, 2> fastSoftSleeper(Extended b, Extended W) {
    return {R(1.75L * b) + expressSupplement(b) + W + 1 + 10, R(1.95L * b) + expressSupplement(b) + W + 1 + 10};
}

// "快速": express train.

Extended expressHardSeat(const BaseFare& fare, Extended d) {
    return withLongJourneyExtra(2 * expressSupplement(fare.b) + fare.F + 1, d);
}

Extended expressSoftSeatBase(const BaseFare& fare) { return R(2 * fare.b); }

Extended expressSoftSeat(Extended W0) { return softSeatPercentStep(0.4L, W0); }

// "空调普快": air-conditioned ordinary fast train, half as much again.

Extended airConditionedHardSeat(const BaseFare& fare, Extended) {
    return R(1.5L * fare.F) + R(1.5L * expressSupplement(fare.b)) + R(1.5L * R(0.25L * fare.b)) + 2;
}

Extended airConditionedSoftSeatBase(const BaseFare& fare) {
    return R(2 * fare.F * 1.5L) + R(1.5L * R(0.25L * fare.b)) + R(1.5L * expressSupplement(fare.b));
}

std::array<Extended, 3> airConditionedBerthTerms(Extended b) {
    return {R(1.5L * R(1.1L * b)), R(1.5L * R(1.2L * b)), R(1.5L * R(1.3L * b))};
}

std::array<Extended, 2> airConditionedSoftSleeper(Extended b, Extended W) {
    return {R(1.5L * R(1.75L * b)) + W + 1 + 10, R(1.5L * R(1.95L * b)) + W + 1 + 10};
}

// Any other type text: doubled express supplement, and U where the
// air-conditioned rule rounds the sleeper and 25 per cent terms.

Extended otherHardSeat(const BaseFare& fare, Extended) {
    return R(1.5L * fare.F) + R(1.5L * (2 * expressSupplement(fare.b))) + R(1.5L * U(0.25L * fare.b)) + 2;
}

Extended otherSoftSeatBase(const BaseFare& fare) {
    return R(2 * fare.F * 1.5L) + R(1.5L * U(0.25L * fare.b)) + R(1.5L * (2 * expressSupplement(fare.b)));
}

Extended otherSoftSeat(Extended W0) { return W0; }

std::array<Extended, 3> otherBerthTerms(Extended b) {
    return {R(1.5L * R(1.1L * b)), R(1.5L * U(1.2L * b)), R(1.5L * R(1.3L * b))};
}

std::array<Extended, 2> otherSoftSleeper(Extended b, Extended W) {
    return {R(1.5L * R(1.75L * b)) + W + 10, R(1.5L * U(1.95L * b)) + W + 10};
}

constexpr TypeRule ordinarySlow{ordinarySlowHardSeat, ordinarySlowSoftSeatBase, softSeatPlusOne, plainBerthTerms,
                                ordinarySlowSoftSleeper};
constexpr TypeRule ordinaryFast{ordinaryFastHardSeat, ordinaryFastSoftSeatBase, ordinaryFastSoftSeat,
                                plainBerthTerms, fastSoftSleeper};
constexpr TypeRule express{expressHardSeat, expressSoftSeatBase, expressSoftSeat, plainBerthTerms,
                           fastSoftSleeper};
constexpr TypeRule airConditionedFast{airConditionedHardSeat, airConditionedSoftSeatBase, softSeatPlusOne,
                                      airConditionedBerthTerms, airConditionedSoftSleeper};
constexpr TypeRule otherType{otherHardSeat, otherSoftSeatBase, otherSoftSeat, otherBerthTerms, otherSoftSleeper};

} // namespace

const TypeRule& typeRuleFor(std::string_view type) {
    if (type == "普慢")
        return ordinarySlow;
    if (type == "普快")
        return ordinaryFast;
    if (type == "快速")
        return express;
    if (type == "空调普快")
        return airConditionedFast;
    return otherType;
}

} // namespace tessarin::fares
