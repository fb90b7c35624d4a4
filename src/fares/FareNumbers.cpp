#include "FareNumbers.h"

#include "FareError.h"
#include "data/NumberText.h"

#include <cmath>
#include <string>

namespace tessarin::fares {

Extended toNumber(std::string_view text, char decimalSeparator) {
    // Stored numbers are written with "." whatever the user's locale.
    auto number = data::parseNumber(text, '.');
    if (!number && decimalSeparator != '.')
        number = data::parseNumber(text, decimalSeparator);
    if (!number || !std::isfinite(*number))
        throw FareError(data::notANumberMessage(text));
    return *number;
}

Extended toTravelDistance(std::string_view text, char decimalSeparator) {
    const Extended distance = storedAsDouble(toNumber(text, decimalSeparator));
    if (distance < 0)
        throw FareError("The timetable's distance between these stations is " + data::formatNumber(distance) +
                        " km: its distances fall along the train's run");
    return distance;
}

Extended toWholeNumber(std::string_view text) {
    const auto number = data::parseInteger(text);
    if (!number)
        throw FareError(data::notAnIntegerMessage(text));
    return static_cast<Extended>(*number);
}

} // namespace tessarin::fares
