#pragma once
// One record's spectrum in the two scales the window and the figures need:
// power per bin and level in dB relative to full scale.

#include <span>
#include <vector>

#include "model/signal_floor.h"
#include "spectrum/real_fft.h"
#include "spectrum/spectral_window.h"

namespace quantora {

// Full scale: a sine of 5 V amplitude, the converter's whole range, is 0 dBFS.
inline constexpr double kFullScaleVolts = 5.0;
// Levels below this (a bin with nothing in it) are shown as this.
inline constexpr double kFloorDbfs = -200.0;

struct TBinSpectrum {
  // One-sided, bins 0 .. N/2: the window-weighted mean square of the record
  // (sum of (w x)^2 / sum of w^2) split over the bins, in V^2. Without a window
  // it sums to the plain mean square; a sine of amplitude A on bin k gives A^2/2.
  std::vector<double> power;
  // The amplitude of a sine centred on the bin (the window's coherent gain
  // divided out), as 20 log10(A / 5 V); at least kFloorDbfs.
  std::vector<double> dbfs;
};

// The spectrum of record x weighted with `kind`.
void AnalyseRecord(std::span<const double> x, TWindowKind kind, TRealFft& fft, TBinSpectrum& out);

}  // namespace quantora
