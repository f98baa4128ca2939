// The sampled chart's reconstruction in the window, against the update the
// window made before it had one: the interval dragged from 1 to 200 and back
// with each reconstruction on (kind 0, the staircase, is that update), and a
// switch to each reconstruction from the staircase at the start-up setting.
// Each reports the median change in microseconds.
#include <benchmark/benchmark.h>

#include <QCheckBox>
#include <QCoreApplication>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <functional>
#include <memory>
#include <vector>

#include "app/ui/mainfrm.h"

namespace {

using quantora::TReconstruction;

std::unique_ptr<quantora::TForm1> ShownWindow() {
  quantora::TFormStart start;
  start.showAbout = false;  // no modal dialog in a benchmark
  start.singleInstance = false;
  auto form = std::make_unique<quantora::TForm1>(start);
  form->setAttribute(Qt::WA_DontShowOnScreen);
  form->show();
  QCoreApplication::processEvents();  // the start-up sequence
  form->CBoxQNoise->setChecked(true);  // every curve drawn
  return form;
}

double Median(std::vector<double> values) {
  std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
  return values[values.size() / 2];
}

double MicrosecondsOf(const std::function<void()>& change) {
  const auto start = std::chrono::steady_clock::now();
  change();
  return std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count();
}

void BM_IntervalDragWithReconstruction(benchmark::State& state) {
  const auto form = ShownWindow();
  form->SetReconstruction(TReconstruction(state.range(0)));
  QScrollBar* bar = form->SBarSampleFreq;
  std::vector<double> perChange;
  for (auto _ : state) {
    bar->setValue(200);
    for (int p = 1; p <= 200; ++p) perChange.push_back(MicrosecondsOf([&] { bar->setValue(p); }));
    for (int p = 199; p >= 1; --p) perChange.push_back(MicrosecondsOf([&] { bar->setValue(p); }));
  }
  state.counters["median_change_us"] = Median(perChange);
}
BENCHMARK(BM_IntervalDragWithReconstruction)->DenseRange(0, 3)->ArgName("kind")->Unit(benchmark::kMillisecond)
    ->Iterations(5);

// From the staircase to the kind and back, at T = 1, 10 and 200 ns; the
// switch to the kind is timed. Kind 0 times a whole Recompute instead.
void BM_SwitchReconstruction(benchmark::State& state) {
  const auto form = ShownWindow();
  const auto kind = TReconstruction(state.range(0));
  form->SBarSampleFreq->setValue(int(state.range(1)));
  std::vector<double> perChange;
  for (auto _ : state) {
    perChange.push_back(MicrosecondsOf([&] {
      if (kind == TReconstruction::rcHold) form->Recompute();
      else form->SetReconstruction(kind);
    }));
    form->SetReconstruction(TReconstruction::rcHold);
  }
  state.counters["median_change_us"] = Median(perChange);
}
BENCHMARK(BM_SwitchReconstruction)->ArgsProduct({{0, 1, 2, 3}, {1, 10, 200}})->ArgNames({"kind", "T"})
    ->Unit(benchmark::kMicrosecond)->Iterations(200);

}  // namespace
