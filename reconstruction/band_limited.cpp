#include "reconstruction/band_limited.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace quantora {
namespace {

// Independent partial sums, so that the compiler can keep them in one vector
// register without reordering a single sum.
constexpr std::size_t kLanes = 8;

// Sum over n of a_n / (u - n), where a_n = (-1)^n y_n. Division is the slow
// operation, so four terms share one: a/x + b/y + c/z + d/w =
// ((a y + b x) z w + (c w + d z) x y) / (x y z w). No product overflows: a
// time that far from the record has no fraction left and never gets here
// (|u| < 2^52, so x y z w < 2^208), and it rounds no worse than the four
// quotients summed, which cancel in the same way.
double AlternatingSum(const std::vector<double>& a, const std::vector<double>& index, double u) {
  double lane[kLanes] = {};
  const std::size_t whole = a.size() / (4 * kLanes) * (4 * kLanes);
  for (std::size_t n = 0; n < whole; n += 4 * kLanes)
    for (std::size_t k = 0; k < kLanes; ++k) {
      const std::size_t i = n + k, j = i + kLanes, l = j + kLanes, m = l + kLanes;
      const double x = u - index[i], y = u - index[j], z = u - index[l], w = u - index[m];
      const double xy = x * y, zw = z * w;
      lane[k] += ((a[i] * y + a[j] * x) * zw + (a[l] * w + a[m] * z) * xy) / (xy * zw);
    }
  double sum = 0;
  for (std::size_t n = whole; n < a.size(); ++n) sum += a[n] / (u - index[n]);
  for (const double part : lane) sum += part;
  return sum;
}

}  // namespace

// sin(pi (u - n)) = (-1)^n sin(pi u): one sine per time instead of one per
// sample, and the sum is of a_n / (u - n). The sine is taken of the distance f
// from the nearest whole m, sin(pi u) = (-1)^m sin(pi f), which stays exact
// where u is near a sample and the pulse's term is large.
std::vector<double> BandLimitedReconstruction(const TSampleRecord& record, std::span<const double> times) {
  const std::vector<double>& y = record.values;
  const double interval = RecordInterval(record);
  std::vector<double> alternating(y.size()), index(y.size());
  for (std::size_t n = 0; n < y.size(); ++n) {
    alternating[n] = n % 2 ? -y[n] : y[n];
    index[n] = double(n);
  }
  std::vector<double> out(times.size());
  for (std::size_t i = 0; i < times.size(); ++i) {
    const double u = times[i] / interval;
    if (!std::isfinite(u)) {
      out[i] = std::numeric_limits<double>::quiet_NaN();
      continue;
    }
    const double m = std::nearbyint(u);
    const double f = u - m;
    if (f == 0) {  // on an instant every pulse but its own is zero
      out[i] = m >= 0 && m < double(y.size()) ? y[std::size_t(m)] : 0.0;
      continue;
    }
    const double sine = std::fmod(m, 2.0) == 0 ? std::sin(std::numbers::pi * f) : -std::sin(std::numbers::pi * f);
    out[i] = sine / std::numbers::pi * AlternatingSum(alternating, index, u);
  }
  return out;
}

}  // namespace quantora
