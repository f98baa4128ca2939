#pragma once
// Whole-number rounding of extended-precision values: truncation, floor, and
// the converter's rule, nearest with ties to even. Written out rather than left
// to the current rounding mode, so that no library that changes the mode can
// move a tie; below 2^62 through a 64-bit integer, because the C library's long
// double functions take their argument through memory and are slow.

#include <cmath>
#include <cstdint>

namespace quantora {

inline constexpr long double kIntegerPathLimit = 0x1p62L;

// Int(v): the fractional part dropped toward zero.
inline long double TruncateToWhole(long double v) {
  if (!(std::fabs(v) < kIntegerPathLimit)) return std::trunc(v);
  return static_cast<long double>(static_cast<std::int64_t>(v));
}

inline long double FloorToWhole(long double v) {
  const long double truncated = TruncateToWhole(v);
  return truncated > v ? truncated - 1.0L : truncated;
}

inline long double RoundHalfEven(long double v) {
  const long double lower = FloorToWhole(v);
  const long double fraction = v - lower;  // exact: both share v's binade or lower
  if (fraction != 0.5L) return fraction < 0.5L ? lower : lower + 1.0L;
  // A tie needs a bit below the units, so |lower| < 2^63 and the cast is exact.
  return static_cast<std::int64_t>(lower) % 2 == 0 ? lower : lower + 1.0L;
}

}  // namespace quantora
