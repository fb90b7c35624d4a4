#include "MultipleUnitFares.h"

#include "FareNumbers.h"

#include <cstdint>
#include <string>

namespace tessarin::fares {
namespace {

// R of the rate product kept as a double, in integer text.
std::string wholeYuanText(Extended rateProduct) {
    return std::to_string(static_cast<std::int64_t>(R(storedAsDouble(rateProduct))));
}

} // namespace

FareTexts multipleUnitFareTexts(const FareInputs& inputs, char decimalSeparator) {
    FareTexts texts = noneOffered();
    // The distance is converted for each offered class in turn; the first
    // failure ends the computation.
    const auto d = [&inputs, decimalSeparator] { return toTravelDistance(inputs.distance, decimalSeparator); };
    if (isOffered(inputs.p1))
        texts.hardSeat = wholeYuanText(0.3097222L * d());
    if (isOffered(inputs.p2))
        texts.softSeat = wholeYuanText(multipleUnitSoftSeatRate * d());
    if (isOffered(inputs.p3)) {
        texts.hardSleeperUpper = wholeYuanText(0.5935882L * d());
        texts.hardSleeperMiddle = texts.hardSleeperUpper;
        texts.hardSleeperLower = texts.hardSleeperUpper;
    }
    if (isOffered(inputs.p4)) {
        texts.softSleeperUpper = wholeYuanText(0.5935882L * d() * 0.754L);
        texts.softSleeperLower = wholeYuanText(0.6676402L * d() * 0.75L);
    }
    return texts;
}

} // namespace tessarin::fares
