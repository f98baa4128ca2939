// The extended-precision sine and cosine against the C library's long double ones.
#include "model/extended_trig.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numbers>

namespace quantora {
namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr long double kUlpAtOne = std::numeric_limits<long double>::epsilon();

// Allowed deviation: two units in the last place of the reference, or of the
// smallest normal result size the sweep cares about.
long double Tolerance(long double reference) {
  return 2.0L * kUlpAtOne * std::max(std::fabs(reference), 1e-3L);
}

// gtest's NEAR compares doubles; these values differ below double precision.
testing::AssertionResult Close(long double actual, long double expected, long double tolerance) {
  if (std::fabs(actual - expected) <= tolerance) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "off by " << static_cast<double>(actual - expected)
                                     << ", allowed " << static_cast<double>(tolerance);
}

TEST(ExtendedTrigTest, MatchesTheLibraryOverTheWaveformArguments) {
  // The waveforms reach about 201 rad; sweep beyond, on an irregular step.
  for (long double x = -260.0L; x <= 260.0L; x += 0.0013791L) {
    ASSERT_TRUE(Close(SinExtended(x), std::sin(x), Tolerance(std::sin(x)))) << static_cast<double>(x);
    ASSERT_TRUE(Close(CosExtended(x), std::cos(x), Tolerance(std::cos(x)))) << static_cast<double>(x);
  }
}

TEST(ExtendedTrigTest, KeepsPrecisionNextToMultiplesOfHalfPi) {
  for (int quarter = -128; quarter <= 128; ++quarter) {
    const long double x = quarter * (kPi / 2);
    SCOPED_TRACE(quarter);
    // Results here are tiny (or one); an absolute error would hide a bad reduction.
    EXPECT_TRUE(Close(SinExtended(x), std::sin(x), 2.0L * kUlpAtOne * std::fabs(std::sin(x)) + 1e-30L));
    EXPECT_TRUE(Close(CosExtended(x), std::cos(x), 2.0L * kUlpAtOne * std::fabs(std::cos(x)) + 1e-30L));
  }
}

TEST(ExtendedTrigTest, LargeAndNonFiniteArgumentsFallBackToTheLibrary) {
  for (long double x : {0x1p20L, -0x1p30L, 1e19L, 0x1p70L}) {
    EXPECT_EQ(SinExtended(x), std::sin(x));
    EXPECT_EQ(CosExtended(x), std::cos(x));
  }
  EXPECT_TRUE(std::isnan(SinExtended(std::numeric_limits<long double>::infinity())));
  EXPECT_TRUE(std::isnan(CosExtended(std::numeric_limits<long double>::quiet_NaN())));
}

}  // namespace
}  // namespace quantora
