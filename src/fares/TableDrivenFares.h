#pragma once

#include "FareTexts.h"

namespace tessarin::data {
class Connection;
}

namespace tessarin::fares {

// The fare texts of a train of any type but "动车组": the distance is
// converted, the fare scale is read from the connection and the charged
// distance and the base fare are looked up once each before any class value
// is looked at; each class is formed by the type's rule and shown as number
// text with the given decimal separator. Raises what the conversions and the
// fare scale raise.
FareTexts tableDrivenFareTexts(data::Connection& connection, const FareInputs& inputs, char decimalSeparator);

} // namespace tessarin::fares
