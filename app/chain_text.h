#pragma once
// The signal chain in sentences: what the generator and the converter's
// imperfections are set to, for the main window's explanation and the
// resolution read-out's tooltip, and what jitter and dither do to a spectrum,
// for the spectrum window. At the ideal chain there is nothing to say: every
// function returns no line, so those texts stay as they always were.

#include <vector>

#include "app/quantization_text.h"  // TTooltipLine
#include "model/chain_settings.h"

namespace quantora {

// The chain's settings that differ from the ideal converter, one line each: the
// generator (with a line on clipping when samples of the signal lie beyond
// ±5 V), each imperfection that is on, the dither, and the seed when it matters.
std::vector<TTooltipLine> ChainSettingLines(const TSimulationSettings& settings);

// The number of sampling instants of the setting (over the record) at which the
// held signal lies beyond the converter's range of -5 V .. +5 V, and the largest
// magnitude it reaches there.
struct TClipping {
  int samples = 0;
  double peakV = 0;
};
TClipping SampledClipping(const TSimulationSettings& settings);

// The SNR to which aperture jitter of `jitterPs` limits a sine of `frequencyMHz`:
// -20 log10(2 pi f sigma) dB (+inf without jitter).
double JitterLimitedSnrDb(double frequencyMHz, double jitterPs);

// For the sine: what jitter does to its SNR, with the number for the setting,
// and what dither does to the harmonics and the noise floor.
std::vector<TTooltipLine> ChainSpectrumLines(const TSimulationSettings& settings);

}  // namespace quantora
