#include "spectrum/held_images.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "reconstruction/butterworth_response.h"

namespace quantora {
namespace {

double OnFloor(double dbfs) { return std::max(dbfs, kFloorDbfs); }

// The stronger of a point and `best`, the first of equals kept.
void KeepStronger(std::optional<TLevelPoint>& best, TLevelPoint point) {
  if (!best || point.levelDbfs > best->levelDbfs) best = point;
}

}  // namespace

double HoldGainDb(double fMHz, double samplingMHz) {
  const double x = std::numbers::pi * fMHz / samplingMHz;
  if (x == 0) return 0;
  const double gain = std::fabs(std::sin(x) / x);
  return gain > 0 ? OnFloor(20 * std::log10(gain)) : kFloorDbfs;
}

void ComputeHeldImages(const TBinSpectrum& sampled, double binMHz, double samplingMHz, double bandMHz,
                       THeldImages& out) {
  out.images.clear();
  out.envelope.clear();
  out.filter.clear();
  out.strongest.reset();
  out.leftByFilter.reset();
  const std::vector<double>& dbfs = sampled.dbfs;
  out.topDbfs = dbfs.empty() ? kFloorDbfs : *std::max_element(dbfs.begin(), dbfs.end());
  if (dbfs.empty() || !(samplingMHz > 0) || !(binMHz > 0)) return;
  const double cornerMHz = samplingMHz / 2;

  // Zone m holds m fs - f (f falling) and m fs + f (f rising). Bin N/2, at fs/2
  // itself, is met once: as the upper side of the zone below.
  const std::size_t top = dbfs.size() - 1;
  // The sequence's bin at fs/2 is its own mirror image and reads half the
  // amplitude of the two lines, at +-fs/2, it stands for; an image of it at
  // (m + 1/2) fs is one line of the staircase, at both amplitudes' sum.
  const bool nyquistBin = double(top) * binMHz >= cornerMHz * (1 - 1e-12);
  const double nyquistImageDb = 20 * std::log10(2.0);
  const auto add = [&](double f, std::size_t k) {
    const double own = dbfs[k] + (nyquistBin && k == top ? nyquistImageDb : 0);
    const TLevelPoint image{f, OnFloor(own + HoldGainDb(f, samplingMHz))};
    out.images.push_back(image);
    KeepStronger(out.strongest, image);
    KeepStronger(out.leftByFilter,
                 {f, OnFloor(image.levelDbfs + ButterworthGainDb(f, cornerMHz))});
  };
  for (int m = 1; m * samplingMHz - cornerMHz < bandMHz; ++m) {
    const double centre = m * samplingMHz;
    for (std::size_t k = top + 1; k-- > 0;) {
      if (nyquistBin && k == top) continue;  // fs/2: the zone below has it
      const double f = centre - double(k) * binMHz;
      if (f > cornerMHz && f <= bandMHz) add(f, k);
    }
    for (std::size_t k = 1; k <= top; ++k) {
      const double f = centre + double(k) * binMHz;
      if (f <= bandMHz) add(f, k);
    }
  }

  const double step = samplingMHz / kCurvePointsPerFs;
  for (int j = 0; j * step <= bandMHz; ++j) {
    const double f = j * step;
    // Whole multiples of fs are the hold's zeros exactly, not a rounding residue.
    const double hold = j > 0 && j % kCurvePointsPerFs == 0 ? kFloorDbfs : HoldGainDb(f, samplingMHz);
    out.envelope.push_back({f, OnFloor(out.topDbfs + hold)});
    out.filter.push_back({f, OnFloor(out.topDbfs + ButterworthGainDb(f, cornerMHz))});
  }
}

}  // namespace quantora
