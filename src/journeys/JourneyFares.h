#pragma once

#include "Journey.h"

#include "data/NumberText.h"
#include "fares/FareTexts.h"

#include <vector>

namespace tessarin::data {
class Connection;
}

namespace tessarin::journeys {

// The fares of a journey: each leg's seven fare texts, as the fare
// calculation gives them for the leg's train type, distance and class values,
// and the journey's total per class.
struct JourneyFares {
    std::vector<fares::FareTexts> legs;
    fares::FareTexts total;
};

// The fares of every leg, then the totals: for each class the sum of the
// legs' fares, or "--" when any leg does not offer the class. Fares and
// totals are written with the given decimal separator. The fare calculation
// reads the fare scale on the connection; its errors (a text that does not
// convert, a database failure) are raised unchanged, and no fares are
// returned then.
JourneyFares ComputeJourneyFares(data::Connection& connection, const Journey& journey,
                                 char decimalSeparator = data::localeDecimalSeparator());

} // namespace tessarin::journeys
