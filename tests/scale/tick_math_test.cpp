#include "scale/tick_math.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace vqm;

struct SpacingCase {
  int minTicks;
  double low, high;
  double first, step;
  int subdivisions;
};

TEST(CalcScaleTicks, OneTwoFiveRule) {
  const SpacingCase cases[] = {
      {3, 0, 1000, 0, 200, 4},      // 333 -> 200
      {3, -5.5, 5.5, -4, 2, 4},     // 3.67 -> 2, first multiple at or after -5.5
      {5, 0, 10, 0, 1, 5},          // exactly 2: the smaller mantissa
      {3, 100, 0, 100, -20, 4},     // reversed: 33.3 -> -20
      {3, 0, 100, 0, 20, 4},
      {3, 0, 1, 0, 0.2, 4},
      {10, 0, 0.001, 0, 0.0001, 5},
      {3, 0.013, 0.017, 0.013, 0.001, 5},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.low << ".." << c.high << " min " << c.minTicks);
    const TTickSpacing s = CalcScaleTicks(c.minTicks, c.low, c.high);
    EXPECT_NEAR(s.Step, c.step, 1e-12 * std::abs(c.step));
    EXPECT_NEAR(s.First, c.first, 1e-9 * std::abs(c.step));
    EXPECT_EQ(s.Subdivisions, c.subdivisions);
  }
}

TEST(CalcScaleTicks, ExactQuotientTakesSmallerMantissa) {
  // 10 / 2 = 5 exactly: mantissa 2, not 5.
  EXPECT_DOUBLE_EQ(CalcScaleTicks(2, 0, 10).Step, 2.0);
  EXPECT_EQ(CalcScaleTicks(2, 0, 10).Subdivisions, 4);
  // 10 / 5 = 2 exactly: mantissa 1.
  EXPECT_DOUBLE_EQ(CalcScaleTicks(5, 0, 10).Step, 1.0);
  // Slightly above 5 takes 5.
  EXPECT_DOUBLE_EQ(CalcScaleTicks(2, 0, 10.2).Step, 5.0);
}

TEST(CalcScaleTicks, DegenerateInputsEndQuietly) {
  const TTickSpacing equal = CalcScaleTicks(3, 7, 7);
  EXPECT_EQ(equal.Step, 0.0);
  EXPECT_EQ(equal.First, 7.0);
  EXPECT_EQ(equal.Subdivisions, 1);
  EXPECT_EQ(CalcScaleTicks(3, 0, HUGE_VAL).Step, 0.0);
  // A span below the resolution of its bounds still ends (no endless loop).
  const TTickSpacing tiny = CalcScaleTicks(10, 1e20, 1e20 + 16384);
  EXPECT_GT(tiny.Step, 0.0);
}

TEST(AutoDecPlaces, ChoosesBySpan) {
  EXPECT_EQ(AutoDecPlaces(3, 1, 0), 3);
  EXPECT_EQ(AutoDecPlaces(-1, 1, 0), -1);
  EXPECT_EQ(AutoDecPlaces(0, 1e9, 0), 0);
  const std::pair<double, int> golden[] = {
      {1, 2}, {10, 1}, {11, 1}, {0.1, 3}, {0.01, 4}, {100, 0}, {99, 0}, {999999, 0},
      {1000000, -1}, {0.0001, -1}, {0.00011, 6}, {5, 1}, {3, 2},
  };
  for (auto [span, places] : golden) {
    EXPECT_EQ(AutoDecPlaces(-2, span, 0), places) << "span " << span;
    EXPECT_EQ(AutoDecPlaces(-3, 0, span), places) << "span " << span << " reversed";
  }
}

TEST(LogDecPlaces, ChoosesByLowerBound) {
  EXPECT_EQ(LogDecPlaces(-3, 1000, 1), -3);
  EXPECT_EQ(LogDecPlaces(2, 1000, 1), 2);
  EXPECT_EQ(LogDecPlaces(-2, 1000, 1), 0);
  EXPECT_EQ(LogDecPlaces(-2, 1, 1000), 0);  // swapped bounds
  EXPECT_EQ(LogDecPlaces(-2, 100, 0.01), 3);
  EXPECT_EQ(LogDecPlaces(-2, 10, 0.5), 1);
  EXPECT_EQ(LogDecPlaces(-2, 2e6, 1), -1);
  EXPECT_EQ(LogDecPlaces(-2, 0.00011, 0.00001), -1);
}

