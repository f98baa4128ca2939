#include "sound/windowed_sinc.h"

#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <numbers>

namespace quantora {
namespace {

constexpr double kPi = std::numbers::pi;

// The windowed sinc sum at u = m + f, 0 < f < 1. With x = u - n,
// sin(pi x) = (-1)^(m - n) sin(pi f), so one sine serves every tap, and the
// window's cos(pi x / W) turns by a fixed angle from tap to tap.
double SumAround(const std::vector<double>& y, double m, double f) {
  constexpr int W = kSincHalfWidth;
  const std::int64_t first = std::int64_t(m) - W + 1;  // x runs from f + W - 1 down to f - W
  const double sineOfF = std::sin(kPi * f);
  const std::complex<double> turn = std::polar(1.0, -kPi / W);
  std::complex<double> phase = std::polar(1.0, kPi * (f + W - 1) / W);  // e^(i pi x / W)
  double sum = 0;
  for (int j = 0; j < 2 * W; ++j, phase *= turn) {
    const std::int64_t n = first + j;
    if (n < 0 || n >= std::int64_t(y.size())) continue;
    const double x = f + (W - 1 - j);
    const double c = phase.real();
    const double window = 0.42 + 0.5 * c + 0.08 * (2 * c * c - 1);
    const double sine = (W - 1 - j) % 2 == 0 ? sineOfF : -sineOfF;  // the parity of m - n
    sum += y[std::size_t(n)] * window * sine / (kPi * x);
  }
  return sum;
}

}  // namespace

std::vector<double> WindowedSincReconstruction(const TSampleRecord& record, std::span<const double> times) {
  const std::vector<double>& y = record.values;
  const double interval = RecordInterval(record);
  std::vector<double> out(times.size(), 0.0);
  for (std::size_t i = 0; i < times.size(); ++i) {
    const double u = times[i] / interval;
    if (!std::isfinite(u)) {
      out[i] = std::numeric_limits<double>::quiet_NaN();
      continue;
    }
    const double m = std::floor(u);
    const double f = u - m;
    if (f == 0) {  // on an instant every other pulse is zero
      out[i] = m >= 0 && m < double(y.size()) ? y[std::size_t(m)] : 0.0;
      continue;
    }
    // Far beyond the record every tap is outside it (and m may not fit a count).
    if (m > -kSincHalfWidth && m < double(y.size()) + kSincHalfWidth) out[i] = SumAround(y, m, f);
  }
  return out;
}

}  // namespace quantora
