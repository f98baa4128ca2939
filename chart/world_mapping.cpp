#include "chart/world_mapping.h"

#include <cmath>

#include "chart/scale_props.h"

namespace vqm {

double TWorldAxisMap::ToWorld(int pixel) const {
  const long double v = (pixel - D) / K;
  return double(Logarithmic ? std::exp(v) : v);
}

int TDoubleAxisMap::ExactPixel(double v) const { return fMap->ToPixel(v); }

TWorldAxisMap MakeWorldAxisMap(const TAxisPlacement& a) {
  TWorldAxisMap m;
  m.Logarithmic = a.Logarithmic;
  m.NonPositivePixel = a.High >= a.Low ? a.NonPositiveAscending : a.NonPositiveDescending;
  long double lo = a.Low, hi = a.High;
  if (a.Logarithmic) {
    lo = std::log(lo);
    hi = std::log(hi);
  }
  const long double span = hi - lo;
  // An empty data area, and a range that cannot be mapped (equal or unusable ends,
  // written past the range rules), put everything in the middle instead of
  // producing infinite pixels.
  if (a.Room <= 0 || !(std::isfinite(span) && span != 0)) {
    m.K = 0;
    m.D = a.PixelOfNothing;
    return m;
  }
  m.K = (static_cast<long double>(a.PixelOfHigh) - a.PixelOfLow) / span;
  m.D = (static_cast<long double>(a.PixelOfLow) * hi - static_cast<long double>(a.PixelOfHigh) * lo) / span;
  return m;
}

TWorldAxisMap OnDevicePixels(const TWorldAxisMap& map, int origin, const TDevicePixels& device) {
  TWorldAxisMap m = map;
  m.K = map.K * device.Ratio();
  m.D = (map.D - origin) * device.Ratio() + device.PenOffset();
  m.NonPositivePixel = device.Position(map.NonPositivePixel - origin);
  return m;
}

}  // namespace vqm
