#include "slider_scale.h"

#include <algorithm>
#include <cmath>

namespace quantora {

TSliderScale TSliderScale::Linear(double min, double max, int steps) {
  TSliderScale s;
  s.fMin = min;
  s.fMax = max;
  s.fSteps = std::max(1, steps);
  return s;
}

TSliderScale TSliderScale::Logarithmic(double min, double max, int decades, int steps) {
  TSliderScale s = Linear(min, max, steps);
  s.fZeroAtStart = min <= 0;
  s.fLogLow = s.fZeroAtStart ? max / std::pow(10.0, decades) : min;
  return s;
}

int TSliderScale::Position(double value) const {
  value = std::clamp(value, fMin, fMax);
  if (fLogLow <= 0) return int(std::lround((value - fMin) / (fMax - fMin) * fSteps));
  if (fZeroAtStart && value < fLogLow) return value < fLogLow / 2 ? 0 : 1;  // nearer to 0 or to the first step
  const int first = fZeroAtStart ? 1 : 0;  // the position of fLogLow
  const double share = std::log(value / fLogLow) / std::log(fMax / fLogLow);
  return first + int(std::lround(share * (fSteps - first)));
}

double TSliderScale::Value(int position) const {
  position = std::clamp(position, 0, fSteps);
  if (fLogLow <= 0) return fMin + (fMax - fMin) * position / fSteps;
  if (fZeroAtStart && position == 0) return 0.0;
  const int first = fZeroAtStart ? 1 : 0;
  const double share = double(position - first) / (fSteps - first);
  return std::min(fMax, fLogLow * std::pow(fMax / fLogLow, share));
}

}  // namespace quantora
