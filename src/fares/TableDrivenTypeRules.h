#pragma once

#include "FareArithmetic.h"

#include <array>
#include <string_view>

namespace tessarin::fares {

// The base fare b of a journey and its rounding F, each kept as a double.
struct BaseFare {
    Extended b = 0;
    Extended F = 0;
};

// What sets one table-driven train type apart: how it forms each class fare
// from the base fare. Every result is in extended precision; the caller keeps
// it as a double.
struct TypeRule {
    // The hard-seat fare S for a travel distance d.
    Extended (*hardSeat)(const BaseFare& fare, Extended d);
    // The soft-seat working value W0.
    Extended (*softSeatBase)(const BaseFare& fare);
    // The soft-seat fare W formed from W0 when soft seat is offered.
    Extended (*softSeatOffered)(Extended W0);
    // The hard-sleeper berth terms: upper, middle, lower.
    std::array<Extended, 3> (*hardSleeperTerms)(Extended b);
    // The soft-sleeper berth fares from the soft-seat working value W: upper, lower.
    std::array<Extended, 2> (*softSleeper)(Extended b, Extended W);
};

// The rule of "普慢", "普快", "快速" or "空调普快" when the type text is
// exactly one of them, and the rule shared by every other type otherwise.
const TypeRule& typeRuleFor(std::string_view type);

} // namespace tessarin::fares
