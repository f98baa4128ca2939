#include "app/plotting.h"

#include "app/model/simulation.h"
#include "chart/rchart.h"
#include "drawbase/colors.h"

namespace quantora {
namespace {

// A curve over the whole time grid, continuing from the pen position (the
// origin, so every curve starts with a segment from (0, 0)).
void AppendCurve(vqm::TCustomRChart& chart, const TSeries& values) {
  for (int i = 1; i <= NumPoints; ++i) chart.DrawTo(GridTime(i), values[i - 1]);
}

void PlotAnalog(const TSimulationResult& series, const TPlotOptions& options,
                vqm::TCustomRChart& chart) {
  chart.ClearItems();
  chart.SetDataColor(vqm::clBlack);
  chart.MoveTo(0.0, 0.0);
  AppendCurve(chart, series.Analog);
  if (options.showPoints) {
    chart.SetDataColor(vqm::clRed);
    for (const std::int64_t instant : series.SampleTimes) {
      const double x = static_cast<double>(instant);
      chart.Line(x, -1.0, x, 1.0);
    }
  }
  chart.ShowItems();
}

void PlotSampled(const TSimulationResult& series, const TPlotOptions& options,
                 vqm::TCustomRChart& chart) {
  chart.ClearItems();
  chart.SetDataColor(vqm::clBlack);
  chart.MoveTo(0.0, 0.0);  // even when nothing follows
  if (options.showSampled) AppendCurve(chart, series.Sampled);
  if (options.showError) {
    chart.SetDataColor(vqm::clBlue);
    chart.MoveTo(0.0, 0.0);
    AppendCurve(chart, series.Error);
  }
  chart.ShowItems();
}

}  // namespace

TQuantizationFigures Recompute(const TRecomputeInputs& inputs, vqm::TCustomRChart& analogChart,
               vqm::TCustomRChart& sampledChart) {
  // The series live only for this call (about 64 KiB, on the stack).
  TSimulationResult series;
  ComputeSeries(inputs.settings.form, inputs.settings.interval, inputs.settings.bits,
                inputs.xMax, series);
  PlotAnalog(series, inputs.options, analogChart);
  PlotSampled(series, inputs.options, sampledChart);
  return QuantizationFigures(inputs.settings.bits, series);
}

}  // namespace quantora
