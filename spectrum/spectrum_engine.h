#pragma once
// The spectrum of one setting of the simulation: the sampled, held and quantized
// sequence (one value per sampling instant) from 0 to fs/2, the analog signal
// over a wider band, the converter figures of the sine, where the analog
// components above fs/2 land and the images the held staircase puts there.

#include <array>
#include <optional>
#include <vector>

#include "model/chain_settings.h"
#include "spectrum/analog_components.h"
#include "spectrum/converter_figures.h"
#include "spectrum/held_images.h"
#include "spectrum/level_spectrum.h"
#include "spectrum/real_fft.h"
#include "spectrum/sine_fit.h"
#include "spectrum/spectral_window.h"

namespace quantora {

// The analog signal is taken at this many points over 1000 ns (8.192 GS/s):
// its spectrum reaches 4096 MHz, beyond 2.5 fs at the fastest sampling (1 ns).
inline constexpr int kAnalogPoints = 8192;
// The band shown: this many times fs, so that fs/2 and the folding around fs
// and 2 fs are in view.
inline constexpr double kShownBandPerFs = 2.5;

struct TAliasMark {
  TAnalogComponent component;
  double aliasMHz = 0;    // |f - k fs|
  double levelDbfs = 0;   // the analog spectrum's level at the component
};

struct TSpectrumResult {
  double samplingMHz = 0;  // fs = 1000 / T
  double nyquistMHz = 0;   // fs / 2
  double bandMHz = 0;      // the upper end shown: 2.5 fs, or the analog spectrum's limit
  TWindowChoice window{};  // of the sampled record
  std::size_t samples = 0;
  double sampledBinMHz = 0;  // fs / N
  TBinSpectrum sampled;      // bin k at k * sampledBinMHz, up to fs/2
  double analogBinMHz = 0;   // 1 MHz: the 1000 ns record
  TBinSpectrum analog;       // bin k at k * analogBinMHz, up to 4096 MHz
  // The sine's only: our figures where the record can measure them (else why
  // not), and the standard's from a sine fitted to the output.
  std::optional<TConverterFigures> figures;
  TMeasurability measurability = TMeasurability::mbMeasurable;
  std::optional<TFitFigures> fitFigures;
  std::vector<TAliasMark> aliases;           // main components above fs/2
  THeldImages held;  // the staircase's images above fs/2 and the filter that takes them away
};

class TSpectrumEngine {
 public:
  // Fills `result` (its storage reused) for the waveform, sampling interval in
  // ns (below 1 taken as 1) and resolution in bits (clamped as the converter does).
  // A waveform outside the list gives the spectra of 0 V.
  void Compute(TSignalForm form, int interval, int bits, TSpectrumResult& result) {
    Compute(TSimulationSettings{form, interval, bits, {}}, result);
  }
  // The same through the whole signal chain of `settings`.
  void Compute(const TSimulationSettings& settings, TSpectrumResult& result);
  // Makes the analog spectra of all waveforms now (some ms), so that no later
  // Compute has to (each is otherwise made at the first Compute of its waveform).
  void PrepareAnalogSpectra();

 private:
  void ComputeAnalog(const TSimulationSettings& settings, TSpectrumResult& result);
  const TBinSpectrum& AnalogSpectrum(const TSimulationSettings& settings, std::optional<TBinSpectrum>& uncached);
  void ComputeSampled(const TSimulationSettings& settings, TSpectrumResult& result);
  void MarkAliases(const TSimulationSettings& settings, TSpectrumResult& result) const;

  TRealFft fFft;
  // The analog spectrum of the design's generator depends on the waveform
  // alone: made once for each.
  std::array<std::optional<TBinSpectrum>, NumSignalForms> fAnalogSpectra;
  std::vector<double> fAnalog, fOutput, fInput, fError;
  TBinSpectrum fInputSpectrum, fErrorSpectrum;
};

}  // namespace quantora
