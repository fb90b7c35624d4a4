#include "FareArithmetic.h"

#include "FareError.h"

#include <cmath>

namespace tessarin::fares {

Extended storedAsDouble(Extended value) {
    const double kept = static_cast<double>(value);
    if (std::isinf(kept) && std::isfinite(value))
        throw FareError("Floating point overflow");
    return kept;
}

Extended Trunc(Extended value) {
    // The open interval (-2^63 - 1, 2^63) truncates into the 64-bit range;
    // both bounds are exact in the extended format. NaN fails both tests.
    if (!(value > -0x1p63L - 1 && value < 0x1p63L))
        throw FareError("Invalid floating point operation");
    return std::trunc(value);
}

} // namespace tessarin::fares
