// One tick pass (linear, and date/time over a year and over hours), and one
// full paint (tick pass, labels, caption, base line and, for the opaque scale,
// background, frame and copy) of the scales as programs use them.
#include <benchmark/benchmark.h>

#include "drawbase/image_canvas.h"
#include "scale/scale.h"

namespace {

// Tick passes of a 400 x 400 horizontal scale with these options, one per iteration.
void TickPass(benchmark::State& state, const vqm::TTickOptions& options) {
  vqm::TAxisMapping mapping;
  vqm::CalcMapping(options.Range, vqm::TAxisExtent{}, mapping);
  vqm::TTickPass pass;
  for (auto _ : state) {
    vqm::RunTickPass(options, mapping, 400, pass);
    benchmark::DoNotOptimize(pass.Ticks.data());
  }
}

// 0..100, short ticks, automatic decimals.
void BM_TickPassDefaultScale(benchmark::State& state) { TickPass(state, vqm::TTickOptions{}); }
BENCHMARK(BM_TickPassDefaultScale);

// A date/time axis with short ticks over low..high (days).
void DateTimeTickPass(benchmark::State& state, double low, double high) {
  vqm::TTickOptions options;
  options.Range = {low, high, false};
  options.LabelType = vqm::ftDateTime;
  TickPass(state, options);
}

// The year 2000: a tick on the first of every month, majors labelled "Jan-2000".
void BM_TickPassDateTimeYear(benchmark::State& state) { DateTimeTickPass(state, 36526, 36892); }
BENCHMARK(BM_TickPassDateTimeYear);

// Ten hours: hourly ticks, clock labels every three hours and one date line.
void BM_TickPassDateTimeHours(benchmark::State& state) { DateTimeTickPass(state, 36526, 36526 + 10.0 / 24); }
BENCHMARK(BM_TickPassDateTimeHours);

// A default stand-alone scale: 400 x 400, opaque, composed off screen and copied.
void BM_PaintDefaultOpaqueScale(benchmark::State& state) {
  vqm::TBitmap target(400, 400);
  vqm::TScale scale;
  scale.SetTarget(&target.Canvas(), 0, 0);
  for (auto _ : state) {
    scale.Paint();
    benchmark::DoNotOptimize(scale.NumTicks());
  }
  target.Image();
}
BENCHMARK(BM_PaintDefaultOpaqueScale);

// A chart axis: vertical, -5.5..5.5, transparent, straight onto an off-screen image.
void BM_PaintTransparentVerticalScale(benchmark::State& state) {
  vqm::TBitmap target(400, 400);
  vqm::TScale scale;
  scale.SetPaintSuspended(true);
  scale.SetChartEmbedded(true);
  scale.SetTarget(&target.Canvas(), 0, 0);
  scale.SetTransparent(true);
  scale.SetScaleType(vqm::sctYL);
  scale.SetRangeLow(-5.5);
  scale.SetRangeHigh(5.5);
  for (auto _ : state) {
    scale.ForcePaint();
    benchmark::DoNotOptimize(scale.NumTicks());
  }
  target.Image();
}
BENCHMARK(BM_PaintTransparentVerticalScale);

}  // namespace
