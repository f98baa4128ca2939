#include "app/model/simulation.h"

#include <algorithm>

#include "app/model/quantizer.h"
#include "app/model/waveforms.h"

namespace quantora {
namespace {

int ValidInterval(int interval) { return std::max(interval, 1); }

}  // namespace

std::int64_t SampleTimeCount(int interval, double xMax) {
  const int step = ValidInterval(interval);
  std::int64_t count = 0;
  // Counted exactly as the instants are produced: n = 0, T, 2T, ... while n < xMax.
  for (std::int64_t n = 0; static_cast<double>(n) < xMax && count < MaxSampleTimes; n += step)
    ++count;
  return count;
}

void ComputeSeries(TSignalForm form, int interval, int bits, double xMax,
                   TSimulationResult& result) {
  const int step = ValidInterval(interval);

  for (int i = 1; i <= NumPoints; ++i) result.Analog[i - 1] = SignalValue(form, GridTime(i));

  // Consecutive grid points share their hold instant; the held, quantized value
  // is a function of the instant alone, so it is computed once per instant.
  double lastHeld = -1.0;
  double heldValue = 0.0;
  double heldLevel = 0.0;
  for (int i = 1; i <= NumPoints; ++i) {
    const double held = HoldTime(GridTime(i), step);
    if (held != lastHeld) {
      heldValue = HeldSignalValue(form, held);
      heldLevel = Quantize(bits, heldValue);
      lastHeld = held;
    }
    result.Held[i - 1] = heldValue;
    result.Sampled[i - 1] = heldLevel;
    result.Error[i - 1] =
        static_cast<double>(static_cast<long double>(result.Analog[i - 1]) - heldLevel);
  }

  const std::int64_t count = SampleTimeCount(step, xMax);
  result.SampleTimes.resize(static_cast<std::size_t>(count));
  for (std::int64_t k = 0; k < count; ++k) result.SampleTimes[k] = k * step;
}

}  // namespace quantora
