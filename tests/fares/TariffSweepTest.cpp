#include "fares/FareScale.h"

#include "data/Connection.h"
#include "support/TemporaryTimetable.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <sstream>
#include <vector>

namespace tessarin::fares {
namespace {

// The national tariff written out directly: the charged distance is the
// middle of the section holding the travel distance, and the base fare runs
// at diminishing shares of 0.05861 yuan a kilometre over it.

struct SectionTier {
    long double upTo; // the tier covers distances up to here
    long double sectionLength;
};

constexpr long double beyond = std::numeric_limits<long double>::infinity();

constexpr SectionTier sectionTiers[] = {{200, 10},  {400, 20},  {700, 30},  {1100, 40}, {1600, 50},
                                        {2200, 60}, {2900, 70}, {3700, 80}, {4600, 90}, {beyond, 100}};

long double tariffChargedDistance(long double d) {
    long double tierStart = 0;
    for (const SectionTier& tier : sectionTiers) {
        if (d <= tier.upTo) {
            const long double sectionEnd =
                tierStart + std::ceil((d - tierStart) / tier.sectionLength) * tier.sectionLength;
            return sectionEnd - tier.sectionLength / 2;
        }
        tierStart = tier.upTo;
    }
    return 0;
}

struct RateTier {
    long double upTo;
    long double share;
};

constexpr RateTier rateTiers[] = {{200, 1.0L}, {500, 0.9L}, {1000, 0.8L}, {1500, 0.7L}, {2500, 0.6L}, {beyond, 0.5L}};

long double tariffBaseFare(long double chargedDistance) {
    long double fare = 0;
    long double tierStart = 0;
    for (const RateTier& tier : rateTiers) {
        const long double covered = std::fmin(chargedDistance, tier.upTo) - tierStart;
        if (covered > 0)
            fare += 0.05861L * tier.share * covered;
        tierStart = tier.upTo;
    }
    return fare;
}

std::vector<double> sweptDistances() {
    std::vector<double> distances;
    for (int km = 1; km <= 5000; ++km)
        distances.push_back(km);
    // Half kilometres inside the tiers (a half kilometre just past a tier's
    // last section end lies in no whole-kilometre section of the tariff).
    for (double km : {0.5, 9.5, 10.5, 15.5, 199.5, 219.5, 220.5, 399.5, 555.5, 1000.5, 1099.5, 2222.5, 3000.5,
                      4599.5, 4999.5})
        distances.push_back(km);
    return distances;
}

TEST(TariffSweep, TheBundledFareScaleGivesTheTariffBaseFareForEveryDistance) {
    data::Connection connection(tessarin::testing::binaryFolder() / "data/Train+-+090719.mdb");
    FareScale scale(connection, '.');
    std::ostringstream mismatches;
    int mismatchCount = 0;
    for (const double d : sweptDistances()) {
        const double charged = scale.ChargedDistanceFor(d);
        const auto fare = scale.BaseFareFor(d, charged);
        const long double expectedCharged = tariffChargedDistance(d);
        const long double expectedFare = tariffBaseFare(expectedCharged);
        if (fare && std::fabs(*fare - expectedFare) <= 1e-9L)
            continue;
        if (++mismatchCount <= 20)
            mismatches << "d=" << d << " charged " << charged << " (tariff " << static_cast<double>(expectedCharged)
                       << ") fare " << (fare ? std::to_string(*fare) : "none") << " (tariff "
                       << std::to_string(static_cast<double>(expectedFare)) << ")\n";
    }
    EXPECT_EQ(mismatchCount, 0) << mismatches.str();
}

} // namespace
} // namespace tessarin::fares
