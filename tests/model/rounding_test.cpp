// The converter's rounding rule: nearest, ties to even, whatever the magnitude.
#include "model/rounding.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace quantora {
namespace {

TEST(WholeNumberTest, TruncateDropsTheFractionTowardZero) {
  EXPECT_EQ(TruncateToWhole(2.75L), 2.0L);
  EXPECT_EQ(TruncateToWhole(-2.75L), -2.0L);
  EXPECT_EQ(TruncateToWhole(std::nextafter(50.0L, 0.0L)), 49.0L);
  EXPECT_EQ(TruncateToWhole(0x1p62L + 0.5L), 0x1p62L);   // beyond the integer path
  EXPECT_EQ(TruncateToWhole(-0x1p62L - 0.5L), -0x1p62L);
  EXPECT_EQ(TruncateToWhole(1e300L), 1e300L);
  EXPECT_EQ(TruncateToWhole(-std::numeric_limits<long double>::infinity()),
            -std::numeric_limits<long double>::infinity());
  EXPECT_TRUE(std::isnan(TruncateToWhole(std::numeric_limits<long double>::quiet_NaN())));
}

TEST(WholeNumberTest, FloorGoesDown) {
  EXPECT_EQ(FloorToWhole(2.75L), 2.0L);
  EXPECT_EQ(FloorToWhole(-2.25L), -3.0L);
  EXPECT_EQ(FloorToWhole(-3.0L), -3.0L);
  EXPECT_EQ(FloorToWhole(-0x1p62L - 0.5L), -0x1p62L - 1.0L);
}

TEST(RoundHalfEvenTest, TiesGoToTheEvenNeighbour) {
  EXPECT_EQ(RoundHalfEven(0.5L), 0.0L);
  EXPECT_EQ(RoundHalfEven(1.5L), 2.0L);
  EXPECT_EQ(RoundHalfEven(2.5L), 2.0L);
  EXPECT_EQ(RoundHalfEven(62.5L), 62.0L);
  EXPECT_EQ(RoundHalfEven(127.5L), 128.0L);
  EXPECT_EQ(RoundHalfEven(187.5L), 188.0L);
  EXPECT_EQ(RoundHalfEven(-0.5L), 0.0L);
  EXPECT_EQ(RoundHalfEven(-1.5L), -2.0L);
  EXPECT_EQ(RoundHalfEven(-2.5L), -2.0L);
}

TEST(RoundHalfEvenTest, NonTiesGoToTheNearestInteger) {
  const long double justBelow = std::nextafter(2.5L, 0.0L);
  const long double justAbove = std::nextafter(2.5L, 3.0L);
  EXPECT_EQ(RoundHalfEven(justBelow), 2.0L);
  EXPECT_EQ(RoundHalfEven(justAbove), 3.0L);
  EXPECT_EQ(RoundHalfEven(std::nextafter(0.5L, 1.0L)), 1.0L);
  EXPECT_EQ(RoundHalfEven(-2.75L), -3.0L);
  EXPECT_EQ(RoundHalfEven(7.0L), 7.0L);
}

TEST(RoundHalfEvenTest, LargeAndSpecialValuesPassThrough) {
  EXPECT_EQ(RoundHalfEven(1e30L), 1e30L);
  EXPECT_EQ(RoundHalfEven(-0x1p70L), -0x1p70L);
  // 2^63 + 0.5 needs 65 bits; the largest exact tie is 2^62 + 0.5.
  EXPECT_EQ(RoundHalfEven(0x1p62L + 0.5L), 0x1p62L);
  EXPECT_EQ(RoundHalfEven(0x1p62L + 1.5L), 0x1p62L + 2.0L);
  EXPECT_TRUE(std::isnan(RoundHalfEven(std::numeric_limits<long double>::quiet_NaN())));
}

}  // namespace
}  // namespace quantora
