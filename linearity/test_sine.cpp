#include "linearity/test_sine.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "model/quantizer.h"

namespace quantora {
namespace {

// A prime, so relatively prime to every power-of-two record: sample j then
// meets the phase (j * cycles mod S) / S, and the S samples meet every phase
// 0, 1/S, ... exactly once. The histogram is then close to the sine's ideal
// arcsine density, without the scatter random phases would add.
constexpr std::int64_t kCycles = 1021;

// The record: 2^(bits + 6) samples, at least 2^16. A mid-scale code then gets
// S / (pi A) = 128 / pi, about 40 hits; as coherent sampling makes each
// cumulative count exact to one sample, every transition is known to 1/40 LSB
// and every code width to 0.05 LSB. At 16 bits that is 4.2 M samples.
constexpr int kExtraBits = 6;
constexpr int kLeastRecordBits = 16;

}  // namespace

TTestSine ChooseTestSine(int bits, const TImperfections& imperfections, TDitherKind dither) {
  const int n = std::clamp(bits, MinBits, MaxBits);
  const double top = double((1 << n) - 1);
  const double lsbVolts = 10.0 / top;
  const double gain = 1.0 + imperfections.gainErrorPercent / 100.0;
  const double noiseLsb = imperfections.noiseMv / 1000.0 * gain / lsbVolts;
  const double ditherPeakLsb = dither == TDitherKind::dkTriangular ? 1.0 : dither == TDitherKind::dkRectangular ? 0.5 : 0.0;
  const double ditherVariance = dither == TDitherKind::dkTriangular ? 1.0 / 6 : dither == TDitherKind::dkRectangular ? 1.0 / 12 : 0.0;
  // Past each end by 1 % of the half range, at least 2 LSB, plus what noise
  // (4 standard deviations) and dither may take off a sample.
  const double overdrive = std::max(2.0, 0.01 * top / 2) + 4 * noiseLsb + ditherPeakLsb;
  TTestSine sine;
  sine.samples = std::int64_t(1) << std::max(kLeastRecordBits, n + kExtraBits);
  sine.cycles = kCycles;
  sine.centreLsb = top / 2;
  sine.amplitudeLsb = top / 2 + overdrive;
  sine.spreadLsb = std::sqrt(noiseLsb * noiseLsb + ditherVariance);
  return sine;
}

double MidScaleHits(const TTestSine& sine) {
  return double(sine.samples) / (std::numbers::pi * sine.amplitudeLsb);
}

double TransitionUncertaintyLsb(const TTestSine& sine) {
  const double hits = MidScaleHits(sine);
  if (sine.spreadLsb <= 0) return 1 / hits;
  return std::max(1 / hits, std::sqrt(sine.spreadLsb / (std::sqrt(std::numbers::pi) * hits)));
}

}  // namespace quantora
