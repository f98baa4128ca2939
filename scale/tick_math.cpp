#include "scale/tick_math.h"

#include <algorithm>
#include <cmath>
#include <utility>

namespace vqm {


TTickSpacing CalcScaleTicks(int minTicks, long double low, long double high) {
  TTickSpacing s;
  if (low == high) {
    s.First = double(low);
    return s;
  }
  if (!std::isfinite(low) || !std::isfinite(high) || minTicks <= 0) return s;
  const long double d = low < high ? 1.0L : -1.0L;
  long double l = std::log10(std::fabs(high - low) / minTicks);
  long double f = l - std::trunc(l);
  if (std::fabs(f) < 1e-10L || std::fabs(f) > 0.9999999999L) {
    f = 0;
    l = std::nearbyint(l);
  }
  if (l < 0 && f != 0) l -= 1;
  if (f < 0) f += 1;
  int mantissa = 5;
  s.Subdivisions = 5;
  if (f < std::log10(2.0L) + 1e-10L) {
    mantissa = 1;
  } else if (f < std::log10(5.0L) + 1e-10L) {
    mantissa = 2;
    s.Subdivisions = 4;
  }
  const long double step = d * mantissa * std::pow(10.0L, std::trunc(l));
  if (step == 0 || !std::isfinite(step)) return TTickSpacing{};
  long double first = (std::trunc(low / step) - 1) * step;
  // Normally one or two steps; the bound keeps a step below the resolution of
  // the bounds (a tiny span far from zero) from looping for ever.
  for (int guard = 0; d * (low - first) > 0.001L * std::fabs(step) && guard < 64; ++guard) first += step;
  s.First = double(first);
  s.Step = double(step);
  return s;
}

int AutoDecPlaces(int decPlaces, double high, double low) {
  if (decPlaces != -2 && decPlaces != -3) return decPlaces;
  const double span = std::fabs(high - low);
  if (span >= 1000000.0 || span <= 0.0001) return -1;
  if (span >= 100.0) return 0;
  return 2 - int(RoundHalfEven(std::log(span) / 2.5));
}

TLabelPrecision LinearLabelPrecision(int decPlaces, double high, double low, double step) {
  const TLabelPrecision automatic{AutoDecPlaces(decPlaces, high, low)};
  if (decPlaces != -2 && decPlaces != -3) return automatic;
  if (!(step != 0 && std::isfinite(step) && std::isfinite(high) && std::isfinite(low))) return automatic;
  // Ticks are multiples of 1, 2 or 5 x 10^stepExponent.
  const int stepExponent = int(std::floor(std::log10(std::fabs(step)) + 1e-9));
  const double largest = std::max(std::fabs(high), std::fabs(low));
  const int valueExponent = largest > 0 ? int(std::floor(std::log10(largest))) : stepExponent;
  const int decimals = std::max(0, -stepExponent);
  const int digits = std::max(2, valueExponent - stepExponent + 1);
  if (automatic.Decimals >= 0 ? automatic.Decimals >= decimals : digits <= 2) return automatic;
  // Longest texts: sign, integer digits, point and decimals; sign, digits, point, "E+00".
  const int fixedLength = 1 + std::max(1, valueExponent + 1) + (decimals > 0 ? 1 + decimals : 0);
  const int scientificLength = digits + 6;
  const bool fixed = automatic.Decimals >= 0 ? fixedLength <= scientificLength : fixedLength < scientificLength;
  if (fixed && fixedLength <= kMaxLabelLength) return {decimals};
  return {-1, std::min(digits, kMaxLabelLength - 6)};
}

int LogDecPlaces(int decPlaces, double upper, double lower) {
  if (decPlaces != -2) return decPlaces;
  if (upper < lower) std::swap(upper, lower);
  const double span = upper - lower;
  if (span >= 1000000.0 || span <= 0.0001) return -1;
  if (lower >= 1.0) return 0;
  return 1 - int(RoundHalfEven(std::log(std::fabs(lower)) / std::log(10.0)));
}

}  // namespace vqm
