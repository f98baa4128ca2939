#pragma once
// The figures a converter is judged by, measured from the spectra of one record
// of a sine test: SNR, SINAD, SFDR and ENOB as the standard test methods for
// analog-to-digital converters (IEEE Std 1241) define them.
//
// The standard knows only the converter's output and takes as the signal a sine
// fitted to it. The simulation knows the exact input samples, so the error is
// the output minus those: what a fit would absorb (an error that repeats with
// the signal and so changes its amplitude) counts here as error, as it does in
// the time domain.

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
  const TBinSpectrum& input;   // the exact samples the converter was given
  const TBinSpectrum& error;   // output minus input
  TWindowKind window;
  std::size_t samples;  // N, the record's length
  double binMHz;        // fs / N
};

// Signal: the exact input's power beside DC. Noise and distortion: the error's
// power beside DC; distortion the part in the lines of the fundamental (an
// error that changes the sine's amplitude) and of harmonics 2 .. 10, noise the
// rest. A short record can leave no bin for noise or for a spur: those ratios
// are then not measurable.
struct TConverterFigures {
  double fundamentalMHz = 0;   // the output's strongest line beside DC (its power-weighted centre)
  double fundamentalDbfs = 0;  // the output's power in that line, as a sine level re full scale
  double sinadDb = 0;          // signal / (noise + distortion)
  double enobBits = 0;         // (SINAD - 1.76 dB) / 6.02 dB
  std::optional<double> snrDb;   // signal / noise
  std::optional<double> sfdrDb;  // the fundamental's bin over the error's largest bin beside DC and it
  double spurMHz = 0;            // where that largest spur lies
};

// The figures, or nothing when the record holds no fundamental (the sine
// sampled exactly at its zero crossings, a record of one or two bins).
// Ratios without noise (or without any spur) are +infinity.
std::optional<TConverterFigures> MeasureConverterFigures(const TRecordSpectra& spectra);

}  // namespace quantora
