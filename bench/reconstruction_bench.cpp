// The reconstructions over the design's 2048-point grid. BM_Reconstruct: each
// kind on the largest record (T = 1 ns, 1001 samples), the record made once;
// the sinc sum is the one that grows with points times samples.
// BM_IntervalChange: what a change of the interval costs with band-limited
// reconstruction on: the record from the chain, then the sinc sum. Each
// reports the median of its repetitions. BM_IntervalSweep: the same over a
// whole drag of the interval scroll bar.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "reconstruction/reconstruct.h"

namespace {

using quantora::TReconstruction;

std::vector<double> DesignGrid() {
  std::vector<double> t;
  for (int i = 1; i <= quantora::NumPoints; ++i) t.push_back(quantora::GridTime(i));
  return t;
}

quantora::TSimulationSettings Sine(int interval) { return {quantora::TSignalForm::sfSine, interval, 16, {}}; }

void BM_Reconstruct(benchmark::State& state) {
  const auto kind = TReconstruction(state.range(0));
  const std::vector<double> grid = DesignGrid();
  const quantora::TSampleRecord record = quantora::OutputRecord(Sine(1));
  for (auto _ : state) benchmark::DoNotOptimize(quantora::Reconstruct(kind, record, grid));
  state.SetLabel(std::string(quantora::ReconstructionName(kind)));
}
BENCHMARK(BM_Reconstruct)->DenseRange(0, quantora::NumReconstructions - 1)->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)->ReportAggregatesOnly(true);

void BM_IntervalChange(benchmark::State& state) {
  const std::vector<double> grid = DesignGrid();
  for (auto _ : state)
    benchmark::DoNotOptimize(quantora::Reconstruct(TReconstruction::rcBandLimited,
                                                   quantora::OutputRecord(Sine(int(state.range(0)))), grid));
}
BENCHMARK(BM_IntervalChange)->Arg(1)->Arg(10)->Arg(150)->Unit(benchmark::kMicrosecond)
    ->Repetitions(7)->ReportAggregatesOnly(true);

// The interval scroll bar dragged from 1 to 200 ns and back with band-limited
// reconstruction on: the median change, as the window's own benchmark reports it.
void BM_IntervalSweep(benchmark::State& state) {
  const std::vector<double> grid = DesignGrid();
  std::vector<double> perChange;
  double medianSum = 0;
  for (auto _ : state) {
    for (int step = 0; step < 2 * 200 - 1; ++step) {
      const int interval = step < 200 ? step + 1 : 2 * 200 - 1 - step;
      const auto start = std::chrono::steady_clock::now();
      benchmark::DoNotOptimize(
          quantora::Reconstruct(TReconstruction::rcBandLimited, quantora::OutputRecord(Sine(interval)), grid));
      perChange.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(perChange.begin(), perChange.begin() + perChange.size() / 2, perChange.end());
    medianSum += perChange[perChange.size() / 2];
    perChange.clear();
  }
  state.counters["median_change_us"] = medianSum / double(state.iterations());
}
BENCHMARK(BM_IntervalSweep)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
