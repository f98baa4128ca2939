#pragma once
// Rounding to the nearest integer with ties to even, the converter's rule.
// Written out rather than left to the current rounding mode, so that no library
// that changes the mode can move a tie.

#include <cmath>
#include <cstdint>

namespace quantora {

inline long double RoundHalfEven(long double v) {
  const long double lower = std::floor(v);
  const long double fraction = v - lower;  // exact: both share v's binade or lower
  if (fraction != 0.5L) return fraction < 0.5L ? lower : lower + 1.0L;
  // A tie needs a bit below the units, so |lower| < 2^63 and the cast is exact.
  return static_cast<std::int64_t>(lower) % 2 == 0 ? lower : lower + 1.0L;
}

}  // namespace quantora
