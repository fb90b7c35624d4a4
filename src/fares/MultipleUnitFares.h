#pragma once

#include "FareArithmetic.h"
#include "FareTexts.h"

#include <string_view>

namespace tessarin::fares {

// The train type priced at fixed rates per kilometre, without the fare scale.
inline constexpr std::string_view multipleUnitType = "动车组";

// The soft-seat rate per kilometre of a multiple-unit train: one unit in the
// last place above the extended value nearest 0.3714322; the soft-seat fares
// are set with exactly this value.
inline constexpr Extended multipleUnitSoftSeatRate = 0xBE2C5C7F5CD7716Cp-65L;

// The fare texts of a "动车组" train, as whole yuan in integer text. The
// distance is converted only for an offered class, so a train offering none
// shows seven "--" whatever its distance text. Raises FareError when the
// distance does not convert.
FareTexts multipleUnitFareTexts(const FareInputs& inputs, char decimalSeparator);

} // namespace tessarin::fares
