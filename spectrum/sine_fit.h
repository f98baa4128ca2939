#pragma once
// The standard test of a converter with a sine (IEEE Std 1241): a sine of four
// parameters (two quadrature amplitudes, offset and frequency) fitted to the
// output record by least squares. The fit knows only the output; what it
// leaves over is the converter's noise and distortion, less the part of the
// error that happens to lie at the signal's own frequency, which the fitted
// sine takes in.

#include <cstddef>
#include <optional>
#include <span>

namespace quantora {

struct TSineFit {
  double amplitude = 0;       // of the fitted sine, V
  double offset = 0;          // V
  double cyclesPerSample = 0; // the fitted frequency folded into 0 .. 1/2 of fs
  double residualRms = 0;     // RMS over the record of output minus fitted sine, V
};

// The fit takes in 4/N of the noise's power with its four parameters: from
// this many samples on that stays below an eighth (0.58 dB, a tenth of a bit),
// and the record is long enough for the standard's figures.
inline constexpr std::size_t kLeastFitSamples = 32;

// Fits samples[n] = A cos(w n) + B sin(w n) + C starting from the frequency
// `startCyclesPerSample` (any alias of it gives the same samples), by a
// three-parameter fit at that frequency and then four-parameter iterations.
// Nothing when the record has at most four samples (no degree of freedom
// left), or the frequency folds onto DC or fs/2, where the two quadrature
// terms cannot be told apart, or the iteration does not settle.
std::optional<TSineFit> FitSine(std::span<const double> samples, double startCyclesPerSample);

// The standard's figures from the fit: SINAD the fitted sine's RMS over the
// residual's, ENOB (SINAD - 1.76 dB) / 6.02 dB.
struct TFitFigures {
  double sinadDb = 0;
  double enobBits = 0;
};

// The figures of a fit to `samples`, or nothing where the record is shorter
// than kLeastFitSamples, FitSine finds none or the fitted sine is weaker than
// `leastAmplitude`. A residual of nothing gives +infinity.
std::optional<TFitFigures> MeasureFitFigures(std::span<const double> samples, double startCyclesPerSample,
                                             double leastAmplitude);

}  // namespace quantora
