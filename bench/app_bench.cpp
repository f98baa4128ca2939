// The simulation's per-change work: one model run, and one Recompute that runs
// the model and rebuilds both charts' display lists, for every waveform at the
// shortest, the start-up and the longest sampling interval.
#include <benchmark/benchmark.h>

#include <memory>

#include "model/quantization_figures.h"
#include "model/simulation.h"
#include "app/plotting.h"
#include "app/simulation_charts.h"
#include "chart/rchart.h"

namespace {

using quantora::TSignalForm;

void SweepArguments(benchmark::internal::Benchmark* bench) {
  for (int form = 0; form < quantora::NumSignalForms; ++form)
    for (int interval : {1, 10, 200}) bench->Args({form, interval});
  bench->ArgNames({"form", "T"});
}

void BM_ComputeSeries(benchmark::State& state) {
  const auto form = static_cast<TSignalForm>(state.range(0));
  const int interval = static_cast<int>(state.range(1));
  auto result = std::make_unique<quantora::TSimulationResult>();
  for (auto _ : state) {
    quantora::ComputeSeries(form, interval, 8, 1000.0, *result);
    benchmark::DoNotOptimize(result->Error.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComputeSeries)->Apply(SweepArguments)->Unit(benchmark::kMicrosecond);

// The figures the window's resolution tooltip shows, computed on every Recompute.
void BM_QuantizationFigures(benchmark::State& state) {
  auto result = std::make_unique<quantora::TSimulationResult>();
  quantora::ComputeSeries(TSignalForm::sfSine, 10, 8, 1000.0, *result);
  for (auto _ : state) benchmark::DoNotOptimize(quantora::QuantizationFigures(8, *result));
}
BENCHMARK(BM_QuantizationFigures)->Unit(benchmark::kMicrosecond);

// Both charts set up as the main window has them, at its design size, not shown
// (so ShowItems does not render): the model plus both display lists, all flags on.
void RecomputeLoop(benchmark::State& state, const quantora::TSimulationSettings& settings) {
  vqm::TRChart analog;
  vqm::TRChart sampled;
  quantora::ApplySimulationChartSettings(analog, quantora::TSimulationChart::Analog);
  quantora::ApplySimulationChartSettings(sampled, quantora::TSimulationChart::Sampled);
  analog.resize(360, 470);
  sampled.resize(441, 470);
  quantora::TRecomputeInputs inputs;
  inputs.settings = settings;
  inputs.options = {true, true, true};
  inputs.xMax = analog.Scale1X()->RangeHigh();
  for (auto _ : state) {
    quantora::Recompute(inputs, analog, sampled);
    benchmark::DoNotOptimize(sampled.ItemCount());
  }
  state.counters["items"] = analog.ItemCount() + sampled.ItemCount();
}

void BM_Recompute(benchmark::State& state) {
  quantora::TSimulationSettings settings;
  settings.form = static_cast<TSignalForm>(state.range(0));
  settings.interval = static_cast<int>(state.range(1));
  RecomputeLoop(state, settings);
}
BENCHMARK(BM_Recompute)->Apply(SweepArguments)->Unit(benchmark::kMicrosecond);

// The same update with the ideal chain (chain:0) against every imperfection on
// (chain:1: noise, jitter, offset and gain error, INL, DNL, triangular dither
// subtracted), on the sine at the start-up setting and at 1 ns / 16 bits.
void ChainArguments(benchmark::internal::Benchmark* bench) {
  for (const auto& [interval, bits] : {std::pair{10, 8}, std::pair{1, 16}})
    for (int chain : {0, 1}) bench->Args({chain, interval, bits});
  bench->ArgNames({"chain", "T", "bits"});
}

quantora::TSimulationSettings ChainSettings(const benchmark::State& state) {
  quantora::TSimulationSettings settings;
  settings.interval = static_cast<int>(state.range(1));
  settings.bits = static_cast<int>(state.range(2));
  if (state.range(0) == 1) {
    settings.chain.imperfections = {5.0, 10.0, 0.5, 1.0, 1.0, 0.2};  // mV, ps, LSB, %, LSB, LSB
    settings.chain.dither = {quantora::TDitherKind::dkTriangular, true};
  }
  return settings;
}

void BM_ComputeSeriesChain(benchmark::State& state) {
  const quantora::TSimulationSettings settings = ChainSettings(state);
  auto result = std::make_unique<quantora::TSimulationResult>();
  for (auto _ : state) {
    quantora::ComputeSeries(settings, 1000.0, *result);
    benchmark::DoNotOptimize(result->Error.data());
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ComputeSeriesChain)->Apply(ChainArguments)->Unit(benchmark::kMicrosecond);

void BM_RecomputeChain(benchmark::State& state) { RecomputeLoop(state, ChainSettings(state)); }
BENCHMARK(BM_RecomputeChain)->Apply(ChainArguments)->Unit(benchmark::kMicrosecond);

}  // namespace
