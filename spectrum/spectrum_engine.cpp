#include "spectrum/spectrum_engine.h"

#include <algorithm>
#include <cmath>

#include "model/generator.h"
#include "model/signal_chain.h"
#include "model/simulation.h"

namespace quantora {

void TSpectrumEngine::Compute(const TSimulationSettings& settings, TSpectrumResult& result) {
  TSimulationSettings valid = settings;
  valid.interval = std::max(settings.interval, 1);
  result.samplingMHz = 1000.0 / valid.interval;
  result.nyquistMHz = result.samplingMHz / 2;
  ComputeAnalog(valid, result);
  result.bandMHz = std::min(kShownBandPerFs * result.samplingMHz, result.analogBinMHz * kAnalogPoints / 2);
  ComputeSampled(valid, result);
  MarkAliases(valid, result);
  ComputeHeldImages(result.sampled, result.sampledBinMHz, result.samplingMHz, result.bandMHz, result.held);
}

void TSpectrumEngine::PrepareAnalogSpectra() {
  std::optional<TBinSpectrum> unused;
  for (int form = 0; form < NumSignalForms; ++form) AnalogSpectrum(TSimulationSettings{TSignalForm(form), 10, 8, {}}, unused);
}

// The generator's analog spectrum. The design's generator's is made at the
// first call for each waveform; any other (and a waveform outside the list,
// 0 V) is made into `uncached` each time.
const TBinSpectrum& TSpectrumEngine::AnalogSpectrum(const TSimulationSettings& settings,
                                                    std::optional<TBinSpectrum>& uncached) {
  const TGeneratorSettings& generator = settings.chain.generator;
  const std::size_t index = std::size_t(settings.form);
  std::optional<TBinSpectrum>& spectrum =
      index < fAnalogSpectra.size() && generator == TGeneratorSettings{} ? fAnalogSpectra[index] : uncached;
  if (!spectrum) {
    fAnalog.resize(kAnalogPoints);
    for (int j = 0; j < kAnalogPoints; ++j)
      fAnalog[std::size_t(j)] = GeneratorValue(settings.form, generator, j * kRecordNs / kAnalogPoints);
    // Whole periods of the periodic signals, the whole sinc pulse and chirp: no
    // window; periods the record cuts: Hann.
    const bool cut = !HoldsWholePeriods(settings.form, kRecordNs, TimeScale(generator)) &&
                     ChooseWindow(settings.form, 1, kAnalogPoints).reason != TWindowReason::wrWholeEvent;
    AnalyseRecord(fAnalog, cut ? TWindowKind::wkHann : TWindowKind::wkRectangular, fFft, spectrum.emplace());
  }
  return *spectrum;
}

void TSpectrumEngine::ComputeAnalog(const TSimulationSettings& settings, TSpectrumResult& result) {
  result.analogBinMHz = 1000.0 / kRecordNs;
  std::optional<TBinSpectrum> uncached;
  result.analog = AnalogSpectrum(settings, uncached);
}

// One value per sampling instant n T below 1000 ns: the generator's exact
// sample, the output of the chain (hold stage and converter) and their
// difference, which holds all the chain adds.
void TSpectrumEngine::ComputeSampled(const TSimulationSettings& settings, TSpectrumResult& result) {
  const TSignalForm form = settings.form;
  const int interval = settings.interval;
  const double timeScale = TimeScale(settings.chain.generator);
  const TSignalChain chain(settings);
  const std::size_t n = std::size_t(SampleTimeCount(interval, kRecordNs));
  fOutput.resize(n);
  fInput.resize(n);
  fError.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    const double instant = double(i) * interval;
    fInput[i] = chain.ExactHeld(instant);
    fOutput[i] = chain.Output(chain.Held(instant, fInput[i]), instant);
    fError[i] = fOutput[i] - fInput[i];
  }
  result.samples = n;
  result.sampledBinMHz = result.samplingMHz / double(n);
  result.window = ChooseWindow(form, interval, (long long)n, timeScale);
  AnalyseRecord(fOutput, result.window.kind, fFft, result.sampled);
  result.figures.reset();
  result.fitFigures.reset();
  result.measurability = TMeasurability::mbMeasurable;
  if (form != TSignalForm::sfSine) return;  // the figures are those of a sine test
  const double sineMHz = MainComponents(form).front().frequencyMHz * timeScale;
  result.measurability = RecordMeasurability(FoldedBins(sineMHz, result.sampledBinMHz, n), n, result.window);
  result.fitFigures = MeasureFitFigures(fOutput, sineMHz / result.samplingMHz, kLeastSignalAmplitude);
  if (result.measurability != TMeasurability::mbMeasurable) return;
  AnalyseRecord(fInput, result.window.kind, fFft, fInputSpectrum);
  AnalyseRecord(fError, result.window.kind, fFft, fErrorSpectrum);
  result.figures = MeasureConverterFigures(
      {result.sampled, fInputSpectrum, fErrorSpectrum, result.window, n, result.sampledBinMHz, sineMHz});
}

void TSpectrumEngine::MarkAliases(const TSimulationSettings& settings, TSpectrumResult& result) const {
  result.aliases.clear();
  const double timeScale = TimeScale(settings.chain.generator);
  for (TAnalogComponent c : MainComponents(settings.form)) {
    c.frequencyMHz *= timeScale;
    if (c.frequencyMHz <= result.nyquistMHz) continue;
    const std::size_t bin = std::size_t(std::lround(c.frequencyMHz / result.analogBinMHz));
    const double level = bin < result.analog.dbfs.size() ? result.analog.dbfs[bin] : kFloorDbfs;
    result.aliases.push_back({c, AliasFrequency(c.frequencyMHz, result.samplingMHz), level});
  }
}

}  // namespace quantora
