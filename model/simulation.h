#pragma once
// One run of the discretization model: the analog signal on the time grid, the
// held and quantized signal, their difference and the sampling instants.

#include <array>
#include <cstdint>
#include <vector>

#include "model/chain_settings.h"
#include "model/signal_form.h"

namespace quantora {

// The simulated record: 0 to 1000 ns. The sampling instants lie below its end.
inline constexpr double kRecordNs = 1000.0;

// The time grid: t_i = i * 1000 / 2048 ns for i = 1 .. NumPoints (t = 0 is not on it).
inline constexpr int NumPoints = 2048;

// t_i, exact: the product i * 1000 is formed as an integer, then divided.
constexpr double GridTime(int i) { return static_cast<double>(i * 1000) / NumPoints; }

// HoldTime(GridTime(i), interval) in whole numbers. A grid time is exact (the
// grid has a power of two of points), and its quotient by the interval is a
// fraction with denominator NumPoints * interval: when it is not whole, it is
// at least that far from every whole number, far beyond the rounding of the
// extended division, which therefore truncates to the same whole number.
constexpr double GridHoldTime(int i, int interval) {
  static_assert((NumPoints & (NumPoints - 1)) == 0, "grid times are exact binary fractions");
  const std::int64_t instants = std::int64_t(i) * 1000 / (std::int64_t(NumPoints) * interval);
  return static_cast<double>(instants * interval);
}

// Guards the loop over the sampling instants against an unbounded axis end; the
// application's axis ends at 1000 ns, which gives at most 1000 instants.
inline constexpr std::int64_t MaxSampleTimes = 1 << 20;

using TSeries = std::array<double, NumPoints>;  // entry i - 1 belongs to t_i

struct TSimulationResult {
  TSeries Analog{};   // the analog signal s(t_i)
  TSeries Held{};     // h_i: the signal at the hold instant of t_i, before quantizing
  TSeries Sampled{};  // q_i: h_i quantized
  TSeries Error{};    // s(t_i) - q_i, filled whatever is displayed
  std::vector<std::int64_t> SampleTimes;  // 0, T, 2T, ... while below xMax, in ns
};

// The sampling instants 0, T, 2T, ... that lie below xMax (at most MaxSampleTimes).
// An interval below 1 ns is taken as 1 ns, so the count is always finite.
std::int64_t SampleTimeCount(int interval, double xMax);

// Fills `result` for the settings (waveform, sampling interval T in ns,
// resolution in bits, signal chain) and upper end of the time axis. T below 1
// is taken as 1 (the window never passes one); bits are clamped by the
// quantizer. Reuses result's storage.
void ComputeSeries(const TSimulationSettings& settings, double xMax, TSimulationResult& result);
// The same through the design's ideal chain.
inline void ComputeSeries(TSignalForm form, int interval, int bits, double xMax, TSimulationResult& result) {
  ComputeSeries(TSimulationSettings{form, interval, bits, {}}, xMax, result);
}

// A stretch of the time axis and the number of grid points laid over it:
// t_i = from + i * (to - from) / points for i = 1 .. points (t = from itself is
// not on it, as t = 0 is not on the design's grid; t_points is `to`). The
// default is the design's grid, on which WindowTime(i) equals GridTime(i).
struct TTimeWindow {
  double from = 0.0;
  double to = kRecordNs;
  int points = NumPoints;
  bool operator==(const TTimeWindow&) const = default;
};

// t_i of the window, 1 <= i <= points.
double WindowTime(const TTimeWindow& window, int i);

// One point of the curves as a zoomed chart draws them.
struct TPlotPoint {
  double t = 0, analog = 0, sampled = 0, error = 0;
};

// The model over a window: the same series as ComputeSeries, on the window's grid.
struct TWindowResult {
  TTimeWindow window;
  std::vector<double> Time, Analog, Held, Sampled, Error;  // entry i - 1 belongs to t_i
  std::vector<std::int64_t> SampleTimes;  // the sampling instants in [from, to] below xMax
  // The curves exactly: the point at `from`, then the grid points, and at every
  // instant the hold stage takes inside the window two points at that time, the
  // level held up to it and the new one. So the staircase has vertical risers at
  // the instants and flat treads, and the error jumps there as well.
  std::vector<TPlotPoint> Plot;
};

// Fills `result` over `window` (points below 1 are taken as 1). On the design's
// window the grid series are bit for bit those of ComputeSeries.
void ComputeSeriesOver(const TSimulationSettings& settings, double xMax, const TTimeWindow& window,
                       TWindowResult& result);
inline void ComputeSeriesOver(TSignalForm form, int interval, int bits, double xMax, const TTimeWindow& window,
                              TWindowResult& result) {
  ComputeSeriesOver(TSimulationSettings{form, interval, bits, {}}, xMax, window, result);
}

}  // namespace quantora
