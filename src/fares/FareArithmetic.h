#pragma once

#include <limits>

namespace tessarin::fares {

// The fare arithmetic: binary floating point with a 64-bit significand (the
// 80-bit extended format), rounding to nearest, every operation rounded to
// that format and evaluated left to right as the tariff writes it. Decimal
// constants are written as long double literals, so each is the extended
// value nearest its decimal. The build forbids contraction into fused
// multiply-adds and fast-math, which would round differently.
using Extended = long double;
static_assert(std::numeric_limits<Extended>::digits == 64,
              "the fare arithmetic needs the 80-bit extended format for long double");

// The values the tariff keeps (the travel distance, the base fare and its
// rounding, the hard-seat fare, the soft-seat working value, each berth fare,
// each multiple-unit rate product) are rounded to a 64-bit double where they
// are kept and used from there on; the result is that double, widened again.
// A finite value too large for a double raises FareError
// "Floating point overflow".
Extended storedAsDouble(Extended value);

// Truncation toward zero to a 64-bit integer, returned as the (exact) extended
// value, so that sums of such whole numbers are exact. A value that is not a
// number or lies outside the 64-bit range raises FareError
// "Invalid floating point operation".
Extended Trunc(Extended value);

// R: rounding half up to a whole yuan.
inline Extended R(Extended value) { return Trunc(value + 0.5L); }

// U: the whole yuan above the value (the value + 1 when it is whole).
inline Extended U(Extended value) { return Trunc((value * 10 + 10) / 10); }

} // namespace tessarin::fares
