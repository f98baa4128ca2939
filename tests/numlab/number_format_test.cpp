// Texts of the thirteen display types, with the separator and plus-sign step.
#include "numlab/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace vqm {
namespace {

const std::string kOverflow = "*********";

std::string Text(double value, TDisplay type, int precision, bool comma = false, bool plus = false) {
  TNumberFormat f;
  f.DisplayType = type;
  f.Precision = precision;
  f.Comma = comma;
  f.ForcePlusSign = plus;
  return FormatValueText(value, f);
}

TEST(NumberFormatTest, DefaultsAreThoseOfTheReadout) {
  const TNumberFormat f;
  EXPECT_EQ(f.DisplayType, dtFixP);
  EXPECT_EQ(f.Precision, 2);
  EXPECT_FALSE(f.Comma);
  EXPECT_FALSE(f.ForcePlusSign);
  EXPECT_EQ(f.DTFormat, "mmm-dd, yyyy");
  EXPECT_EQ(f.StateText, "undefined");
  EXPECT_EQ(f.OverflowIndicator, kOverflow);
  EXPECT_EQ(int(dtFloat), 0);
  EXPECT_EQ(int(dtDateTime), 6);
  EXPECT_EQ(int(dtDegMinSec), 12);
}

TEST(NumberFormatTest, FixedPointWithCommaAndPlusSign) {
  EXPECT_EQ(Text(1000.0 / 7, dtFixP, 2), "142.86");
  EXPECT_EQ(Text(1000.0 / 7, dtFixP, 2, true), "142,86");
  EXPECT_EQ(Text(1000.0 / 7, dtFixP, 2, false, true), "+142.86");
  EXPECT_EQ(Text(1000.0 / 7, dtFixP, 2, true, true), "+142,86");
  EXPECT_EQ(Text(-3, dtFixP, 2, false, true), "-3.00");
  EXPECT_EQ(Text(0, dtFixP, 2, false, true), "0.00");  // zero gets no sign
  EXPECT_EQ(Text(-0.0, dtFixP, 2), "0.00");
  // The main window's read-outs.
  EXPECT_EQ(Text(100, dtFixP, 2), "100.00");
  EXPECT_EQ(Text(10, dtFixP, 1), "10.0");
  EXPECT_EQ(Text(8, dtFixP, 0), "8");
  EXPECT_EQ(Text(1234567.5, dtFixP, 1), "1234567.5");  // no thousands separators
  EXPECT_EQ(Text(2.675, dtFixP, 2), "2.67");            // the double lies below 2.675
}

TEST(NumberFormatTest, GeneralPicksFixedOrScientific) {
  EXPECT_EQ(Text(1000.0 / 7, dtFloat, 5), "142.86");
  EXPECT_EQ(Text(100, dtFloat, 3), "100");
  EXPECT_EQ(Text(1000, dtFloat, 3), "1E+003");        // four integer digits exceed the precision
  EXPECT_EQ(Text(1234.5, dtFloat, 3), "1.23E+003");
  EXPECT_EQ(Text(99999.6, dtFloat, 5), "1E+005");      // rounding adds a digit
  EXPECT_EQ(Text(0.5, dtFloat, 2), "0.5");
  EXPECT_EQ(Text(0.00001, dtFloat, 3), "0.00001");
  EXPECT_EQ(Text(0.000001234, dtFloat, 3), "1.23E-006");
  EXPECT_EQ(Text(-2.5, dtFloat, 4, true), "-2,5");
  EXPECT_EQ(Text(0, dtFloat, 4), "0");
  EXPECT_EQ(Text(7.25, dtFloat, 0), "7");  // precision 0 shows one significant digit
  EXPECT_EQ(Text(std::numeric_limits<double>::infinity(), dtFloat, 4), "INF");
}

TEST(NumberFormatTest, ScientificHasSignedThreeDigitExponent) {
  EXPECT_EQ(Text(100, dtExp, 3), "1.00E+002");
  EXPECT_EQ(Text(-0.00123, dtExp, 2), "-1.2E-003");
  EXPECT_EQ(Text(6.02e23, dtExp, 4, true, true), "+6,020E+023");
  EXPECT_EQ(Text(1e-300, dtExp, 1), "1E-300");
  EXPECT_EQ(Text(0, dtExp, 3), "0.00E+000");
}

TEST(NumberFormatTest, HexKeepsTheLastDigitsAndChecksTheRange) {
  EXPECT_EQ(Text(255, dtHex, 4), "00FF");
  EXPECT_EQ(Text(65536, dtHex, 4), "0000");
  EXPECT_EQ(Text(-1, dtHex, 4), "FFFF");
  EXPECT_EQ(Text(5e9, dtHex, 4), kOverflow);
  EXPECT_EQ(Text(4294967295.0, dtHex, 15), "FFFFFFFF");  // at most 8 digits
  EXPECT_EQ(Text(-2147483648.0, dtHex, 8), "80000000");
  EXPECT_EQ(Text(-2147483649.0, dtHex, 8), kOverflow);
  EXPECT_EQ(Text(255, dtHex, 0), "");
  EXPECT_EQ(Text(255, dtHex, 4, true, true), "00FF");  // no separator or sign step
  EXPECT_EQ(Text(std::nan(""), dtHex, 4), kOverflow);
}

TEST(NumberFormatTest, ZeroPaddedIntegers) {
  EXPECT_EQ(Text(42, dtZeroInt, 5), "00042");
  EXPECT_EQ(Text(-42, dtZeroInt, 5), "-00042");
  EXPECT_EQ(Text(42, dtZeroInt, 5, false, true), "+00042");
  EXPECT_EQ(Text(2147483647.0, dtZeroInt, 5), "2147483647");
  EXPECT_EQ(Text(2147483648.0, dtZeroInt, 5), kOverflow);
  EXPECT_EQ(Text(2147483648.0, dtZeroInt, 5, false, true), kOverflow);  // the indicator stays as it is
  EXPECT_EQ(Text(0, dtZeroInt, 0), "0");
}

TEST(NumberFormatTest, IntegersRoundTiesToEven) {
  EXPECT_EQ(Text(2.5, dtInt, 2), "2");
  EXPECT_EQ(Text(3.5, dtInt, 2), "4");
  EXPECT_EQ(Text(-2.5, dtInt, 2), "-2");
  EXPECT_EQ(Text(2.5000001, dtInt, 2), "3");
  EXPECT_EQ(Text(1e12, dtInt, 2), "1000000000000");  // no range check
  EXPECT_EQ(Text(1e19, dtInt, 2), kOverflow);          // beyond any 64-bit integer
  EXPECT_EQ(Text(std::nan(""), dtInt, 2), kOverflow);
  EXPECT_EQ(Text(7, dtInt, 2, false, true), "+7");
}

TEST(NumberFormatTest, BinaryShowsExactlyTheLastDigits) {
  EXPECT_EQ(Text(5, dtBin, 8), "00000101");
  EXPECT_EQ(Text(-1, dtBin, 8), "11111111");
  EXPECT_EQ(Text(-1, dtBin, 15), "111111111111111");
  EXPECT_EQ(Text(256 + 5, dtBin, 8), "00000101");
  EXPECT_EQ(Text(5, dtBin, 0), "");
  EXPECT_EQ(Text(5e9, dtBin, 8), kOverflow);
}

TEST(NumberFormatTest, OctalTakesThePlusSign) {
  EXPECT_EQ(Text(8, dtOct, 4), "0010");
  EXPECT_EQ(Text(8, dtOct, 4, false, true), "+0010");
  EXPECT_EQ(Text(-1, dtOct, 15), "37777777777");  // 11 digits cover 32 bits
  EXPECT_EQ(Text(4294967295.0, dtOct, 12), "37777777777");
  EXPECT_EQ(Text(8, dtOct, 0), "");
}

TEST(NumberFormatTest, StateTextWhateverTheValue) {
  TNumberFormat f;
  f.DisplayType = dtState;
  f.Comma = true;
  f.ForcePlusSign = true;
  f.StateText = "v1.5 off";
  EXPECT_EQ(FormatValueText(12.5, f), "v1.5 off");
  EXPECT_EQ(FormatValueText(std::nan(""), f), "v1.5 off");
}

TEST(NumberFormatTest, Degrees) {
  EXPECT_EQ(Text(12.5, dtDeg, 2), "12.50\u00B0");
  EXPECT_EQ(Text(12.5, dtDeg, 2, true), "12,50\u00B0");
  EXPECT_EQ(Text(12.5, dtDeg, 12), "12.50000000\u00B0");  // at most 8 decimals
  EXPECT_EQ(Text(-12.5, dtDeg, 1, false, true), "-12.5\u00B0");
  EXPECT_EQ(Text(std::nan(""), dtDeg, 1), kOverflow);
}

TEST(NumberFormatTest, DegreesAndMinutes) {
  EXPECT_EQ(Text(12.5, dtDegMin, 1), "12\u00B0 30.0'");
  EXPECT_EQ(Text(12.5, dtDegMin, 1, true, true), "+12\u00B0 30,0'");
  EXPECT_EQ(Text(12.1, dtDegMin, 1), "12\u00B0  6.0'");  // minutes right-aligned in d + 3
  EXPECT_EQ(Text(12.5, dtDegMin, 0), "12\u00B0  30'");
  EXPECT_EQ(Text(-12.5, dtDegMin, 1), "-12\u00B0 30.0'");
  EXPECT_EQ(Text(-0.5, dtDegMin, 1), "-0\u00B0 30.0'");       // the sign is not lost with 0 degrees
  EXPECT_EQ(Text(12.99999, dtDegMin, 1), "13\u00B0  0.0'");  // carries instead of showing 60.0'
}

TEST(NumberFormatTest, DegreesMinutesAndSeconds) {
  EXPECT_EQ(Text(12.5125, dtDegMinSec, 1), "12\u00B0 30' 45.0\"");
  EXPECT_EQ(Text(12.5125, dtDegMinSec, 1, true), "12\u00B0 30' 45,0\"");
  EXPECT_EQ(Text(12.0125, dtDegMinSec, 2), "12\u00B0  0' 45.00\"");
  EXPECT_EQ(Text(1.0 / 3600, dtDegMinSec, 0), "0\u00B0  0'   1\"");
  EXPECT_EQ(Text(-1.0 / 3600, dtDegMinSec, 0), "-0\u00B0  0'   1\"");  // one unit below zero keeps its sign
  EXPECT_EQ(Text(29.99999999, dtDegMinSec, 1), "30\u00B0  0'  0.0\"");
}

TEST(NumberFormatTest, DateTimeByPattern) {
  TNumberFormat f;
  f.DisplayType = dtDateTime;
  f.Comma = true;
  f.ForcePlusSign = true;
  EXPECT_EQ(FormatValueText(45000.75, f), "Mar-15, 2023");  // no separator or sign step
  f.DTFormat = "dd.mm.yyyy hh:nn";
  EXPECT_EQ(FormatValueText(45000.75, f), "15.03.2023 18:00");
  EXPECT_EQ(FormatValueText(1e9, f), kOverflow);
}

TEST(NumberFormatTest, PrecisionOutsideItsRangeIsLimited) {
  EXPECT_EQ(Text(1.0 / 3, dtFixP, 40), "0.333333333333333");
  EXPECT_EQ(Text(1.0 / 3, dtFixP, -4), "0");
}

}  // namespace
}  // namespace vqm
