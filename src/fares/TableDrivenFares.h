#pragma once

#include "FareTexts.h"

namespace tessarin::fares {

class FareScale;

// The fare texts of a train of any type but "动车组": the distance is
// converted, the charged distance and the base fare are looked up once each
// on the fare scale before any class value is looked at, and each class is
// formed by the type's rule and shown as number text with the given decimal
// separator. Raises what the conversions and the fare scale raise.
FareTexts tableDrivenFareTexts(FareScale& scale, const FareInputs& inputs, char decimalSeparator);

} // namespace tessarin::fares
