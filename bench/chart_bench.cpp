// The simulation's two charts at 358 x 436 pixels: one update (the display lists
// rebuilt and shown through the quick path) and one full paint, for sampling
// intervals T = 1, 10 and 200 ns with every flag on; and a curve of 100 000 points.
#include <benchmark/benchmark.h>

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
