// Formatting of each display type, and one paint of the main window's
// frequency read-out (170 x 23), as on every scroll-bar movement.
#include <benchmark/benchmark.h>

#include "drawbase/image_canvas.h"
#include "numlab/number_format.h"
#include "numlab/numlab.h"

namespace {

struct TypeExample {
  vqm::TDisplay type;
  double value;
  int precision;
};

// One typical value per display type, in the type's order.
constexpr TypeExample kExamples[] = {
    {vqm::dtFloat, 1000.0 / 7, 5}, {vqm::dtFixP, 1000.0 / 7, 2},  {vqm::dtExp, 1000.0 / 7, 4},
    {vqm::dtHex, 255, 4},          {vqm::dtZeroInt, 42, 5},       {vqm::dtInt, 2.5, 0},
    {vqm::dtDateTime, 45000.75, 0}, {vqm::dtState, 0, 0},         {vqm::dtBin, 5, 8},
    {vqm::dtOct, 8, 4},            {vqm::dtDeg, 12.5, 2},         {vqm::dtDegMin, 12.5, 1},
    {vqm::dtDegMinSec, 12.5125, 1},
};

void BM_FormatValueText(benchmark::State& state) {
  const TypeExample& e = kExamples[state.range(0)];
  vqm::TNumberFormat format;
  format.DisplayType = e.type;
  format.Precision = e.precision;
  for (auto _ : state) benchmark::DoNotOptimize(vqm::FormatValueText(e.value, format));
}
BENCHMARK(BM_FormatValueText)->DenseRange(0, 12)->ArgName("type");

void BM_PaintFrequencyReadout(benchmark::State& state) {
  vqm::TNumLab lab;
  lab.resize(170, 23);
  lab.SetLeftSpace(80);
  lab.SetLabelWidth(50);
  lab.SetLeftText("f(sample) = ");
  lab.SetRightText("MHz");
  lab.SetValue(1000.0 / 7);
  for (auto _ : state) {
    vqm::TBitmap bitmap;  // as a paint does: a fresh bitmap each time
    lab.PaintTo(bitmap);
    benchmark::DoNotOptimize(bitmap.Image().constBits());
  }
}
BENCHMARK(BM_PaintFrequencyReadout);

}  // namespace
