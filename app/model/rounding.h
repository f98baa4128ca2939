#pragma once
// Rounding to the nearest integer with ties to even, the converter's rule.
// Written out rather than left to the current rounding mode, so that no library
// that changes the mode can move a tie.

#include <cmath>

namespace quantora {

inline long double RoundHalfEven(long double v) {
  const long double lower = std::floor(v);
  const long double fraction = v - lower;  // exact: both share v's binade or lower
  if (fraction > 0.5L) return lower + 1.0L;
  if (fraction < 0.5L) return lower;
  return std::fmod(lower, 2.0L) == 0.0L ? lower : lower + 1.0L;
}

}  // namespace quantora
