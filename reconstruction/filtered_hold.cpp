#include "reconstruction/filtered_hold.h"

#include <cmath>
#include <limits>
#include <numbers>

#include "reconstruction/butterworth.h"

namespace quantora {

std::vector<double> FilteredHoldReconstruction(const TSampleRecord& record, std::span<const double> times) {
  std::vector<double> out(times.size(), 0.0);
  const std::vector<double>& y = record.values;
  if (y.empty()) return out;
  const int interval = RecordInterval(record);
  const TButterworthLowPass filter(std::numbers::pi / interval);  // fs/2 in rad/ns

  // The state at every instant n T, one exact step of T after the other.
  std::vector<TFilterState> atInstant(y.size());
  const TFilterStep whole = filter.StepOver(interval);
  for (std::size_t n = 1; n < y.size(); ++n) atInstant[n] = filter.Advance(atInstant[n - 1], whole, y[n - 1]);

  for (std::size_t i = 0; i < times.size(); ++i) {
    const double t = times[i];
    if (!std::isfinite(t)) {
      out[i] = std::numeric_limits<double>::quiet_NaN();
      continue;
    }
    if (t <= 0) continue;  // at rest
    // From the last instant at or before t (the record's last one beyond it),
    // with that instant's sample held.
    const double last = double(y.size() - 1);
    const double n = std::min(std::floor(t / interval), last);
    const double since = t - n * interval;
    const auto k = std::size_t(n);
    out[i] = filter.Output(filter.Advance(atInstant[k], filter.StepOver(since), y[k]));
  }
  return out;
}

}  // namespace quantora
