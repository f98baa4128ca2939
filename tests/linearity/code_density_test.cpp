// The code-density test against the nonlinearity the converter was given:
// what it measures must be what was set, within what its hits per code allow.
#include "linearity/linearity_table.h"
#include "linearity/test_sine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace quantora {
namespace {

struct TCase {
  const char* name;
  int bits;
  double inl, dnl;
  double offsetLsb, gainPercent;  // the test sine is set against them
  bool expectMissing;
};

// Coherent sampling makes each cumulative count exact to one sample, so a
// transition is good to 1 / h LSB and a width to 2 / h, h the hits of a
// mid-scale code; the end codes' counts, good to one sample too, move the
// estimated amplitude and centre a little more (at most 1.5 / h seen in INL).
TEST(CodeDensity, MeasuresWhatWasSet) {
  const TCase cases[] = {
      {"ideal 8 bits", 8, 0, 0, 0, 0, false},
      {"8 bits, DNL 0.3, INL 2", 8, 2, 0.3, 0, 0, false},
      {"12 bits, DNL 0.2, INL -3", 12, -3, 0.2, 0, 0, false},
      {"6 bits, DNL 0.8: missing codes", 6, 0, 0.8, 0, 0, true},
      {"16 bits, DNL 0.1, INL 1", 16, 1, 0.1, 0, 0, false},
      {"10 bits, offset -7 LSB, gain +5 %", 10, -1.5, 0.25, -7, 5, false},
  };
  for (const TCase& c : cases) {
    TSimulationSettings s;
    s.bits = c.bits;
    s.chain.imperfections.inlLsb = c.inl;
    s.chain.imperfections.dnlLsb = c.dnl;
    s.chain.imperfections.offsetErrorLsb = c.offsetLsb;
    s.chain.imperfections.gainErrorPercent = c.gainPercent;
    s.chain.seed = 7;
    const double hits = MidScaleHits(ChooseTestSine(c.bits, s.chain.imperfections, TDitherKind::dkNone));
    const std::vector<TLinearityRow> rows = MeasureLinearity(s);
    ASSERT_EQ(rows.size(), std::size_t(1) << c.bits) << c.name;
    double dnlError = 0, inlError = 0;
    int setMissing = 0;
    for (const TLinearityRow& r : rows) {
      dnlError = std::max(dnlError, std::fabs(r.dnlMeasured - r.dnlSet));
      inlError = std::max(inlError, std::fabs(r.inlMeasured - r.inlSet));
      setMissing += r.dnlSet <= -1.0;
    }
    const TLinearitySummary summary = SummarizeLinearity(rows);
    EXPECT_LE(dnlError, 2 / hits) << c.name;
    EXPECT_LE(inlError, 1.5 / hits) << c.name;
    EXPECT_EQ(summary.missingCodes, setMissing) << c.name;
    EXPECT_EQ(setMissing > 0, c.expectMissing) << c.name;
    // What was set stands well above the tolerance: a test that measured 0 would fail.
    EXPECT_GE(summary.peakDnlSet, c.dnl) << c.name;
    EXPECT_GE(summary.peakInlSet, std::fabs(c.inl)) << c.name;
    EXPECT_NEAR(summary.peakDnlMeasured, summary.peakDnlSet, 2 / hits) << c.name;
  }
  EXPECT_EQ(ChooseTestSine(8, {}, TDitherKind::dkNone).samples, 65536);  // 2^(8+6), raised to the least record
}

// Input noise (2 LSB) and dither make the counts random: the widths are still
// found, within 5 standard deviations u of a transition (the largest of 255
// codes lies near 4 u), and the scatter is there, beyond the noise-free bound.
TEST(CodeDensity, FindsTheWidthsThroughNoiseAndDither) {
  TSimulationSettings s;
  s.chain.imperfections = {.noiseMv = 2 * 10000.0 / 255, .dnlLsb = 0.4};
  s.chain.dither.kind = TDitherKind::dkTriangular;
  const TTestSine sine = ChooseTestSine(s.bits, s.chain.imperfections, s.chain.dither.kind);
  double dnlError = 0, inlError = 0;
  for (const TLinearityRow& r : MeasureLinearity(s)) {
    dnlError = std::max(dnlError, std::fabs(r.dnlMeasured - r.dnlSet));
    inlError = std::max(inlError, std::fabs(r.inlMeasured - r.inlSet));
  }
  EXPECT_LE(std::max(dnlError, inlError), 5 * TransitionUncertaintyLsb(sine));
  EXPECT_GT(dnlError, 2 / MidScaleHits(sine));
}

}  // namespace
}  // namespace quantora
