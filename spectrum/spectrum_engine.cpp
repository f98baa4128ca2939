#include "spectrum/spectrum_engine.h"

#include <algorithm>
#include <cmath>

#include "model/quantizer.h"
#include "model/simulation.h"
#include "model/waveforms.h"

namespace quantora {

void TSpectrumEngine::Compute(TSignalForm form, int interval, int bits, TSpectrumResult& result) {
  const int step = std::max(interval, 1);
  result.samplingMHz = 1000.0 / step;
  result.nyquistMHz = result.samplingMHz / 2;
  ComputeAnalog(form, result);
  result.bandMHz = std::min(kShownBandPerFs * result.samplingMHz, result.analogBinMHz * kAnalogPoints / 2);
  ComputeSampled(form, step, bits, result);
  MarkAliases(form, result);
}

void TSpectrumEngine::PrepareAnalogSpectra() {
  std::optional<TBinSpectrum> unused;
  for (int form = 0; form < NumSignalForms; ++form) AnalogSpectrum(TSignalForm(form), unused);
}

// The waveform's analog spectrum, made at the first call; a waveform outside
// the list (0 V) is made into `uncached` each time.
const TBinSpectrum& TSpectrumEngine::AnalogSpectrum(TSignalForm form, std::optional<TBinSpectrum>& uncached) {
  const std::size_t index = std::size_t(form);
  std::optional<TBinSpectrum>& spectrum = index < fAnalogSpectra.size() ? fAnalogSpectra[index] : uncached;
  if (!spectrum) {
    fAnalog.resize(kAnalogPoints);
    for (int j = 0; j < kAnalogPoints; ++j) fAnalog[std::size_t(j)] = SignalValue(form, j * kRecordNs / kAnalogPoints);
    // Whole periods of the periodic signals, the whole sinc pulse and chirp: no window.
    AnalyseRecord(fAnalog, TWindowKind::wkRectangular, fFft, spectrum.emplace());
  }
  return *spectrum;
}

void TSpectrumEngine::ComputeAnalog(TSignalForm form, TSpectrumResult& result) {
  result.analogBinMHz = 1000.0 / kRecordNs;
  std::optional<TBinSpectrum> uncached;
  result.analog = AnalogSpectrum(form, uncached);
}

// One value per sampling instant n T below 1000 ns: the exact sample the hold
// stage presents, its quantized value and their difference.
void TSpectrumEngine::ComputeSampled(TSignalForm form, int interval, int bits, TSpectrumResult& result) {
  const std::size_t n = std::size_t(SampleTimeCount(interval, kRecordNs));
  fOutput.resize(n);
  fInput.resize(n);
  fError.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    fInput[i] = HeldSignalValue(form, double(i) * interval);
    fOutput[i] = Quantize(bits, fInput[i]);
    fError[i] = fOutput[i] - fInput[i];
  }
  result.samples = n;
  result.sampledBinMHz = result.samplingMHz / double(n);
  result.window = ChooseWindow(form, interval, (long long)n);
  AnalyseRecord(fOutput, result.window.kind, fFft, result.sampled);
  result.figures.reset();
  result.fitFigures.reset();
  result.measurability = TMeasurability::mbMeasurable;
  if (form != TSignalForm::sfSine) return;  // the figures are those of a sine test
  const double sineMHz = MainComponents(form).front().frequencyMHz;
  result.measurability = RecordMeasurability(FoldedBins(sineMHz, result.sampledBinMHz, n), n, result.window);
  result.fitFigures = MeasureFitFigures(fOutput, sineMHz / result.samplingMHz, kLeastSignalAmplitude);
  if (result.measurability != TMeasurability::mbMeasurable) return;
  AnalyseRecord(fInput, result.window.kind, fFft, fInputSpectrum);
  AnalyseRecord(fError, result.window.kind, fFft, fErrorSpectrum);
  result.figures = MeasureConverterFigures(
      {result.sampled, fInputSpectrum, fErrorSpectrum, result.window, n, result.sampledBinMHz, sineMHz});
}

void TSpectrumEngine::MarkAliases(TSignalForm form, TSpectrumResult& result) const {
  result.aliases.clear();
  for (const TAnalogComponent& c : MainComponents(form)) {
    if (c.frequencyMHz <= result.nyquistMHz) continue;
    const std::size_t bin = std::size_t(std::lround(c.frequencyMHz / result.analogBinMHz));
    const double level = bin < result.analog.dbfs.size() ? result.analog.dbfs[bin] : kFloorDbfs;
    result.aliases.push_back({c, AliasFrequency(c.frequencyMHz, result.samplingMHz), level});
  }
}

}  // namespace quantora
