#pragma once

#include "FareTexts.h"
#include "data/NumberText.h"

namespace tessarin::data {
class Connection;
}

namespace tessarin::fares {

// The seven fare texts of a train between two stations, from its detail
// row's type, distance and class values. Fares are shown with the given
// decimal separator (the process locale's when not given); the texts of the
// fare scale and the distance are read with "." (as stored numbers are
// written) or with it.
//
// A "动车组" train is priced at fixed rates and reads no table. Any other type
// reads qdsn and qdlj afresh on the connection (both opened before either is
// scanned) and looks the charged distance and the base fare up once each,
// even when no class is offered, so that a broken fare scale is always
// reported. Raises FareError for a text that does not convert or a value the
// fare arithmetic cannot hold, data::DataError for a database failure; no
// texts are returned then.
FareTexts ComputeFareTexts(data::Connection& connection, const FareInputs& inputs,
                           char decimalSeparator = data::localeDecimalSeparator());

} // namespace tessarin::fares
