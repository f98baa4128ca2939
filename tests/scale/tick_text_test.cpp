#include "scale/tick_text.h"

#include <gtest/gtest.h>

#include <cmath>

#include <clocale>

using namespace vqm;

TEST(FormatTickNumber, FixedPoint) {
  EXPECT_EQ(FormatTickNumber(-4, 1), "-4.0");
  EXPECT_EQ(FormatTickNumber(200, 0), "200");
  EXPECT_EQ(FormatTickNumber(0, 2), "0.00");
  EXPECT_EQ(FormatTickNumber(0.125, 2), "0.12");  // the binary value is exact: half to even
  EXPECT_EQ(FormatTickNumber(1.0 / 3, 12), "0.333333333333");
  EXPECT_EQ(FormatTickNumber(-1e-17, 2), "0.00");  // no "-0.00"
  EXPECT_EQ(FormatTickNumber(-0.0, 0), "0");
}

TEST(FormatTickNumber, ScientificWithTwoDigitExponent) {
  EXPECT_EQ(FormatTickNumber(2e6, -1), " 2.0E+06");
  EXPECT_EQ(FormatTickNumber(123456, -1), " 1.2E+05");
  EXPECT_EQ(FormatTickNumber(-0.034, -1), "-3.4E-02");
  EXPECT_EQ(FormatTickNumber(0, -1), " 0.0E+00");
  EXPECT_EQ(FormatTickNumber(9.96, -1), " 1.0E+01");
  EXPECT_EQ(FormatTickNumber(1e99, -1), " 1.0E+99");
  // Exponents of three digits and more show as eight asterisks.
  EXPECT_EQ(FormatTickNumber(1e100, -1), "********");
  EXPECT_EQ(FormatTickNumber(-2.5e-150, -1), "********");
  EXPECT_EQ(FormatTickNumber(HUGE_VAL, -1), "********");
}

TEST(FormatTickNumber, IgnoresTheCLocale) {
  const std::string saved = std::setlocale(LC_NUMERIC, nullptr);
  if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8") && !std::setlocale(LC_NUMERIC, "fr_FR.UTF-8"))
    GTEST_SKIP() << "no locale with a decimal comma installed";
  EXPECT_EQ(FormatTickNumber(-4, 1), "-4.0");
  EXPECT_EQ(FormatTickNumber(2e6, -1), " 2.0E+06");
  EXPECT_EQ(SecondsToText(0.2, true), " 00:00:00.200");
  std::setlocale(LC_NUMERIC, saved.c_str());
}

TEST(UserTickItem, ItemsAndWhatComesPastTheLast) {
  EXPECT_EQ(UserTickItem("a|b|c", 1), "a");
  EXPECT_EQ(UserTickItem("a|b|c", 2), "b");
  EXPECT_EQ(UserTickItem("a|b|c", 3), "c");
  EXPECT_EQ(UserTickItem("a|b|c", 5), "c");
  EXPECT_EQ(UserTickItem("a|b|", 2), "b");
  EXPECT_EQ(UserTickItem("a|b|", 3), "");
  EXPECT_EQ(UserTickItem("a|b|", 9), "");
  EXPECT_EQ(UserTickItem("alone", 1), "alone");
  EXPECT_EQ(UserTickItem("alone", 4), "alone");
  EXPECT_EQ(UserTickItem("|x", 1), "");
  EXPECT_EQ(UserTickItem("", 2), "");
}

TEST(ApplyInscript, AmpersandPlacesTheNumber) {
  EXPECT_EQ(ApplyInscript("5", "t=& s"), "t=5 s");
  EXPECT_EQ(ApplyInscript("5", "$"), "$5");
  EXPECT_EQ(ApplyInscript("5", ""), "5");
  EXPECT_EQ(ApplyInscript("", "t=& s"), "");
  EXPECT_EQ(ApplyInscript("5", "&&"), "5&");  // only the first '&' is replaced
  EXPECT_EQ(ApplyInscript("5", "& V"), "5 V");
}

TEST(TimePartsToText, AllSixKinds) {
  EXPECT_EQ(TimePartsToText(1, 2, 3, ttkHMSms, 45), "01:02:03.045");
  EXPECT_EQ(TimePartsToText(1, 2, 3, ttkHMS, 45), "01:02:03");
  EXPECT_EQ(TimePartsToText(123, 0, 0, ttkHMS, 0), "123:00:00");
  EXPECT_EQ(TimePartsToText(5, 7, 0, ttkHhMM, 0), " 5h07");
  EXPECT_EQ(TimePartsToText(15, 7, 9, ttkHhMMSS, 0), "15h07'09\"");
  EXPECT_EQ(TimePartsToText(5, 7, 0, ttkHM, 0), "05:07");
  EXPECT_EQ(TimePartsToText(0, 5, 0, ttk12Hour, 0), "12:05a");
  EXPECT_EQ(TimePartsToText(11, 59, 0, ttk12Hour, 0), "11:59a");
  EXPECT_EQ(TimePartsToText(12, 0, 0, ttk12Hour, 0), "12:00p");
  EXPECT_EQ(TimePartsToText(13, 30, 0, ttk12Hour, 0), " 1:30p");
}

TEST(SecondsToText, SignAndParts) {
  EXPECT_EQ(SecondsToText(0, false), " 00:00:00");
  EXPECT_EQ(SecondsToText(1200, false), " 00:20:00");
  EXPECT_EQ(SecondsToText(3723, false), " 01:02:03");
  EXPECT_EQ(SecondsToText(-90, false), "-00:01:30");
  EXPECT_EQ(SecondsToText(0.2, true), " 00:00:00.200");
  EXPECT_EQ(SecondsToText(90000, false), " 25:00:00");
  EXPECT_EQ(SecondsToText(0.0125, true), " 00:00:00.012");  // half to even
  // A value a hair below a whole second shows that second, never ".1000".
  EXPECT_EQ(SecondsToText(0.9999999999, true), " 00:00:01.000");
  EXPECT_EQ(SecondsToText(59.9999999999, false), " 00:01:00");
}
