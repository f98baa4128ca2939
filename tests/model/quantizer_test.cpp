// The converter: level table, tie rule, clamped resolution, full-scale ends.
#include "model/quantizer.h"

#include <gtest/gtest.h>

namespace quantora {
namespace {

// The output voltage of `level` at `bits`, as the converter computes it.
double LevelVoltage(int bits, int level) {
  const long double top = (1L << bits) - 1;
  return static_cast<double>(level / top * 2.0L * 5.0L - 5.0L);
}

TEST(QuantizeTest, ZeroVoltsAtEightBitsTakesTheEvenLevel) {
  // v = 127.5 exactly; ties to even gives level 128, not 127.
  EXPECT_EQ(Quantize(8, 0.0), LevelVoltage(8, 128));
  EXPECT_NEAR(Quantize(8, 0.0), 0.019608, 1e-6);
}

TEST(QuantizeTest, OneBitConverter) {
  EXPECT_EQ(Quantize(1, 0.0), -5.0);  // v = 0.5 rounds to the even level 0
  EXPECT_EQ(Quantize(1, 4.8), 5.0);
  EXPECT_EQ(Quantize(1, -4.8), -5.0);
  EXPECT_EQ(Quantize(1, 0.001), 5.0);
}

TEST(QuantizeTest, EightBitStepIsTenOver255) {
  EXPECT_EQ(Quantize(8, 4.8), LevelVoltage(8, 250));
  EXPECT_NEAR(Quantize(8, 4.8), 4.803922, 1e-6);
  EXPECT_NEAR(Quantize(8, -5.0 + 10.0 / 255.0) - Quantize(8, -5.0), 10.0 / 255.0, 1e-12);
}

TEST(QuantizeTest, ZeroVoltsIsATieAtEveryResolution) {
  // v = 2^(b-1) - 0.5: above one bit the even neighbour is 2^(b-1), just above 0 V.
  for (int bits = 2; bits <= MaxBits; ++bits) {
    SCOPED_TRACE(bits);
    EXPECT_EQ(Quantize(bits, 0.0), LevelVoltage(bits, 1 << (bits - 1)));
    EXPECT_GT(Quantize(bits, 0.0), 0.0);
  }
}

TEST(QuantizeTest, ResolutionIsClampedToOneThroughTwenty) {
  for (double x : {-4.9, -0.3, 0.0, 1.234567, 4.8}) {
    SCOPED_TRACE(x);
    EXPECT_EQ(Quantize(0, x), Quantize(1, x));
    EXPECT_EQ(Quantize(-7, x), Quantize(1, x));
    EXPECT_EQ(Quantize(25, x), Quantize(20, x));
  }
  // Twenty bits really is finer than nineteen.
  EXPECT_NE(Quantize(25, 1.234567), Quantize(19, 1.234567));
}

TEST(QuantizeTest, FullScaleEndsAreExactAtEveryResolution) {
  for (int bits = 0; bits <= 21; ++bits) {
    SCOPED_TRACE(bits);
    EXPECT_EQ(Quantize(bits, -5.0), -5.0);
    EXPECT_EQ(Quantize(bits, 5.0), 5.0);
  }
}

TEST(QuantizeTest, OutOfRangeInputIsNotClamped) {
  // One bit: level -1 and level 2 lie a full step outside the range.
  EXPECT_EQ(Quantize(1, -15.0), -15.0);
  EXPECT_EQ(Quantize(1, 15.0), 15.0);
}

}  // namespace
}  // namespace quantora
