// The staircase's images against its own Fourier transform, taken directly
// from the held values, and against the hold's sin(x)/x.
#include "spectrum/spectrum_engine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <numbers>

#include "reconstruction/sample_record.h"

namespace quantora {
namespace {

// The held record's line at f as dBFS: its Fourier coefficient over the record,
// summed on a grid 64 times finer than T (the staircase is exact on it; the
// grid's Dirichlet kernel differs from sinc by 0.02 dB at 2.5 fs).
double StaircaseDbfs(const std::vector<double>& held, int interval, double fMHz) {
  constexpr int kFine = 64;
  std::complex<double> sum;
  for (std::size_t n = 0; n < held.size(); ++n)
    for (int s = 0; s < kFine; ++s)
      sum += held[n] * std::polar(1.0, -2 * std::numbers::pi * fMHz * (double(n) + (s + 0.5) / kFine) * interval / 1000);
  return 20 * std::log10(2 * std::abs(sum) / double(held.size() * kFine) / kFullScaleVolts);
}

// Whole periods (no window): every image stands where the staircase has it, and
// the line's images (the sine at 4 MHz or its alias) lie on sin(x)/x from the
// strongest line. Below -120 dBFS is the floor, not an image.
TEST(HeldImages, ImagesAreTheStaircasesOwnLinesUnderSinX) {
  struct TCase { int interval, bits; double lineMHz; };
  for (const TCase c : {TCase{1, 16, 4}, {10, 8, 4}, {25, 4, 4}, {100, 12, 4}, {200, 16, 1}}) {
    TSpectrumEngine engine;
    TSpectrumResult r;
    const TSimulationSettings settings{TSignalForm::sfSine, c.interval, c.bits, {}};
    engine.Compute(settings, r);
    ASSERT_EQ(r.window.kind, TWindowKind::wkRectangular);
    EXPECT_TRUE(r.held.envelope.front().frequencyMHz == 0 && r.held.filter.front().frequencyMHz == 0);
    std::vector<double> held = OutputRecord(settings).values;
    held.resize(r.samples);
    int onEnvelope = 0;
    for (const TLevelPoint& image : r.held.images) {
      ASSERT_TRUE(image.frequencyMHz > r.nyquistMHz && image.frequencyMHz <= r.bandMHz);
      if (image.levelDbfs < -120) continue;
      const double staircase = StaircaseDbfs(held, c.interval, image.frequencyMHz);
      const double x = std::numbers::pi * image.frequencyMHz / r.samplingMHz;
      const double envelope = r.held.topDbfs + 20 * std::log10(std::fabs(std::sin(x) / x));
      EXPECT_NEAR(image.levelDbfs, staircase, 1.0) << c.interval << " ns " << image.frequencyMHz << " MHz";
      EXPECT_LE(image.levelDbfs, envelope + 1.0) << c.interval << " ns " << image.frequencyMHz << " MHz";
      const bool ofTheLine = std::fabs(std::fabs(std::remainder(image.frequencyMHz, r.samplingMHz)) - c.lineMHz) < 1e-6;
      if (ofTheLine && ++onEnvelope) EXPECT_NEAR(staircase, envelope, 1.0) << image.frequencyMHz;
    }
    // k fs ± f for k = 1, 2 and fs + ... up to 2.5 fs: four images of the line.
    EXPECT_EQ(onEnvelope, 4) << c.interval << " ns";
    // The nearest image, at fs - f, is the strongest; the filter leaves it
    // 10 log10(1 + (f' / (fs/2))^8) lower.
    const double nearest = r.samplingMHz - c.lineMHz;
    ASSERT_TRUE(r.held.strongest && r.held.leftByFilter);
    EXPECT_DOUBLE_EQ(r.held.strongest->frequencyMHz, nearest);
    EXPECT_NEAR(r.held.leftByFilter->levelDbfs,
                r.held.strongest->levelDbfs - 10 * std::log10(1 + std::pow(nearest / r.nyquistMHz, 8)), 1e-9);
  }
}

}  // namespace
}  // namespace quantora
