// One tick pass, and one full paint (tick pass, labels, caption, base line and,
// for the opaque scale, background, frame and copy) of the scales as programs use them.
#include <benchmark/benchmark.h>

#include "drawbase/image_canvas.h"
#include "scale/scale.h"

namespace {

void BM_TickPassDefaultScale(benchmark::State& state) {
  vqm::TTickOptions options;  // 0..100, horizontal, short ticks, automatic decimals
  options.Range = {0, 100, false};
  vqm::TAxisMapping mapping;
  vqm::CalcMapping(options.Range, vqm::TAxisExtent{}, mapping);
  vqm::TTickPass pass;
  for (auto _ : state) {
    vqm::RunTickPass(options, mapping, 400, pass);
    benchmark::DoNotOptimize(pass.Ticks.data());
  }
}
BENCHMARK(BM_TickPassDefaultScale);

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
