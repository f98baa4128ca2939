#include "app/amplitude_range.h"

#include <algorithm>

namespace quantora {

TAmplitudeRange AnalogAmplitudeRange(double signalLow, double signalHigh) {
  const TAmplitudeRange design;
  const double margin = 0.1 * std::max(signalHigh - signalLow, 0.0);
  TAmplitudeRange range = design;
  // Comparisons that are false for NaN keep the design's ends.
  if (signalLow < design.low) range.low = signalLow - margin;
  if (signalHigh > design.high) range.high = signalHigh + margin;
  return range;
}

}  // namespace quantora
