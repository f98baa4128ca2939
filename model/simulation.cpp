#include "model/simulation.h"

#include <algorithm>
#include <cmath>

#include "model/grid_signal.h"
#include "model/signal_chain.h"
#include "model/waveforms.h"

namespace quantora {
namespace {

int ValidInterval(int interval) { return std::max(interval, 1); }

// The level the converter gives for the value held from instant `held` on.
double LevelAt(const TSignalChain& chain, double held) { return chain.Output(chain.Held(held), held); }

// The four series at `points` grid points: `analogAt(i)` gives the signal at
// t_i, `holdAt(i)` the instant whose value is held at t_i, and `heldAt(h)` the
// signal held from instant h. Consecutive grid points share their hold
// instant; the held, quantized value is a function of the instant alone, so it
// is computed once per instant.
template <typename HoldAt, typename AnalogAt, typename HeldAt>
void FillSeries(const TSignalChain& chain, int points, HoldAt holdAt, AnalogAt analogAt, HeldAt heldAt,
                double* analog, double* heldOut, double* sampled, double* error) {
  for (int i = 1; i <= points; ++i) analog[i - 1] = analogAt(i);
  double lastHeld = -1.0;
  double heldValue = 0.0;
  double heldLevel = 0.0;
  for (int i = 1; i <= points; ++i) {
    const double held = holdAt(i);
    if (held != lastHeld) {
      heldValue = heldAt(held);
      heldLevel = chain.Output(heldValue, held);
      lastHeld = held;
    }
    heldOut[i - 1] = heldValue;
    sampled[i - 1] = heldLevel;
    error[i - 1] = static_cast<double>(static_cast<long double>(analog[i - 1]) - heldLevel);
  }
}

// The series with every value evaluated afresh.
template <typename TimeAt>
void FillSeries(const TSignalChain& chain, int points, TimeAt timeAt, double* analog, double* heldOut,
                double* sampled, double* error) {
  FillSeries(
      chain, points, [&](int i) { return HoldTime(timeAt(i), chain.Interval()); },
      [&](int i) { return chain.Analog(timeAt(i)); }, [&](double held) { return chain.Held(held); }, analog,
      heldOut, sampled, error);
}

TPlotPoint PointAt(double t, double analog, double level) {
  return {t, analog, level, static_cast<double>(static_cast<long double>(analog) - level)};
}

// Bounds the risers of a window far wider than the time axis.
constexpr std::size_t kMaxPlotPoints = 4 * MaxSampleTimes;

// The grid points with a riser at every instant the hold stage takes after
// `from`: an instant goes in front of the first grid point that holds it.
void FillPlot(const TSignalChain& chain, TWindowResult& r) {
  const TTimeWindow& w = r.window;
  const int step = chain.Interval();
  r.Plot.clear();
  r.Plot.reserve(r.Time.size() + 1 + 2 * std::size_t(std::max(0.0, (w.to - w.from) / step + 2)));
  const double firstHeld = HoldTime(w.from, step);
  r.Plot.push_back(PointAt(w.from, chain.Analog(w.from), LevelAt(chain, firstHeld)));
  double previous = firstHeld;
  double level = r.Plot.back().sampled;
  for (std::size_t i = 0; i < r.Time.size(); ++i) {
    const double held = HoldTime(r.Time[i], step);
    for (double instant = previous + step; instant <= held && r.Plot.size() < kMaxPlotPoints; instant += step) {
      const double analog = chain.Analog(instant);
      r.Plot.push_back(PointAt(instant, analog, level));
      level = LevelAt(chain, instant);
      r.Plot.push_back(PointAt(instant, analog, level));
    }
    previous = std::max(previous, held);
    r.Plot.push_back({r.Time[i], r.Analog[i], r.Sampled[i], r.Error[i]});
    level = r.Sampled[i];
  }
}

}  // namespace

std::int64_t SampleTimeCount(int interval, double xMax) {
  const int step = ValidInterval(interval);
  std::int64_t count = 0;
  // Counted exactly as the instants are produced: n = 0, T, 2T, ... while n < xMax.
  for (std::int64_t n = 0; static_cast<double>(n) < xMax && count < MaxSampleTimes; n += step)
    ++count;
  return count;
}

void ComputeSeries(const TSimulationSettings& settings, double xMax, TSimulationResult& result) {
  const TSignalChain chain(settings);
  const int step = chain.Interval();
  // The design's grid reads the waveform's table while the generator is the
  // design's: every hold instant on it is a whole number of ns from 0 to 1000.
  const TGridSignal* table = settings.chain.generator == TGeneratorSettings{} ? GridSignal(settings.form) : nullptr;
  if (table)
    FillSeries(
        chain, NumPoints, [step](int i) { return GridHoldTime(i, step); },
        [&](int i) { return table->analog[std::size_t(i - 1)]; },
        [&](double held) { return chain.Held(held, table->held[std::size_t(held)]); }, result.Analog.data(),
        result.Held.data(), result.Sampled.data(), result.Error.data());
  else
    FillSeries(chain, NumPoints, GridTime, result.Analog.data(), result.Held.data(), result.Sampled.data(),
               result.Error.data());

  const std::int64_t count = SampleTimeCount(step, xMax);
  result.SampleTimes.resize(static_cast<std::size_t>(count));
  for (std::int64_t k = 0; k < count; ++k) result.SampleTimes[k] = k * step;
}

double WindowTime(const TTimeWindow& window, int i) {
  if (i >= window.points) return window.to;
  return window.from + (i * (window.to - window.from)) / window.points;
}

void ComputeSeriesOver(const TSimulationSettings& settings, double xMax, const TTimeWindow& window,
                       TWindowResult& result) {
  const TSignalChain chain(settings);
  const int step = chain.Interval();
  result.window = window;
  result.window.points = std::max(window.points, 1);
  const auto points = static_cast<std::size_t>(result.window.points);
  for (auto* series : {&result.Time, &result.Analog, &result.Held, &result.Sampled, &result.Error})
    series->resize(points);
  for (std::size_t i = 1; i <= points; ++i) result.Time[i - 1] = WindowTime(result.window, int(i));
  FillSeries(chain, int(points), [&](int i) { return result.Time[std::size_t(i - 1)]; }, result.Analog.data(),
             result.Held.data(), result.Sampled.data(), result.Error.data());

  result.SampleTimes.clear();
  const double first = std::max(0.0, std::ceil(window.from / step));
  for (std::int64_t n = std::int64_t(first) * step;
       double(n) <= window.to && double(n) < xMax && std::int64_t(result.SampleTimes.size()) < MaxSampleTimes; n += step)
    result.SampleTimes.push_back(n);
  FillPlot(chain, result);
}

}  // namespace quantora
