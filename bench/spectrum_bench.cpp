// One spectrum recompute as the window does it on every setting change: both
// spectra, the figures, the marks, the text and the chart's repaint.
// BM_SpectrumIntervalSweep drags the interval from 1 to 200 ns and back (the
// analog spectra are made when the window opens); BM_SpectrumWaveformChange
// goes through the five waveforms at the largest record (1 ns, 1000 samples,
// 16 bits). Each reports the median and the worst change.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <vector>

#include "app/ui/spectrum_window.h"
#include "translate/glossator.h"

namespace {

using quantora::TSignalForm;
using quantora::TSimulationSettings;

struct TTimings {
  std::vector<double> perChange;
  double medianSum = 0, worst = 0;

  void EndSweep() {
    std::nth_element(perChange.begin(), perChange.begin() + perChange.size() / 2, perChange.end());
    medianSum += perChange[perChange.size() / 2];
    worst = std::max(worst, *std::max_element(perChange.begin(), perChange.end()));
    perChange.clear();
  }
  void Report(benchmark::State& state) const {
    state.counters["median_change_us"] = medianSum / double(state.iterations());
    state.counters["worst_change_us"] = worst;
  }
};

template <typename Change>
void Timed(TTimings& timings, Change change) {
  const auto start = std::chrono::steady_clock::now();
  change();
  timings.perChange.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
}

quantora::TQuantizationFigures Figures(int bits) {
  quantora::TQuantizationFigures f;
  f.bits = bits;
  f.sqnrRuleDb = quantora::SqnrRuleDb(bits);
  return f;
}

// The window on its own, shown off screen, with the table's keys as texts.
struct TShownSpectrum {
  TShownSpectrum() : window(translator, textsOwner, nullptr) {
    window.setAttribute(Qt::WA_DontShowOnScreen);
    window.show();
    QCoreApplication::processEvents();
  }
  glossator::TGlossator translator;
  QObject textsOwner;  // outlives the window
  quantora::TSpectrumWindow window;
};

void BM_SpectrumIntervalSweep(benchmark::State& state) {
  TShownSpectrum shown;
  quantora::TSpectrumWindow& window = shown.window;
  std::vector<int> intervals;
  for (int t = 1; t <= 200; ++t) intervals.push_back(t);
  for (int t = 199; t >= 1; --t) intervals.push_back(t);
  TTimings timings;
  for (auto _ : state) {
    for (int t : intervals)
      Timed(timings, [&] { window.ShowSetting({TSignalForm::sfSine, t, 8, {}}, Figures(8)); });
    timings.EndSweep();
  }
  timings.Report(state);
}
BENCHMARK(BM_SpectrumIntervalSweep)->Unit(benchmark::kMillisecond)->Iterations(10);

void BM_SpectrumWaveformChange(benchmark::State& state) {
  TShownSpectrum shown;
  quantora::TSpectrumWindow& window = shown.window;
  TTimings timings;
  for (auto _ : state) {
    for (int form = 0; form < quantora::NumSignalForms; ++form)
      Timed(timings, [&] { window.ShowSetting({TSignalForm(form), 1, 16, {}}, Figures(16)); });
    timings.EndSweep();
  }
  timings.Report(state);
}
BENCHMARK(BM_SpectrumWaveformChange)->Unit(benchmark::kMillisecond)->Iterations(10);

}  // namespace
