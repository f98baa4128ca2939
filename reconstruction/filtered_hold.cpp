#include "reconstruction/filtered_hold.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numbers>
#include <vector>

#include "reconstruction/butterworth.h"

namespace quantora {
namespace {

// The steps of the durations asked for, each made once: a grid's steps from
// the instants repeat with the pattern of grid and interval, and the steps
// along the grid are of one length. An open-addressed table on the duration's
// bits: a general-purpose map's hashing and buckets cost more than the lookup
// saves on a grid of a few thousand points.
class TStepCache {
 public:
  explicit TStepCache(const TButterworthLowPass& filter) : fFilter(filter), fSlots(kFirstSlots) {}

  // Valid until the next call.
  const TFilterStep& Over(double durationNs) {
    const auto key = std::bit_cast<std::uint64_t>(durationNs);
    std::size_t i = SlotOf(key);
    for (; fSlots[i].used; i = (i + 1) & (fSlots.size() - 1))
      if (fSlots[i].key == key) return fSlots[i].step;
    if (2 * (fUsed + 1) > fSlots.size()) {  // at most half full, so that probes stay short
      Grow();
      return Over(durationNs);
    }
    ++fUsed;
    fSlots[i] = {true, key, fFilter.StepOver(durationNs)};
    return fSlots[i].step;
  }

 private:
  static constexpr std::size_t kFirstSlots = 256;  // a power of two
  struct TSlot {
    bool used = false;
    std::uint64_t key = 0;
    TFilterStep step;
  };

  std::size_t SlotOf(std::uint64_t key) const {
    const int bits = std::countr_zero(fSlots.size());
    return std::size_t((key * 0x9E3779B97F4A7C15ull) >> (64 - bits));  // Fibonacci hashing
  }

  void Grow() {
    std::vector<TSlot> old(fSlots.size() * 2);
    old.swap(fSlots);
    for (const TSlot& slot : old) {
      if (!slot.used) continue;
      std::size_t i = SlotOf(slot.key);
      while (fSlots[i].used) i = (i + 1) & (fSlots.size() - 1);
      fSlots[i] = slot;
    }
  }

  const TButterworthLowPass& fFilter;
  std::vector<TSlot> fSlots;
  std::size_t fUsed = 0;
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
