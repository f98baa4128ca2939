// One static-linearity measurement at 16 bits (2^22 samples): the ideal
// converter, one with nonlinearity (a search of its 65535 transitions per
// sample), and one with input noise and dither too (two more draws per sample).
#include <benchmark/benchmark.h>

#include "linearity/linearity_table.h"

namespace {

void Measure(benchmark::State& state, const quantora::TChainSettings& chain) {
  quantora::TSimulationSettings settings;
  settings.bits = 16;
  settings.chain = chain;
  for (auto _ : state) benchmark::DoNotOptimize(quantora::MeasureLinearity(settings));
}

void BM_LinearityIdeal(benchmark::State& state) { Measure(state, {}); }

void BM_LinearityNonlinear(benchmark::State& state) {
  quantora::TChainSettings chain;
  chain.imperfections.inlLsb = 2;
  chain.imperfections.dnlLsb = 0.3;
  Measure(state, chain);
}

void BM_LinearityEverything(benchmark::State& state) {
  quantora::TChainSettings chain;
  chain.imperfections = {.noiseMv = 0.5, .offsetErrorLsb = 3, .gainErrorPercent = 1, .inlLsb = 2, .dnlLsb = 0.3};
  chain.dither.kind = quantora::TDitherKind::dkTriangular;
  Measure(state, chain);
}

BENCHMARK(BM_LinearityIdeal)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LinearityNonlinear)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LinearityEverything)->Unit(benchmark::kMillisecond);

}  // namespace
