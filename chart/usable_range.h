#pragma once
// Whether the mouse or the keys may give an axis a new range.

#include <cmath>

#include "chart/scale_props.h"

namespace vqm {

// Not empty (at least the axis's least span), finite, and positive on a
// logarithmic axis.
inline bool UsableRange(const TScaleProps& axis, long double low, long double high) {
  if (!std::isfinite(double(low)) || !std::isfinite(double(high))) return false;
  if (std::fabs(double(high - low)) < axis.MinRange()) return false;
  return !axis.Logarithmic() || (low >= kLogFloor && high >= kLogFloor);
}

}  // namespace vqm
