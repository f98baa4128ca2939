#include "reconstruction/butterworth_response.h"

#include <cmath>

#include "reconstruction/butterworth.h"

namespace quantora {

// 10 log10 of the power ratio, so far beyond the corner stays finite.
double ButterworthGainDb(double frequency, double corner) {
  if (corner <= 0) return frequency == 0 ? 0.0 : -HUGE_VAL;
  return -10 * std::log10(1 + std::pow(std::fabs(frequency / corner), 2 * kButterworthOrder));
}

}  // namespace quantora
