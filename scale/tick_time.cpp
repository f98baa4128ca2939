// The time generator: axis values are seconds, labels hours:minutes:seconds, the
// step taken from a table of clock-friendly steps.
#include <array>
#include <cmath>

#include "scale/tick_generators.h"
#include "scale/tick_math.h"
#include "scale/tick_text.h"

namespace vqm::detail {

namespace {

struct TTimeStep {
  double Seconds;
  int Subdivisions;
};

// Index 0 is never chosen; 28 (a day) means the range is too long for clock labels.
constexpr std::array<TTimeStep, 29> kTimeSteps = {{
    {0, 1},       {0.001, 5}, {0.002, 4}, {0.005, 5}, {0.01, 5},  {0.02, 4},  {0.05, 5},   {0.1, 5},
    {0.2, 4},     {0.5, 5},   {1, 5},     {2, 4},     {5, 5},     {10, 5},    {20, 4},     {30, 6},
    {60, 6},      {120, 6},   {180, 6},   {300, 5},   {600, 5},   {1200, 6},  {1800, 6},   {3600, 6},
    {7200, 4},    {14400, 4}, {21600, 6}, {43200, 6}, {86400, 6},
}};
constexpr int kDayIndex = 28;
// Steps up to this index (half a second) show milliseconds.
constexpr int kLastMillisecondIndex = 9;

// The bound moved outward by the relative tolerance, in the axis direction.
double OutwardLimit(double bound, double outwardSign) {
  const bool growsAway = (bound > 0) == (outwardSign > 0);
  return growsAway ? bound / kTickTolerance : bound * kTickTolerance;
}

}  // namespace

bool GenerateTimeTicks(TTickSink& sink) {
  const TTickOptions& o = sink.Options;
  const double low = o.Range.Low, high = o.Range.High;
  const double d = low < high ? 1.0 : -1.0;
  const double quotient = std::fabs(high - low) / o.MinTicks;
  int index = kDayIndex;
  while (index > 0 && kTimeSteps[size_t(index)].Seconds > quotient) --index;
  if (index == kDayIndex || index == 0) return false;
  sink.SetGenerator(TTickGenerator::Time);

  const double step = d * kTimeSteps[size_t(index)].Seconds;
  const double shortStep = step / kTimeSteps[size_t(index)].Subdivisions;
  const double first = std::floor((low / step) / kTickTolerance) * step;
  // Enough short steps to pass the far end from `first`, which may lie a whole
  // step before the near end (negative or reversed ranges).
  const int count = int(std::fmin(std::trunc((high - first) / shortStep), kMaxTicksPerPass)) + 2;
  // Both limits lie a hair outside the range, whichever way the axis runs.
  const double lowLimit = OutwardLimit(low, -d), highLimit = OutwardLimit(high, d);
  const auto inRange = [&](double v) { return !(d * lowLimit > d * v) && d * highLimit >= d * v; };
  const bool withMilliseconds = index <= kLastMillisecondIndex;

  for (int k = 0; k <= count && !sink.Full(); ++k) {
    const double v = first + k * shortStep;
    if (!inRange(v)) continue;
    if (o.ShortTicks) sink.Add(v, TTickKind::Short, kShortTickLength, true, true);
    const double ratio = v / step;
    if (std::fabs(ratio - std::round(ratio)) < 0.01) {
      TTick& tick = sink.Add(v, TTickKind::Major, sink.MajorLength(), true, !o.ShortTicks);
      tick.HasLabel = true;
      tick.Label = SecondsToText(v, withMilliseconds);
    }
  }
  return true;
}

}  // namespace vqm::detail
