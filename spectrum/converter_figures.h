#pragma once
// The figures a converter is judged by, measured from the spectra of one record
// of a sine test: SNR, SINAD, SFDR and ENOB, named as the standard test methods
// for analog-to-digital converters (IEEE Std 1241) name them.
//
// The standard knows only the converter's output and takes as the signal a sine
// fitted to it (sine_fit.h). The simulation knows the generator's exact
// samples, so the error here is the output minus those, all of it: noise,
// jitter and the converter's own errors, also the part at the signal's own
// frequency, which a fitted sine would take in as signal.

#include <cstddef>
#include <optional>

#include "spectrum/level_spectrum.h"

namespace quantora {

// Harmonics 2 .. this count as distortion (folded into 0 .. fs/2), as the
// standard's usual choice.
inline constexpr int kHarmonicsCounted = 10;

// The three spectra of one record, all with the same window.
struct TRecordSpectra {
  const TBinSpectrum& output;  // the quantized samples
  const TBinSpectrum& input;   // the generator's exact samples at the sampling instants
  const TBinSpectrum& error;   // output minus input
  TWindowChoice window;
  std::size_t samples;  // N, the record's length
  double binMHz;        // fs / N
  double signalMHz;     // the test sine's frequency (it may lie beyond fs/2)
};

// A record cut inside a period needs this many samples. Its window weighs the
// ends down to nothing and widens every line to five bins; with fewer samples
// the lines of DC, the fundamental and its first harmonics fill nearly all
// bins, and what is left for noise is a handful of values whose power strays
// by more than half a bit from one record to the next.
inline constexpr std::size_t kLeastCutSamples = 32;

// Whether a record can measure the figures.
enum class TMeasurability {
  mbMeasurable,
  // The sine folds onto DC or fs/2 (at fs/2 every sample lies on a zero
  // crossing): the samples hold no sine.
  mbNoSignal,
  // The fundamental's line, as wide as the window makes it, meets DC's line
  // or its own mirror image at fs/2.
  mbLinesMerge,
  // Cut inside a period and shorter than kLeastCutSamples.
  mbTooFewSamples,
};

// The test sine's line lies on bin `signalBins` (folded into 0 .. N/2) of a
// record of `samples` values that got `window`.
TMeasurability RecordMeasurability(double signalBins, std::size_t samples, TWindowChoice window);

// Signal: the exact input's power beside DC. Noise and distortion: the error's
// power beside DC; distortion the part in the lines of the fundamental (an
// error that changes the sine's amplitude) and of harmonics 2 .. 10, noise the
// rest. A short record can leave no bin for noise or for a spur: those ratios
// are then not measurable. SFDR compares the signal with the largest spur's
// line, so it is never below SINAD.
struct TConverterFigures {
  double fundamentalMHz = 0;   // the output's strongest line beside DC (its power-weighted centre)
  double fundamentalDbfs = 0;  // the output's power in that line, as a sine level re full scale
  double sinadDb = 0;          // signal / (noise + distortion)
  double enobBits = 0;         // (SINAD - 1.76 dB) / 6.02 dB
  std::optional<double> snrDb;   // signal / noise
  std::optional<double> sfdrDb;  // the signal over the error's largest line beside DC and the fundamental
  double spurMHz = 0;            // where that largest spur lies
};

// The figures, or nothing when the record cannot measure them
// (RecordMeasurability) or holds no signal above -120 dBFS. Ratios without
// noise (or without any spur) are +infinity.
std::optional<TConverterFigures> MeasureConverterFigures(const TRecordSpectra& spectra);

// The signal's frequency `mhz` in bins of `binMHz`, folded into 0 .. N/2 as
// sampling N values folds it.
double FoldedBins(double mhz, double binMHz, std::size_t samples);

}  // namespace quantora
