#include "app/linearity_plotting.h"

#include <QString>
#include <algorithm>
#include <cmath>

#include "app/simulation_charts.h"
#include "chart/rchart.h"

namespace quantora {
namespace {

constexpr std::size_t kMostStrokes = 2048;
constexpr double kLeastHalfRange = 0.5;  // LSB

double SetValue(const TLinearityRow& r, TLinearityCurve c) { return c == TLinearityCurve::lcDnl ? r.dnlSet : r.inlSet; }
double MeasuredValue(const TLinearityRow& r, TLinearityCurve c) {
  return c == TLinearityCurve::lcDnl ? r.dnlMeasured : r.inlMeasured;
}

// One curve: a polyline through every code, or one stroke per group of codes.
template <typename Value>
void DrawCurve(const std::vector<TLinearityRow>& rows, Value value, vqm::TCustomRChart& chart) {
  if (rows.size() <= kMostStrokes) {
    for (std::size_t k = 0; k < rows.size(); ++k)
      k == 0 ? chart.MoveTo(0, value(rows[0])) : chart.DrawTo(double(k), value(rows[k]));
    return;
  }
  const std::size_t group = (rows.size() + kMostStrokes - 1) / kMostStrokes;
  for (std::size_t first = 0; first < rows.size(); first += group) {
    const std::size_t end = std::min(rows.size(), first + group);
    double low = value(rows[first]), high = low;
    for (std::size_t k = first + 1; k < end; ++k) low = std::min(low, value(rows[k])), high = std::max(high, value(rows[k]));
    const double x = double(first + end - 1) / 2;
    chart.Line(x, low, x, high);
  }
}

}  // namespace

void ApplyLinearityChartSettings(vqm::TRChart& chart, TLinearityCurve curve) {
  ApplySimulationChartSettings(chart, TSimulationChart::Analog);
  chart.BeginLoad();
  chart.SetAllocSize(4096);
  const bool dnl = curve == TLinearityCurve::lcDnl;
  chart.SetCaption(dnl ? QStringLiteral("XL_Differential nonlinearity") : QStringLiteral("XL_Integral nonlinearity"));
  chart.SetGridDx(0);  // on the axis ticks
  chart.SetGridDy(0);
  chart.Scale1X()->SetCaption(QStringLiteral("XL_Code"));
  chart.Scale1X()->SetRangeLow(0);
  chart.Scale1X()->SetRangeHigh(255);
  chart.Scale1Y()->SetCaption(dnl ? QStringLiteral("XL_DNL [LSB]") : QStringLiteral("XL_INL [LSB]"));
  chart.Scale1Y()->SetRangeLow(-kLeastHalfRange);
  chart.Scale1Y()->SetRangeHigh(kLeastHalfRange);
  chart.EndLoad();
}

void PlotLinearity(const std::vector<TLinearityRow>& rows, TLinearityCurve curve, vqm::TCustomRChart& chart) {
  const bool autoRedraw = chart.AutoRedraw();
  chart.SetAutoRedraw(false);
  chart.ClearItems();
  double half = kLeastHalfRange;
  for (const TLinearityRow& r : rows) half = std::max({half, std::fabs(SetValue(r, curve)), std::fabs(MeasuredValue(r, curve))});
  const double top = rows.size() > 1 ? double(rows.size() - 1) : 1.0;
  chart.SetLayerRange(1, 0, -1.1 * half, top, 1.1 * half, false);
  chart.SetPenStyle(vqm::psSolid);
  chart.SetDataColor(vqm::clGreen);
  DrawCurve(rows, [curve](const TLinearityRow& r) { return SetValue(r, curve); }, chart);
  chart.SetDataColor(vqm::clBlue);
  DrawCurve(rows, [curve](const TLinearityRow& r) { return MeasuredValue(r, curve); }, chart);
  chart.SetAutoRedraw(autoRedraw);
  if (autoRedraw) chart.ShowItems();
}

}  // namespace quantora
