// The quantization figures against values worked out by hand, and against the
// textbook on a real run.
#include "model/quantization_figures.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <memory>

#include "model/quantizer.h"

namespace quantora {
namespace {

// A series whose first half holds heldA with the analog value analogA and whose
// second half holds heldB with analogB, quantized by the converter.
struct THalves {
  double heldA, analogA, heldB, analogB;
};

std::unique_ptr<TSimulationResult> Series(int bits, const THalves& h) {
  auto r = std::make_unique<TSimulationResult>();
  for (int i = 0; i < NumPoints; ++i) {
    const bool first = i < NumPoints / 2;
    r->Held[i] = first ? h.heldA : h.heldB;
    r->Analog[i] = first ? h.analogA : h.analogB;
    r->Sampled[i] = Quantize(bits, r->Held[i]);
    r->Error[i] = r->Analog[i] - r->Sampled[i];
  }
  return r;
}

struct THandCase {
  int bits;
  THalves series;
  TQuantizationFigures expected;  // bits left 0: compared separately
};

// Worked out by hand:
//  1 bit: levels -5 and +5; +-4.8 V lie 0.2 V from them; SQNR = 10 log10(23.04 / 0.04).
//  8 bits: 0 V goes to level 128 (1/51 V above), 4.8 V to level 250 (1/255 V above);
//    the quantization RMS is sqrt((1/51^2 + 1/255^2) / 2) = sqrt(13) / 255 and the
//    SQNR 10 log10(11.52 / (13 / 255^2)).
//  16 bits: +-4.8 V lie 3/65535 V from levels 64224 and 1311; SQNR = 10 log10(23.04 / (3/65535)^2).
// The rule is 6.02 n + 1.76 + 20 log10(0.96) = 6.02 n + 1.405425 dB.
const THandCase kHandCases[] = {
    {1, {4.8, 4.9, -4.8, -5.1}, {0, 10.0, 0.2, 0.2, 0.3, 0.22360679774997896, 0.1, 27.60422483423212, 7.425424660791367}},
    {8, {0.0, 0.05, 4.8, 4.75},
     {0, 10.0 / 255, 1.0 / 51, 0.014139416766525447, 0.05, 0.05, 0.043767675069705206, 47.60589487648267,
      49.565424660791365}},
    {16, {4.8, 4.8, -4.8, -4.8},
     {0, 10.0 / 65535, 3.0 / 65535, 3.0 / 65535, 0.0, 0.0, 3.0 / 65535, 100.41186572842349, 97.72542466079136}},
};

TEST(QuantizationFiguresTest, MatchHandWorkedValues) {
  for (const THandCase& c : kHandCases) {
    SCOPED_TRACE(c.bits);
    const TQuantizationFigures f = QuantizationFigures(c.bits, *Series(c.bits, c.series));
    const TQuantizationFigures& e = c.expected;
    const auto near = [](double expected) { return 1e-12 + std::fabs(expected) * 1e-9; };
    EXPECT_EQ(f.bits, c.bits);
    EXPECT_NEAR(f.step, e.step, near(e.step));
    EXPECT_NEAR(f.quantizationErrorMax, e.quantizationErrorMax, near(e.quantizationErrorMax));
    EXPECT_NEAR(f.quantizationErrorRms, e.quantizationErrorRms, near(e.quantizationErrorRms));
    EXPECT_NEAR(f.holdErrorMax, e.holdErrorMax, near(e.holdErrorMax));
    EXPECT_NEAR(f.holdErrorRms, e.holdErrorRms, near(e.holdErrorRms));
    EXPECT_NEAR(f.totalErrorRms, e.totalErrorRms, near(e.totalErrorRms));
    EXPECT_NEAR(f.sqnrMeasuredDb, e.sqnrMeasuredDb, 1e-9);
    EXPECT_NEAR(f.sqnrRuleDb, e.sqnrRuleDb, 1e-12);
  }
}

TEST(QuantizationFiguresTest, HeldValuesOnLevelsGiveNoQuantizationNoise) {
  // -5 V and +5 V are levels at every resolution: no noise, an unbounded ratio.
  const TQuantizationFigures f = QuantizationFigures(3, *Series(3, {5.0, 4.0, -5.0, -5.0}));
  EXPECT_EQ(f.quantizationErrorMax, 0.0);
  EXPECT_EQ(f.quantizationErrorRms, 0.0);
  EXPECT_EQ(f.sqnrMeasuredDb, std::numeric_limits<double>::infinity());
  EXPECT_NEAR(f.totalErrorRms, std::sqrt(0.5), 1e-15);  // 1 V off on half the grid
}

TEST(QuantizationFiguresTest, ResolutionIsClampedAsTheConverterClampsIt) {
  EXPECT_EQ(QuantizationFigures(0, TSimulationResult{}).bits, 1);
  EXPECT_EQ(QuantizationFigures(25, TSimulationResult{}).bits, MaxBits);
  EXPECT_DOUBLE_EQ(SqnrRuleDb(25), SqnrRuleDb(MaxBits));
}

// The rule follows the generator's sine: 6 dB less for half the amplitude; a
// clipped sine counts as full scale, no sine has no ratio.
TEST(QuantizationFiguresTest, TheRuleFollowsTheSinesAmplitude) {
  EXPECT_NEAR(SqnrRuleDb(8, 2.5), 49.92 - 6.0206, 1e-3);
  EXPECT_DOUBLE_EQ(SqnrRuleDb(8, 9.0), 6.02 * 8 + 1.76);
  EXPECT_TRUE(std::isnan(SqnrRuleDb(8, 0.0)));
}

// On the sine the error is spread evenly over one step once there are enough
// levels: its RMS approaches step / sqrt(12), and the measured ratio the rule.
TEST(QuantizationFiguresTest, SineFollowsTheTextbookAtEightAndSixteenBits) {
  for (int bits : {8, 16}) {
    SCOPED_TRACE(bits);
    auto r = std::make_unique<TSimulationResult>();
    ComputeSeries(TSignalForm::sfSine, 1, bits, 1000.0, *r);
    const TQuantizationFigures f = QuantizationFigures(bits, *r);
    EXPECT_LE(f.quantizationErrorMax, f.step / 2 * (1 + 1e-9));  // half a step, up to rounding
    EXPECT_NEAR(f.quantizationErrorRms / (f.step / std::sqrt(12.0)), 1.0, 0.05);
    EXPECT_NEAR(f.sqnrMeasuredDb, f.sqnrRuleDb, 0.5);
    // At T = 1 the hold error is small against the signal, but not zero.
    EXPECT_GT(f.holdErrorRms, 0.0);
    EXPECT_LT(f.holdErrorMax, 4.8 * M_PI / 125 * 1.0);  // slope bound times one interval
  }
}

}  // namespace
}  // namespace quantora
