#include "reconstruction/filtered_hold.h"

#include <cmath>
#include <limits>
#include <numbers>
#include <unordered_map>

#include "reconstruction/butterworth.h"

namespace quantora {
namespace {

// The steps of the durations asked for, each made once: a grid's steps from
// the instants repeat with the pattern of grid and interval, and the steps
// along the grid are of one length.
class TStepCache {
 public:
  explicit TStepCache(const TButterworthLowPass& filter) : fFilter(filter) {}
  const TFilterStep& Over(double durationNs) {
    const auto [at, made] = fSteps.try_emplace(durationNs);
    if (made) at->second = fFilter.StepOver(durationNs);
    return at->second;
  }

 private:
  const TButterworthLowPass& fFilter;
  std::unordered_map<double, TFilterStep> fSteps;
};

}  // namespace

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

  // A time in the same piece as the one before it, and later, goes on from
  // that one's state: along a grid that is one step of the same length.
  TStepCache steps(filter);
  std::size_t lastPiece = y.size();
  double lastTime = 0;
  TFilterState lastState{};
  for (std::size_t i = 0; i < times.size(); ++i) {
    const double t = times[i];
    if (!std::isfinite(t)) {
      out[i] = std::numeric_limits<double>::quiet_NaN();
      continue;
    }
    if (t <= 0) continue;  // at rest
    // From the last instant at or before t (the record's last one beyond it),
    // with that instant's sample held.
    const double n = std::min(std::floor(t / interval), double(y.size() - 1));
    const auto piece = std::size_t(n);
    const bool goesOn = piece == lastPiece && t >= lastTime;
    const TFilterStep& step = steps.Over(goesOn ? t - lastTime : t - n * interval);
    lastState = filter.Advance(goesOn ? lastState : atInstant[piece], step, y[piece]);
    lastPiece = piece;
    lastTime = t;
    out[i] = filter.Output(lastState);
  }
  return out;
}

}  // namespace quantora
