#include "app/plotting.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <span>

#include "reconstruction/reconstructed_series.h"
#include "chart/rchart.h"
#include "drawbase/colors.h"

namespace quantora {
namespace {

constexpr int kErrorLayer = 2;
constexpr int kMaxErrorExponent = 52;
constexpr double kErrorFill = 0.9;   // share of the error axis the largest error may take
constexpr int kErrorAxisRoom = 45;  // pixels for the labels of the error axis
// A reconstruction other than the staircase: its curve, and the analog signal
// it is compared with as a quiet reference beneath it.
constexpr vqm::TColor kReconstructionColor = vqm::clGreen;
constexpr vqm::TColor kAnalogCopyColor = vqm::clSilver;

// The design grid's times t_1 .. t_NumPoints.
const std::array<double, NumPoints>& GridTimes() {
  static const std::array<double, NumPoints> times = [] {
    std::array<double, NumPoints> t{};
    for (int i = 1; i <= NumPoints; ++i) t[std::size_t(i - 1)] = GridTime(i);
    return t;
  }();
  return times;
}

// A curve over the whole time grid, continuing from the pen position (the
// origin, so every curve starts with a segment from (0, 0)).
void AppendCurve(vqm::TCustomRChart& chart, const TSeries& values) { chart.DrawTo(GridTimes(), values); }

// A curve through every exact point, from the window's left end.
template <typename Value>
void AppendExactCurve(vqm::TCustomRChart& chart, const std::vector<TPlotPoint>& points, Value value) {
  chart.MoveTo(points.front().t, value(points.front()));
  for (std::size_t i = 1; i < points.size(); ++i) chart.DrawTo(points[i].t, value(points[i]));
}

// The staircase through its corners: the window's two ends and both points of
// every riser. The grid points between lie on the flat treads and add nothing.
void AppendStaircase(vqm::TCustomRChart& chart, const std::vector<TPlotPoint>& points) {
  chart.MoveTo(points.front().t, points.front().sampled);
  for (std::size_t k = 1; k < points.size(); ++k) {
    const bool last = k + 1 == points.size();
    if (last || points[k].sampled != points[k - 1].sampled || points[k].sampled != points[k + 1].sampled)
      chart.DrawTo(points[k].t, points[k].sampled);
  }
}

// Red marks from `low` to `high` at the instants.
void AppendMarks(vqm::TCustomRChart& chart, const std::vector<std::int64_t>& instants, double low = -1.0,
                 double high = 1.0) {
  chart.SetDataColor(vqm::clRed);
  for (const std::int64_t instant : instants) {
    const double x = static_cast<double>(instant);
    chart.Line(x, low, x, high);
  }
}

// Over a zoomed window the marks keep their designed share of the amplitude
// axis (2 V of 11 V) about its middle, so that they stay in sight at any zoom;
// on the designed axis that is -1 V .. +1 V.
void AppendVisibleMarks(vqm::TCustomRChart& chart, const std::vector<std::int64_t>& instants) {
  const vqm::TScaleProps& y = *chart.Scale1Y();
  const double middle = (y.RangeLow() + y.RangeHigh()) / 2;
  const double half = std::fabs(y.RangeHigh() - y.RangeLow()) / 11;
  AppendMarks(chart, instants, middle - half, middle + half);
}

// The series a chart is drawn from: the design's grid, or another window.
struct TRun {
  const TSimulationResult* design = nullptr;
  const TWindowResult* window = nullptr;
};

void PlotAnalog(const TRecomputeInputs& in, const TRun& run, vqm::TCustomRChart& chart) {
  chart.ClearItems();
  chart.SetDataColor(vqm::clBlack);
  if (run.design) {
    chart.MoveTo(0.0, 0.0);
    AppendCurve(chart, run.design->Analog);
    if (in.options.showPoints) AppendMarks(chart, run.design->SampleTimes);
  } else if (run.window) {
    AppendExactCurve(chart, run.window->Plot, [](const TPlotPoint& p) { return p.analog; });
    if (in.options.showPoints) AppendVisibleMarks(chart, run.window->SampleTimes);
  }
  chart.ShowItems();
}

// Layer 2 carries the magnified error: the time range of layer 1, amplitudes
// centred on 0 V. Its axis shows only while it is used.
std::optional<int> FitErrorLayer(const TRecomputeInputs& in, const TRun& run, const TReconstructedSeries* curve,
                                 vqm::TCustomRChart& chart) {
  const bool on = in.scaleError && in.options.showError && (run.design || run.window);
  if (chart.Scale2Y()->Visible() != on) {  // room on the right for the error's labels while it shows
    chart.SetMarginRight(chart.MarginRight() + (on ? kErrorAxisRoom : -kErrorAxisRoom));
    chart.Scale2Y()->SetVisible(on);
  }
  if (!on) return std::nullopt;
  const vqm::TScaleProps& x = *chart.Scale1X();
  const vqm::TScaleProps& y = *chart.Scale1Y();
  double largest = 0;
  if (curve)
    for (std::size_t i = 0; i < curve->time.size(); ++i) largest = std::max(largest, std::fabs(curve->Error(i)));
  else if (run.design)
    for (double e : run.design->Error) largest = std::max(largest, std::fabs(e));
  else
    for (const TPlotPoint& p : run.window->Plot) largest = std::max(largest, std::fabs(p.error));
  const double span = std::fabs(y.RangeHigh() - y.RangeLow());
  const int k = ErrorScaleExponent(largest, span);
  const double half = std::ldexp(span / 2, -k);
  chart.ApplyLayerRange(kErrorLayer, x.RangeLow(), -half, x.RangeHigh(), half, false);
  return k;
}

// The curve a reconstruction other than the staircase draws; none for the
// staircase or nothing to show.
std::optional<TReconstructedSeries> ReconstructionOf(const TRecomputeInputs& in, const TRun& run) {
  const TReconstruction kind = in.options.reconstruction;
  if (kind == TReconstruction::rcHold) return std::nullopt;
  if (run.design) return ReconstructedSeries(kind, in.settings, in.xMax, *run.design);
  if (run.window) return ReconstructedSeries(kind, in.settings, in.xMax, *run.window);
  return std::nullopt;
}

// A curve through (time[i], value[i]), from its first point.
void AppendPolyline(vqm::TCustomRChart& chart, std::span<const double> time, std::span<const double> value) {
  if (time.empty() || value.empty()) return;
  chart.MoveTo(time.front(), value.front());
  chart.DrawTo(time.subspan(1), value.subspan(1));
}

// The grey analog copy, then the reconstruction (when the sampled signal is
// shown) and its error (when that is shown) from the first point of the curve.
void AppendReconstruction(const TRecomputeInputs& in, const TReconstructedSeries& curve, std::optional<int> scale,
                          vqm::TCustomRChart& chart) {
  chart.SetDataColor(kAnalogCopyColor);
  AppendPolyline(chart, curve.time, curve.analog);
  if (in.options.showSampled) {
    chart.SetDataColor(kReconstructionColor);
    AppendPolyline(chart, curve.time, curve.output);
  }
  if (in.options.showError) {
    chart.SetDataColor(vqm::clBlue);
    if (scale) chart.SetActiveLayer(kErrorLayer);
    std::vector<double> error(curve.time.size());
    for (std::size_t i = 0; i < error.size(); ++i) error[i] = curve.Error(i);
    AppendPolyline(chart, curve.time, error);
    chart.SetActiveLayer(1);
  }
}

std::optional<int> PlotSampled(const TRecomputeInputs& in, const TRun& run, vqm::TCustomRChart& chart) {
  const std::optional<TReconstructedSeries> curve = ReconstructionOf(in, run);
  const std::optional<int> scale = FitErrorLayer(in, run, curve ? &*curve : nullptr, chart);
  chart.ClearItems();
  if (curve) {
    AppendReconstruction(in, *curve, scale, chart);
    chart.ShowItems();
    return scale;
  }
  chart.SetDataColor(vqm::clBlack);
  if (run.design) {
    chart.MoveTo(0.0, 0.0);  // even when nothing follows
    if (in.options.showSampled) AppendCurve(chart, run.design->Sampled);
  } else if (run.window && in.options.showSampled) {
    AppendStaircase(chart, run.window->Plot);
  }
  if (in.options.showError && (run.design || run.window)) {
    chart.SetDataColor(vqm::clBlue);
    if (scale) chart.SetActiveLayer(kErrorLayer);
    if (run.design) {
      chart.MoveTo(0.0, 0.0);
      AppendCurve(chart, run.design->Error);
    } else {
      AppendExactCurve(chart, run.window->Plot, [](const TPlotPoint& p) { return p.error; });
    }
    chart.SetActiveLayer(1);
  }
  chart.ShowItems();
  return scale;
}

// The series of one chart, taken from `runs` (which keeps them).
TRun RunFor(const TRecomputeInputs& inputs, const vqm::TCustomRChart& chart, TWindowRuns& runs) {
  const std::optional<TTimeWindow> window = VisibleWindow(chart);
  TRun run;
  if (window && *window == TTimeWindow{})
    run.design = &runs.DesignRun(inputs.settings, inputs.xMax);
  else if (window)
    run.window = &runs.Run(inputs.settings, inputs.xMax, *window);
  return run;
}

}  // namespace

std::optional<TTimeWindow> VisibleWindow(const vqm::TCustomRChart& chart) {
  const vqm::TScaleProps& x = *chart.Scale1X();
  const double from = std::max(0.0, std::min(x.RangeLow(), x.RangeHigh()));
  const double to = std::min(TTimeWindow{}.to, std::max(x.RangeLow(), x.RangeHigh()));
  if (!(from < to)) return std::nullopt;
  const TTimeWindow window{from, to, NumPoints};
  if (window == TTimeWindow{}) return window;
  return TTimeWindow{from, to, std::max(NumPoints, chart.DataWidth())};
}

int ErrorScaleExponent(double largestError, double span) {
  if (!(largestError > 0) || !(span > 0)) return 0;
  const double room = kErrorFill * span / 2 / largestError;
  if (room < 2) return 0;
  return std::min(kMaxErrorExponent, int(std::floor(std::log2(room))));
}

bool TWindowRuns::TRunKey::Is(const TSimulationSettings& s, double x) const {
  return settings == s && xMax == x;
}

const TWindowResult& TWindowRuns::Run(const TSimulationSettings& settings, double xMax, const TTimeWindow& window) {
  if (!fKey || !fKey->Is(settings, xMax) || !(fResult.window == window)) {
    ComputeSeriesOver(settings, xMax, window, fResult);
    fKey = TRunKey{settings, xMax};
  }
  return fResult;
}

const TSimulationResult& TWindowRuns::DesignRun(const TSimulationSettings& settings, double xMax) {
  if (!fDesign) fDesign = std::make_unique<TSimulationResult>();
  if (!fDesignKey || !fDesignKey->Is(settings, xMax)) {
    ComputeSeries(settings, xMax, *fDesign);
    fDesignKey = TRunKey{settings, xMax};
  }
  return *fDesign;
}

void PlotAnalogChart(const TRecomputeInputs& inputs, vqm::TCustomRChart& chart, TWindowRuns* runs) {
  TWindowRuns own;
  PlotAnalog(inputs, RunFor(inputs, chart, runs ? *runs : own), chart);
}

std::optional<int> PlotSampledChart(const TRecomputeInputs& inputs, vqm::TCustomRChart& chart, TWindowRuns* runs) {
  TWindowRuns own;
  return PlotSampled(inputs, RunFor(inputs, chart, runs ? *runs : own), chart);
}

TQuantizationFigures Recompute(const TRecomputeInputs& inputs, vqm::TCustomRChart& analogChart,
                               vqm::TCustomRChart& sampledChart) {
  TWindowRuns runs;  // one model run for both charts and the figures
  PlotAnalogChart(inputs, analogChart, &runs);
  PlotSampledChart(inputs, sampledChart, &runs);
  return WholeAxisFigures(inputs, &runs);
}

TQuantizationFigures WholeAxisFigures(const TRecomputeInputs& inputs, TWindowRuns* runs) {
  TWindowRuns own;
  return QuantizationFigures(inputs.settings.bits, (runs ? *runs : own).DesignRun(inputs.settings, inputs.xMax),
                             inputs.settings.chain.generator.amplitudeV);
}

}  // namespace quantora
