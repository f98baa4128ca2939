// The simulation's two charts at 358 x 436 pixels: one update (the display lists
// rebuilt and shown through the quick path) and one full paint, for sampling
// intervals T = 1, 10 and 200 ns with every flag on; and a curve of 100 000 points.
#include <benchmark/benchmark.h>

#include <cmath>

#include "app/model/simulation.h"
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
  quantora::TSimulationResult series;
};

// What one input change does to the charts: the model's series turned into both
// display lists (as the simulation's plotting does), then ShowItems of each.
void Update(SimulationCharts& s, int interval) {
  quantora::ComputeSeries(quantora::TSignalForm::sfSine, interval, 8, s.analog.Scale1X()->RangeHigh(), s.series);
  const quantora::TSimulationResult& r = s.series;
  TRChart& a = s.analog;
  a.ClearItems();
  a.SetDataColor(vqm::clBlack);
  a.MoveTo(0, 0);
  for (int i = 1; i <= quantora::NumPoints; ++i) a.DrawTo(quantora::GridTime(i), r.Analog[std::size_t(i - 1)]);
  a.SetDataColor(vqm::clRed);
  for (auto n : r.SampleTimes) a.Line(double(n), -1, double(n), 1);
  a.ShowItems();
  TRChart& b = s.sampled;
  b.ClearItems();
  b.SetDataColor(vqm::clBlack);
  b.MoveTo(0, 0);
  for (int i = 1; i <= quantora::NumPoints; ++i) b.DrawTo(quantora::GridTime(i), r.Sampled[std::size_t(i - 1)]);
  b.SetDataColor(vqm::clBlue);
  b.MoveTo(0, 0);
  for (int i = 1; i <= quantora::NumPoints; ++i) b.DrawTo(quantora::GridTime(i), r.Error[std::size_t(i - 1)]);
  b.ShowItems();
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
