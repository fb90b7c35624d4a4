#include "FareScale.h"

#include "FareArithmetic.h"
#include "FareNumbers.h"
#include "data/NumberText.h"

#include <cmath>

namespace tessarin::fares {
namespace {

// The journey length below which the fare starts from the zone key 200 with
// no offset, whatever zone the charged distance falls in.
constexpr Extended shortJourneyLimit = 200;

// One distance band of qdsn, its whole numbers converted.
struct Band {
    Extended firstSectionEnd; // LC_sa
    Extended sectionLength;   // QD_kg
    Extended sectionCount;    // LC_en - LC_sa + 1: section ends the walk may visit
};

// The number of sections past the first end needed to reach the distance
// (at least one), for a distance beyond the first end and a positive length.
// The quotient is only an estimate once rounded, so the count is settled by
// testing the section ends themselves; those near the distance are whole
// numbers below 2^64, exact in the extended format.
Extended sectionsToReach(Extended distance, Extended firstEnd, Extended length) {
    Extended count = std::fmax(1, std::ceil((distance - firstEnd) / length));
    while (count > 1 && firstEnd + (count - 1) * length >= distance)
        count -= 1;
    while (firstEnd + count * length < distance)
        count += 1;
    return count;
}

// The walk over the band's section ends LC_sa, LC_sa + QD_kg, ... (at most
// sectionCount of them): the first end at or beyond the distance gives the
// middle of the section it closes, a whole or a half kilometre. Worked out
// directly rather than step by step, so that an absurd band cannot stall it.
std::optional<Extended> sectionMiddle(const Band& band, Extended distance) {
    if (band.sectionCount <= 0)
        return std::nullopt;
    Extended end = band.firstSectionEnd;
    if (end < distance) {
        // A band whose sections do not advance never gets past its first end.
        if (band.sectionLength <= 0)
            return std::nullopt;
        const Extended sections = sectionsToReach(distance, end, band.sectionLength);
        if (sections >= band.sectionCount)
            return std::nullopt;
        end = end + sections * band.sectionLength;
    }
    return (2 * end - band.sectionLength) / 2;
}

} // namespace

FareScale::FareScale(data::Connection& connection, char decimalSeparator)
    : decimalSeparator_(decimalSeparator), qdsn_(connection), qdlj_(connection), zoneKeyRow_(connection) {
    qdsn_.setStatement("select * from qdsn");
    qdsn_.open();
    qdlj_.setStatement("select * from qdlj");
    qdlj_.open();
}

double FareScale::ChargedDistanceFor(double travelDistance) {
    for (qdsn_.first(); !qdsn_.eof(); qdsn_.next()) {
        if (!(toNumber(qdsn_.fieldText("LC_en"), decimalSeparator_) > travelDistance))
            continue;
        // The first band reaching beyond the distance decides alone.
        const Extended sectionLength = toWholeNumber(qdsn_.fieldText("QD_kg"));
        const Extended firstSectionEnd = toWholeNumber(qdsn_.fieldText("LC_sa"));
        const Extended bandEnd = toWholeNumber(qdsn_.fieldText("LC_en"));
        toWholeNumber(qdsn_.fieldText("QD_cn")); // takes no part, but must be a whole number
        const Band band{firstSectionEnd, sectionLength, bandEnd - firstSectionEnd + 1};
        return static_cast<double>(sectionMiddle(band, travelDistance).value_or(0));
    }
    return 0;
}

bool FareScale::findFareZone(double chargedDistance) {
    for (qdlj_.first(); !qdlj_.eof(); qdlj_.next()) {
        if (toNumber(qdlj_.fieldText("qd_en"), decimalSeparator_) > chargedDistance)
            return true;
    }
    return false;
}

std::optional<double> FareScale::BaseFareFor(double travelDistance, double chargedDistance) {
    if (!findFareZone(chargedDistance))
        return std::nullopt;
    // The test is on the travel distance, not on the charged one.
    const bool shortJourney = travelDistance < shortJourneyLimit;
    const Extended zoneKey =
        shortJourney ? shortJourneyLimit : toNumber(qdlj_.fieldText("qd_sa"), decimalSeparator_) - 1;
    const Extended offset = shortJourney ? 0 : zoneKey;
    // The key as stored numbers are written, or as the user's locale writes it.
    zoneKeyRow_.setStatement("select * from qdlj where qd_en in (?1, ?2)",
                             {data::formatNumber(zoneKey), data::formatNumber(zoneKey, decimalSeparator_)});
    zoneKeyRow_.open();
    // A key that matches no row reads an empty accumulated fare, which does
    // not convert.
    const Extended accumulatedFare = toNumber(zoneKeyRow_.fieldText("qd_lpj"), decimalSeparator_);
    const Extended ratePerKilometre = toNumber(qdlj_.fieldText("piao_l"), decimalSeparator_);
    return static_cast<double>(
        storedAsDouble(accumulatedFare + ratePerKilometre * (chargedDistance - offset)));
}

} // namespace tessarin::fares
