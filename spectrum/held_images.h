#pragma once
// What the staircase puts above fs/2: the held signal's images around k fs ± f
// under the hold's sin(x)/x envelope, and what the reconstruction filter (the
// 4th-order Butterworth with its corner at fs/2) leaves of them.
//
// The held signal is constant over each interval T, so its spectrum is the
// sample sequence's (periodic in fs) times T sinc(f T) and a delay of T/2.
// Over the record an image at k fs ± f therefore stands |sinc(f' / fs)| (f'
// its own frequency) below the sequence's line at f, exactly, bin for bin.
// The images come from the sampled spectrum already made: no transform of
// their own, and none of the errors a staircase drawn on the analog
// spectrum's grid would bring (1000 / 8192 ns, which T need not divide, and
// that grid's own folding at 4096 MHz).

#include <optional>
#include <vector>

#include "spectrum/level_spectrum.h"

namespace quantora {

struct TLevelPoint {
  double frequencyMHz = 0;
  double levelDbfs = 0;
};

// The curves are drawn at this many points per fs: every zero of sin(x)/x,
// at k fs, is one of them, and a lobe gets a point every few pixels.
inline constexpr int kCurvePointsPerFs = 64;

struct THeldImages {
  // The held spectrum's bins above fs/2 up to the band, rising; at least kFloorDbfs.
  std::vector<TLevelPoint> images;
  // The sampled spectrum's strongest line: the curves below start from it, so
  // the images of that line lie on the envelope.
  double topDbfs = kFloorDbfs;
  std::vector<TLevelPoint> envelope;  // top + 20 log10 |sinc(f / fs)|, 0 .. band
  std::vector<TLevelPoint> filter;    // top + the filter's gain in dB, 0 .. band
  // The strongest image, and the strongest after the filter; nothing without images.
  std::optional<TLevelPoint> strongest, leftByFilter;
};

// The hold's gain at f, 20 log10 |sin(pi f / fs) / (pi f / fs)|, at least kFloorDbfs.
double HoldGainDb(double fMHz, double samplingMHz);

// The images of `sampled` (bin k at k * binMHz, 0 .. fs/2), sampled at
// `samplingMHz`, up to `bandMHz`; `out`'s storage is reused.
void ComputeHeldImages(const TBinSpectrum& sampled, double binMHz, double samplingMHz, double bandMHz,
                       THeldImages& out);

}  // namespace quantora
