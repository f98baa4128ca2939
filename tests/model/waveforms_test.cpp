// The five test signals and the sample-and-hold instant.
#include "model/waveforms.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

#include "model/simulation.h"

namespace quantora {
namespace {

TEST(SignalValueTest, SineHasPeriod250AndPeak4Point8) {
  EXPECT_NEAR(SignalValue(TSignalForm::sfSine, 62.5), 4.8, 1e-15);
  EXPECT_NEAR(SignalValue(TSignalForm::sfSine, 187.5), -4.8, 1e-15);
  EXPECT_NEAR(SignalValue(TSignalForm::sfSine, 250.0), 0.0, 1e-15);
  EXPECT_NEAR(SignalValue(TSignalForm::sfSine, GridTime(1)), 0.058903383771455646, 1e-16);
}

TEST(SignalValueTest, ThreeTermSineStartsAtTheCosineTerm) {
  EXPECT_EQ(SignalValue(TSignalForm::sfThreeTermSine, 0.0), 2.0);
  EXPECT_NEAR(SignalValue(TSignalForm::sfThreeTermSine, 1e-9), 2.0, 1e-9);
  EXPECT_GT(SignalValue(TSignalForm::sfThreeTermSine, 1e-9), 1.99);
}

TEST(SignalValueTest, ThreeTermSineStaysBetweenItsGridExtremes) {
  double low = 0.0, high = 0.0;
  for (int i = 1; i <= NumPoints; ++i) {
    const double s = SignalValue(TSignalForm::sfThreeTermSine, GridTime(i));
    low = std::min(low, s);
    high = std::max(high, s);
  }
  EXPECT_NEAR(low, -4.42, 0.01);
  EXPECT_NEAR(high, 4.92, 0.01);
}

TEST(SignalValueTest, SawtoothRoundsTiesToEvenBeforeTheRemainder) {
  EXPECT_NEAR(SignalValue(TSignalForm::sfSawtooth, GridTime(128)), 0.496, 1e-15);  // 62.5 -> 62
  EXPECT_NEAR(SignalValue(TSignalForm::sfSawtooth, GridTime(384)), 1.504, 1e-15);  // 187.5 -> 188
  EXPECT_NEAR(SignalValue(TSignalForm::sfSawtooth, 249.0), 1.992, 1e-15);
  EXPECT_EQ(SignalValue(TSignalForm::sfSawtooth, 249.6), 0.0);  // rounds to 250, wraps
  EXPECT_EQ(SignalValue(TSignalForm::sfSawtooth, 1000.0 - 0.48828125), 0.0);  // 999.51 -> 1000
}

TEST(SignalValueTest, SawtoothAtHugeTimesStaysInRange) {
  // The remainder of a value far beyond 64-bit integers: no overflow, still a ramp value.
  for (double t : {1e30, -1e30, 0x1p63, 1e300}) {
    SCOPED_TRACE(t);
    const double s = SignalValue(TSignalForm::sfSawtooth, t);
    EXPECT_LE(std::abs(s), 1.992);
  }
}

TEST(SignalValueTest, SincPeaksAtFiveHundredNanoseconds) {
  EXPECT_EQ(SignalValue(TSignalForm::sfSinc, GridTime(1024)), 4.0);
  EXPECT_NEAR(SignalValue(TSignalForm::sfSinc, GridTime(1025)), 3.99841, 1e-5);
  EXPECT_EQ(SignalValue(TSignalForm::sfSinc, GridTime(1023)),
            SignalValue(TSignalForm::sfSinc, GridTime(1025)));  // symmetric about the peak
  EXPECT_NEAR(SignalValue(TSignalForm::sfSinc, 500.0 + 10.0 * std::acos(-1.0)), 0.0, 1e-14);
}

TEST(SignalValueTest, GoldenValuesOfTheExtendedPrecisionFormulas) {
  // Computed with the C library's long double sine and cosine; the last bits
  // show that every intermediate is carried in 80 bits (the sine's zero at
  // 1000 ns is what extended pi leaves over, not 0 and not double pi's 1e-15).
  struct TGolden {
    TSignalForm form;
    int point;
    double value;
  };
  const TGolden golden[] = {
      {TSignalForm::sfSine, 333, -3.890194551612455},
      {TSignalForm::sfSine, 2048, 1.9263581232646395e-18},
      {TSignalForm::sfThreeTermSine, 1, 2.0455877950393728},
      {TSignalForm::sfThreeTermSine, 333, 3.3700744389397559},
      {TSignalForm::sfSawtooth, 333, 1.304},
      {TSignalForm::sfSinc, 1, -0.024757048959978926},
      {TSignalForm::sfSinc, 2048, -0.020989988296314304},
      {TSignalForm::sfChirp, 1, 9.5367431631589977e-05},
      {TSignalForm::sfChirp, 2048, -2.0254625644390352},
  };
  for (const TGolden& g : golden)
    EXPECT_EQ(SignalValue(g.form, GridTime(g.point)), g.value)
        << "form " << static_cast<int>(g.form) << " point " << g.point;
  EXPECT_EQ(HeldSignalValue(TSignalForm::sfChirp, 994.0), -3.9510726264193408);
  EXPECT_EQ(HeldSignalValue(TSignalForm::sfSinc, 994.0), -0.061652479051703638);
}

TEST(SignalValueTest, UnknownFormIsSilent) {
  EXPECT_EQ(SignalValue(static_cast<TSignalForm>(5), 62.5), 0.0);
  EXPECT_EQ(HeldSignalValue(static_cast<TSignalForm>(-1), 62.0), 0.0);
}

TEST(HeldSignalValueTest, AgreesWithTheAnalogSignalAtTheInstant) {
  for (int form = 0; form < NumSignalForms; ++form) {
    for (double held : {0.0, 7.0, 250.0, 500.0, 994.0}) {
      SCOPED_TRACE(testing::Message() << "form " << form << " at " << held);
      const auto f = static_cast<TSignalForm>(form);
      EXPECT_NEAR(HeldSignalValue(f, held), SignalValue(f, held), 1e-15);
    }
  }
}

TEST(HoldTimeTest, PresentsTheLastInstantAtOrBeforeT) {
  for (int i = 1; i <= 20; ++i) EXPECT_EQ(HoldTime(GridTime(i), 10), 0.0) << i;
  EXPECT_EQ(HoldTime(GridTime(21), 10), 10.0);  // t = 10.25390625
  EXPECT_EQ(HoldTime(GridTime(1024), 10), 500.0);  // exactly on an instant
  EXPECT_EQ(HoldTime(GridTime(2048), 7), 994.0);
  EXPECT_EQ(HoldTime(GridTime(2048), 200), 1000.0);
  EXPECT_EQ(HoldTime(GridTime(1), 1), 0.0);
}

// The whole-number hold instant of a grid point is the extended division's,
// at every grid point and every interval the scroll bar offers.
TEST(HoldTimeTest, GridHoldTimeIsTheExtendedOnesEverywhere) {
  for (int interval = 1; interval <= 200; ++interval)
    for (int i = 1; i <= NumPoints; ++i)
      if (GridHoldTime(i, interval) != HoldTime(GridTime(i), interval)) FAIL() << "t_" << i << ", T = " << interval;
}

}  // namespace
}  // namespace quantora
