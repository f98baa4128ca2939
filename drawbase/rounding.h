#pragma once
// Rounding to a whole number, to nearest with ties to even (0.5 -> 0, 1.5 -> 2,
// 2.5 -> 2), whatever rounding mode the processor is in. Header-only, so the
// pure computations of the library use it without linking the drawing code.

#include <cmath>

namespace vqm {

inline double RoundHalfEven(double value) {
  const double below = std::floor(value);
  const double fraction = value - below;  // exact for every double
  if (fraction > 0.5) return below + 1;
  if (fraction < 0.5) return below;
  return std::fmod(below, 2.0) == 0 ? below : below + 1;
}

}  // namespace vqm
