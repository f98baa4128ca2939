#include "reconstruction/piecewise.h"

#include <cmath>
#include <limits>

namespace quantora {
namespace {

// Where t falls among the samples: the index n of the last instant at or before
// it, clamped to the record, and the fraction of the way to the next instant.
struct TPlace {
  std::size_t n;
  double fraction;  // 0 at the instant; 0 as well before the first and after the last
};

TPlace PlaceOf(double t, int interval, std::size_t count) {
  // Grid times and whole intervals give a quotient that is either whole or
  // clearly not, so the floor picks the instant the hold stage picks.
  const double u = t / interval;
  if (!(u > 0)) return {0, 0.0};
  const double n = std::floor(u);
  if (n >= double(count - 1)) return {count - 1, 0.0};
  return {std::size_t(n), u - n};
}

template <typename ValueAt>
std::vector<double> Each(const TSampleRecord& record, std::span<const double> times, ValueAt valueAt) {
  std::vector<double> out(times.size(), 0.0);
  if (record.values.empty()) return out;
  const int interval = RecordInterval(record);
  for (std::size_t i = 0; i < times.size(); ++i)
    out[i] = std::isfinite(times[i]) ? valueAt(PlaceOf(times[i], interval, record.values.size()))
                                     : std::numeric_limits<double>::quiet_NaN();
  return out;
}

}  // namespace

std::vector<double> HoldReconstruction(const TSampleRecord& record, std::span<const double> times) {
  return Each(record, times, [&](TPlace p) { return record.values[p.n]; });
}

std::vector<double> LinearReconstruction(const TSampleRecord& record, std::span<const double> times) {
  const std::vector<double>& y = record.values;
  return Each(record, times, [&](TPlace p) {
    return p.fraction == 0 ? y[p.n] : y[p.n] + (y[p.n + 1] - y[p.n]) * p.fraction;
  });
}

}  // namespace quantora
