// The simulation's two charts at 358 x 436 pixels: one update (the display lists
// rebuilt and shown through the quick path) and one full paint, for sampling
// intervals T = 1, 10 and 200 ns with every flag on; and a curve of 100 000 points.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <cmath>

#include "app/plotting.h"
#include "app/simulation_charts.h"
#include "chart/rchart.h"

namespace {

using vqm::TRChart;

struct SimulationCharts {
  SimulationCharts() {
    quantora::ApplySimulationChartSettings(analog, quantora::TSimulationChart::Analog);
    quantora::ApplySimulationChartSettings(sampled, quantora::TSimulationChart::Sampled);
    for (TRChart* c : {&analog, &sampled}) {
      c->resize(358, 436);
      c->show();
    }
  }
  TRChart analog, sampled;
};

// What one input change does to the charts: Recompute (the model and both
// display lists, each ending with ShowItems), every flag on.
void Update(SimulationCharts& s, int interval) {
  quantora::TRecomputeInputs inputs;
  inputs.settings.interval = interval;
  inputs.options = {true, true, true};
  inputs.xMax = s.analog.Scale1X()->RangeHigh();
  quantora::Recompute(inputs, s.analog, s.sampled);
}

void BM_SimulationUpdate(benchmark::State& state) {
  SimulationCharts s;
  for (auto _ : state) Update(s, int(state.range(0)));
}
BENCHMARK(BM_SimulationUpdate)->Arg(1)->Arg(10)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_SimulationFullPaint(benchmark::State& state) {
  SimulationCharts s;
  Update(s, int(state.range(0)));
  for (auto _ : state) {
    s.analog.Paint();
    s.sampled.Paint();
  }
}
BENCHMARK(BM_SimulationFullPaint)->Arg(1)->Arg(10)->Arg(200)->Unit(benchmark::kMicrosecond);

void BM_ShowItems100k(benchmark::State& state) {
  TRChart chart;
  chart.resize(358, 436);
  chart.Scale1X()->SetRangeHigh(100000);
  chart.Scale1Y()->SetRangeLow(-1.1);
  chart.Scale1Y()->SetRangeHigh(1.1);
  chart.SetGridStyle(vqm::gsDotLines);
  chart.show();
  chart.MoveTo(0, 0);
  for (int i = 1; i <= 100000; ++i) chart.DrawTo(i, std::sin(i * 0.01));
  for (auto _ : state) chart.ShowItems();
}
BENCHMARK(BM_ShowItems100k)->Unit(benchmark::kMillisecond);

}  // namespace

// A shown 400 x 400 chart with 2,000 items (a curve of 1,999 segments).
struct BusyChart {
  BusyChart() {
    chart.resize(400, 400);
    chart.Scale1X()->SetRangeHigh(2000);
    chart.Scale1Y()->SetRangeLow(-1.1);
    chart.Scale1Y()->SetRangeHigh(1.1);
    chart.show();
    chart.MoveTo(0, 0);
    for (int i = 1; i < 2000; ++i) chart.DrawTo(i, std::sin(i * 0.01));
    chart.ShowItems();
  }
  TRChart chart;
};

// One write of an axis property: the chart must repaint once, not once per layer.
void BM_AxisPropertyWrite(benchmark::State& state) {
  BusyChart b;
  double high = 2000;
  for (auto _ : state) {
    high = high == 2000 ? 2001 : 2000;
    b.chart.Scale1X()->SetRangeHigh(high);
  }
}
BENCHMARK(BM_AxisPropertyWrite)->Unit(benchmark::kMicrosecond);

// A full paint of the busy chart, with 4 crosshairs and 30 labels shown (1) or
// without them (0).
void BM_FullPaintOverlays(benchmark::State& state) {
  BusyChart b;
  if (state.range(0)) {
    const vqm::TCrossHMode modes[] = {vqm::chBoth, vqm::chHoriz, vqm::chVert, vqm::chBoth};
    for (int n = 1; n <= 4; ++n) {
      vqm::TCrossHair& c = *b.chart.CrossHair(n);
      c.SetLayer(1);
      c.SetMode(modes[n - 1]);
      c.SetPosX(300 + 400 * n);
      c.SetPosY(-0.8 + 0.4 * n);
    }
    const vqm::TTxtLblMode label[] = {vqm::tlsimple, vqm::tlBox, vqm::tlUnderline, vqm::tlShadow};
    for (int n = 1; n <= 30; ++n) {
      vqm::TTextLabel& l = *b.chart.TextLabel(n);
      l.SetMode(label[n % 4]);
      l.SetPosX(60 * n);
      l.SetPosY(std::sin(n) * 0.9);
      l.SetCaption(n % 3 ? QStringLiteral("Label %1").arg(n) : QStringLiteral("Zeile %1\nÜberlauf").arg(n));
      l.SetVisible(true);
    }
  }
  for (auto _ : state) b.chart.Paint();
}
BENCHMARK(BM_FullPaintOverlays)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// One pan step on the simulation's analog chart at 400 x 400 (2,049-point
// curve and its sampling marks): a real mouse move with the left button held.
void BM_PanStep(benchmark::State& state) {
  TRChart chart;
  quantora::ApplySimulationChartSettings(chart, quantora::TSimulationChart::Analog);
  chart.resize(400, 400);
  chart.show();
  TRChart sampled;
  quantora::TRecomputeInputs inputs;
  inputs.settings.interval = 10;
  inputs.options = {true, true, true};
  inputs.xMax = chart.Scale1X()->RangeHigh();
  quantora::Recompute(inputs, chart, sampled);
  chart.SetMouseAction(vqm::maPan);
  auto send = [&chart](QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons) {
    QMouseEvent e(type, QPointF(p), QPointF(chart.mapToGlobal(p)), button, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(&chart, &e);
  };
  send(QEvent::MouseButtonPress, {200, 200}, Qt::LeftButton, Qt::LeftButton);
  send(QEvent::MouseMove, {200, 200}, Qt::NoButton, Qt::LeftButton);  // arms
  int x = 200;
  for (auto _ : state) {
    x = x == 200 ? 203 : 200;
    send(QEvent::MouseMove, {x, 201}, Qt::NoButton, Qt::LeftButton);
  }
  send(QEvent::MouseButtonRelease, {x, 201}, Qt::LeftButton, Qt::NoButton);
}
BENCHMARK(BM_PanStep)->Unit(benchmark::kMicrosecond);
