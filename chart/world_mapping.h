#pragma once
// The one mapping between world values and control pixels along one direction of
// a layer: pixel = K * v + D with v the world value (linear) or its natural
// logarithm (logarithmic), K and D in extended precision. Every painter of the
// chart maps through this type.

#include <cmath>
#include <cstdint>

#include "drawbase/device_pixels.h"

namespace vqm {

struct TWorldAxisMap {
  long double K = 0;  // pixels per world unit (per unit of ln on a log axis)
  long double D = 0;  // pixel of world 0 (of world 1 on a log axis)
  bool Logarithmic = false;
  // Pixel of a value <= 1e-100 on a logarithmic axis (it has no logarithm).
  int NonPositivePixel = 0;

  // The pixel, limited to the int range and rounded half to even. Inline: the
  // renderer maps every point through it.
  int ToPixel(double v) const {
    long double p;
    if (Logarithmic) {
      if (!(v > 1e-100)) return NonPositivePixel;
      p = K * std::log(static_cast<long double>(v)) + D;
    } else {
      p = K * v + D;
    }
    constexpr long double kLimit = 2147483647.0L;
    if (!(p > -kLimit)) p = std::isnan(p) ? 0.0L : -kLimit;  // NaN has no pixel; take 0
    if (p > kLimit) p = kLimit;
    return int(std::lrint(p));  // the current rounding mode: nearest, ties to even
  }
  // The world value of a pixel.
  double ToWorld(int pixel) const;
};

// The same mapping carried in doubles for the renderer's many points. A pixel
// comes from the doubles only when the value lies further from a rounding tie
// than the doubles can be off (a few units in the last place of the terms);
// otherwise, and on a logarithmic axis, the extended-precision mapping decides.
// Either way the pixel is the one TWorldAxisMap::ToPixel gives.
class TDoubleAxisMap {
 public:
  TDoubleAxisMap() = default;
  explicit TDoubleAxisMap(const TWorldAxisMap& exact)
      : fK(double(exact.K)), fD(double(exact.D)), fLinear(!exact.Logarithmic), fMap(&exact) {}

  int ToPixel(double v) const {
    if (fLinear) {
      const double term = fK * v;
      const double p = term + fD;
      if (std::fabs(p) < 0x1p30) {
        const double nearest = std::nearbyint(p);
        if (0.5 - std::fabs(p - nearest) > 0x1p-50 * (std::fabs(term) + std::fabs(fD))) return int(nearest);
      }
    }
    return ExactPixel(v);
  }

 private:
  int ExactPixel(double v) const;  // out of line: keeps ToPixel small enough to inline

  double fK = 0, fD = 0;
  bool fLinear = false;
  const TWorldAxisMap* fMap = nullptr;
};

// What a layer's axis needs to be mapped: its world range and the pixels its two
// ends go to. `pixelsOfNothing` is where everything goes when the data area has
// no room in this direction (the middle of the control).
struct TAxisPlacement {
  double Low = 0, High = 1;
  bool Logarithmic = false;
  int PixelOfLow = 0;      // pixel that Low maps to
  int PixelOfHigh = 0;     // pixel that High maps to
  int Room = 0;            // data-area size in this direction; <= 0: no room
  int PixelOfNothing = 0;  // pixel used when there is no room
  int NonPositiveAscending = 0;   // pixel of a non-positive value when High >= Low
  int NonPositiveDescending = 0;  // pixel of a non-positive value when High < Low
};

TWorldAxisMap MakeWorldAxisMap(const TAxisPlacement& placement);

// The same mapping onto `device` pixels of an image whose logical pixel 0 is
// the control's pixel `origin`: a one-pixel pen centred where the logical
// mapping puts the value exactly, before it is rounded to a logical pixel.
TWorldAxisMap OnDevicePixels(const TWorldAxisMap& map, int origin, const TDevicePixels& device);

}  // namespace vqm
