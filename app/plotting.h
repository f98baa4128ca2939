#pragma once
// Recompute: the one operation every input change runs. It runs the model and
// rebuilds the display lists of both simulation charts from scratch, each over
// the time range it shows.

#include <limits>
#include <memory>
#include <optional>

#include "model/quantization_figures.h"
#include "model/simulation.h"
#include "app/simulation_settings.h"

namespace vqm {
class TCustomRChart;
}

namespace quantora {

struct TRecomputeInputs {
  TSimulationSettings settings;  // waveform, sampling interval, resolution
  TPlotOptions options;
  double xMax = 1000.0;          // upper end of the analog chart's time axis
  // The error on an axis of its own, magnified by a power of two (see PlotSampledChart).
  bool scaleError = false;
};

// The last run of the model over a window. The two charts mostly show the same
// time range, and a pan or zoom replots both: the second one takes the run of
// the first instead of running the model again.
class TWindowRuns {
 public:
  const TWindowResult& Run(const TSimulationSettings& settings, double xMax, const TTimeWindow& window);
  // The run over the design's grid, shared the same way by both charts and the
  // quantization figures.
  const TSimulationResult& DesignRun(const TSimulationSettings& settings, double xMax);

 private:
  struct TRunKey {
    TSimulationSettings settings;
    double xMax = 0;
    bool Is(const TSimulationSettings& s, double x) const;
  };
  std::optional<TRunKey> fKey;
  TWindowResult fResult;
  std::optional<TRunKey> fDesignKey;
  std::unique_ptr<TSimulationResult> fDesign;  // about 64 KiB: off the stack
};

// The time window a chart shows: its time range clipped to the model's 0 ..
// 1000 ns, nothing when no part of that is visible. The whole of it is the
// design's grid; any other range gets as many points as that grid has, or as
// the chart's data area is wide in pixels when that is more.
std::optional<TTimeWindow> VisibleWindow(const vqm::TCustomRChart& chart);

// The largest k >= 0 (at most 52) for which the error magnified 2^k times
// still fits into the middle 90 % of an axis `span` wide, centred on 0 V;
// 0 for an error of 0.
int ErrorScaleExponent(double largestError, double span);

// The analog chart over its window. On the design's grid: MoveTo(0, 0), the
// analog curve, then a red mark from -1 V to +1 V at every sampling instant
// below xMax (when asked). Over any other window the curve starts at the
// window's left end and runs through every point of the exact curves, and the
// marks are those of the instants in the window.
// `runs`, when given, keeps the run over a zoomed window for the other chart.
void PlotAnalogChart(const TRecomputeInputs& inputs, vqm::TCustomRChart& chart, TWindowRuns* runs = nullptr);

// The sampled chart over its window. On the design's grid: MoveTo(0, 0), the
// staircase through the grid points (when asked), then MoveTo(0, 0) and the
// blue error curve (when asked). Over any other window both curves run through
// the exact points: flat treads, vertical risers at the instants. With
// scaleError the error goes to layer 2, whose vertical axis (blue, on the
// right) is centred on 0 V and 2^k times finer than the signal's; returns k,
// or nothing when the error is drawn on the signal's axis.
std::optional<int> PlotSampledChart(const TRecomputeInputs& inputs, vqm::TCustomRChart& chart,
                                    TWindowRuns* runs = nullptr);

// The quantization figures of the setting over the whole time axis, whatever the charts show.
TQuantizationFigures WholeAxisFigures(const TRecomputeInputs& inputs, TWindowRuns* runs = nullptr);

// Both charts, each over its own window, and the quantization figures of the
// whole run, which the window shows beside the resolution.
TQuantizationFigures Recompute(const TRecomputeInputs& inputs, vqm::TCustomRChart& analogChart,
                               vqm::TCustomRChart& sampledChart);

}  // namespace quantora
