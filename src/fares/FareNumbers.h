#pragma once

#include "FareArithmetic.h"

#include <string_view>

namespace tessarin::fares {

// Conversions of the texts the fare computation fetches from the fare scale
// and the detail row. The offending text is quoted in the error's message.

// A number written with "." (as stored numbers are) or with the given
// decimal separator, as the nearest extended value.
// Raises FareError "'<text>' is not a valid floating point value" for a text
// that is not one, and for one beyond the extended range.
Extended toNumber(std::string_view text, char decimalSeparator);

// The travel distance of a journey, converted as toNumber does and kept as a
// double. A distance below 0 comes from a timetable whose distances fall
// along a train's run; it has no fare, and raises FareError saying so.
Extended toTravelDistance(std::string_view text, char decimalSeparator);

// A whole number. Raises FareError "'<text>' is not a valid integer value"
// for a text that is not one (a decimal among them) or one beyond 64 bits.
Extended toWholeNumber(std::string_view text);

} // namespace tessarin::fares
