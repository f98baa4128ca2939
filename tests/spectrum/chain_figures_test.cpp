// The converter figures of the signal chain against what theory says its
// imperfections do to a sine.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "spectrum/spectrum_engine.h"

namespace quantora {
namespace {

TSpectrumResult Spectrum(int interval, int bits, const TChainSettings& chain) {
  TSpectrumEngine engine;
  TSpectrumResult r;
  engine.Compute(TSimulationSettings{TSignalForm::sfSine, interval, bits, chain}, r);
  return r;
}

TChainSettings WithJitter(double ps) {
  TChainSettings c;
  c.imperfections.jitterPs = ps;
  return c;
}

TChainSettings WithDither(TDitherKind kind, bool subtract) {
  TChainSettings c;
  c.dither = {kind, subtract};
  return c;
}

// Jitter of sigma moves each sample by the slope times the time error: a sine
// at f keeps an SNR of -20 log10(2 pi f sigma), whatever its amplitude.
TEST(ChainFigures, JitterLimitsTheSnrAsTheFormulaSays) {
  for (const double ps : {10.0, 30.0, 100.0, 300.0, 1000.0}) {
    const TSpectrumResult r = Spectrum(1, 16, WithJitter(ps));
    ASSERT_TRUE(r.figures && r.figures->snrDb) << ps;
    const double limit = -20 * std::log10(2 * std::numbers::pi * 4e6 * ps * 1e-12);
    EXPECT_NEAR(*r.figures->snrDb, limit, 1.5) << ps << " ps";
  }
}

TEST(ChainFigures, DitherTradesHarmonicsForNoise) {
  const TSpectrumResult plain = Spectrum(1, 8, {});
  const TSpectrumResult tri = Spectrum(1, 8, WithDither(TDitherKind::dkTriangular, false));
  const TSpectrumResult subtracted = Spectrum(1, 8, WithDither(TDitherKind::dkTriangular, true));
  ASSERT_TRUE(plain.figures && tri.figures && subtracted.figures);
  // Triangular dither adds twice the quantizer's own noise power: 10 log10(3).
  EXPECT_NEAR(plain.figures->sinadDb - tri.figures->sinadDb, 4.77, 1.5);
  EXPECT_NEAR(subtracted.figures->sinadDb, plain.figures->sinadDb, 1.0);
  // At 3 bits the error of the plain converter is mostly harmonics.
  const TSpectrumResult coarse = Spectrum(1, 3, {});
  const TSpectrumResult coarseTri = Spectrum(1, 3, WithDither(TDitherKind::dkTriangular, false));
  ASSERT_TRUE(coarse.figures->sfdrDb && coarseTri.figures->sfdrDb);
  EXPECT_GT(*coarseTri.figures->sfdrDb, *coarse.figures->sfdrDb + 3);
}

}  // namespace
}  // namespace quantora
