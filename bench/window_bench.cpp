// The user dragging the sampling-interval scroll bar from 1 to 200 and back,
// through the window's own handler: per change the two read-outs, Recompute and
// both charts' ShowItems. Reports the median and the worst change of each sweep,
// and the process's peak memory with the window open.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QScrollBar>
#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>
#include <vector>

#include "app/ui/aboutbox.h"
#include "app/ui/mainfrm.h"

namespace {

double PeakResidentMegabytes() {
  std::ifstream status("/proc/self/status");
  std::string key;
  while (status >> key) {
    if (key == "VmHWM:") {
      double kilobytes = 0;
      status >> kilobytes;
      return kilobytes / 1024.0;
    }
  }
  return 0;
}

void BM_ScrollBarDrag(benchmark::State& state) {
  quantora::TFrmAbout about;
  quantora::TFormStart start;
  start.showAbout = false;  // no modal dialog in a benchmark
  quantora::TForm1 form(start);
  form.SetAboutDialog(&about);
  form.setAttribute(Qt::WA_DontShowOnScreen);
  form.show();
  QCoreApplication::processEvents();  // the start-up sequence
  QScrollBar* bar = form.SBarSampleFreq;

  std::vector<int> positions;
  for (int p = 1; p <= 200; ++p) positions.push_back(p);
  for (int p = 199; p >= 1; --p) positions.push_back(p);

  std::vector<double> perChange;
  perChange.reserve(positions.size());
  double medianSum = 0, worst = 0;
  for (auto _ : state) {
    bar->setValue(200);  // start of the sweep away from 1, so the first change is real
    perChange.clear();
    for (int p : positions) {
      const auto start = std::chrono::steady_clock::now();
      bar->setValue(p);  // valueChanged -> SBarSampleFreqChange
      perChange.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    std::nth_element(perChange.begin(), perChange.begin() + perChange.size() / 2, perChange.end());
    medianSum += perChange[perChange.size() / 2];
    worst = std::max(worst, *std::max_element(perChange.begin(), perChange.end()));
  }
  const double sweeps = double(state.iterations());
  state.counters["median_change_us"] = medianSum / sweeps;
  state.counters["worst_change_us"] = worst;
  state.counters["changes_per_sweep"] = double(positions.size());
  state.counters["peak_rss_MB"] = PeakResidentMegabytes();
}
BENCHMARK(BM_ScrollBarDrag)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
