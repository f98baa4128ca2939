#include "drawbase/rounding.h"

#include <gtest/gtest.h>

#include <cfenv>

using vqm::RoundHalfEven;

TEST(RoundHalfEven, TiesGoToEvenAndOthersToNearest) {
  EXPECT_EQ(RoundHalfEven(0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(1.5), 2.0);
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(-0.5), 0.0);
  EXPECT_EQ(RoundHalfEven(-1.5), -2.0);
  EXPECT_EQ(RoundHalfEven(2.6), 3.0);
  EXPECT_EQ(RoundHalfEven(0.49999999999999994), 0.0);  // just below a tie
  EXPECT_EQ(RoundHalfEven(4503599627370497.0), 4503599627370497.0);  // odd, beyond the fractions
}

TEST(RoundHalfEven, IndependentOfTheProcessorRoundingMode) {
  const int saved = std::fegetround();
  std::fesetround(FE_UPWARD);
  EXPECT_EQ(RoundHalfEven(2.5), 2.0);
  EXPECT_EQ(RoundHalfEven(-2.5), -2.0);
  std::fesetround(saved);
}
