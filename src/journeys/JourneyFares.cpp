#include "JourneyFares.h"

#include "fares/ComputeFareTexts.h"

#include <array>
#include <optional>

namespace tessarin::journeys {
namespace {

using fares::FareTexts;

fares::FareInputs fareInputsOf(const JourneyLeg& leg) {
    return {leg.type, leg.distanceText, leg.classes[0], leg.classes[1], leg.classes[2], leg.classes[3]};
}

// One class summed over the legs: nothing when a leg lacks it.
std::optional<long double> classTotal(const std::vector<FareTexts>& legs, std::size_t fareClass,
                                      char decimalSeparator) {
    long double sum = 0;
    for (const FareTexts& leg : legs) {
        const std::string fare = leg.inOrder()[fareClass];
        if (fare == fares::notOfferedText)
            return std::nullopt;
        // The calculation writes every fare it offers as number text.
        sum += data::parseNumber(fare, decimalSeparator).value();
    }
    return sum;
}

FareTexts totalOf(const std::vector<FareTexts>& legs, char decimalSeparator) {
    std::array<std::string, 7> totals;
    for (std::size_t fareClass = 0; fareClass < totals.size(); ++fareClass) {
        const auto sum = classTotal(legs, fareClass, decimalSeparator);
        totals[fareClass] = sum ? data::formatNumber(*sum, decimalSeparator) : std::string(fares::notOfferedText);
    }
    return {totals[0], totals[1], totals[2], totals[3], totals[4], totals[5], totals[6]};
}

} // namespace

JourneyFares ComputeJourneyFares(data::Connection& connection, const Journey& journey, char decimalSeparator) {
    JourneyFares result;
    for (const JourneyLeg& leg : journey.legs)
        result.legs.push_back(fares::ComputeFareTexts(connection, fareInputsOf(leg), decimalSeparator));
    result.total = totalOf(result.legs, decimalSeparator);
    return result;
}

} // namespace tessarin::journeys
