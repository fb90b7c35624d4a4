#include "TableDrivenFares.h"

#include "FareNumbers.h"
#include "FareScale.h"
#include "TableDrivenTypeRules.h"
#include "data/NumberText.h"

namespace tessarin::fares {
namespace {

// The base fare with its rounding F: a 2 per cent surcharge counted in tenths
// of a yuan and raised to the next whole tenth (a whole number of tenths
// gains one too), added to the base fare and rounded to a whole yuan. Both
// are 0 when the journey has no fare zone.
BaseFare roundedBaseFare(const std::optional<double>& baseFare) {
    if (!baseFare)
        return {};
    const Extended b = *baseFare;
    const Extended tenths = Trunc(0.02L * b * 10 + 1);
    return {b, storedAsDouble(Trunc(tenths / 10 + b + 0.5L))};
}

} // namespace

FareTexts tableDrivenFareTexts(data::Connection& connection, const FareInputs& inputs, char decimalSeparator) {
    const Extended d = toTravelDistance(inputs.distance, decimalSeparator);
    FareScale scale(connection, decimalSeparator);
    const double chargedDistance = scale.ChargedDistanceFor(static_cast<double>(d));
    const BaseFare fare = roundedBaseFare(scale.BaseFareFor(static_cast<double>(d), chargedDistance));
    const TypeRule& rule = typeRuleFor(inputs.type);
    // Every fare is kept as a double and shown as its number text.
    const auto kept = [decimalSeparator](Extended value) {
        return data::formatNumber(storedAsDouble(value), decimalSeparator);
    };
    FareTexts texts = noneOffered();

    // The hard-seat fare is formed even when hard seat is not offered: the
    // hard-sleeper fares build on it.
    const Extended S = storedAsDouble(rule.hardSeat(fare, d));
    if (isOffered(inputs.p1))
        texts.hardSeat = kept(S);

    // Without soft seat, the soft-sleeper fares build on W0 itself.
    const Extended W0 = storedAsDouble(rule.softSeatBase(fare));
    Extended W = W0;
    if (isOffered(inputs.p2)) {
        W = storedAsDouble(rule.softSeatOffered(W0));
        texts.softSeat = kept(W);
    }

    if (isOffered(inputs.p3)) {
        const auto terms = rule.hardSleeperTerms(fare.b);
        texts.hardSleeperUpper = kept(terms[0] + 10 + S);
        texts.hardSleeperMiddle = kept(terms[1] + 10 + S);
        texts.hardSleeperLower = kept(terms[2] + 10 + S);
    }

    if (isOffered(inputs.p4)) {
        const auto berths = rule.softSleeper(fare.b, W);
        texts.softSleeperUpper = kept(berths[0]);
        texts.softSleeperLower = kept(berths[1]);
    }
    return texts;
}

} // namespace tessarin::fares
