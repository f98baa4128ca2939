// Date-time texts: the day origin, the pattern letters and the range.
#include "drawbase/date_time_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace vqm {
namespace {

std::string Text(double dt, std::string_view pattern) { return FormatDateTimeText(dt, pattern).value_or("<none>"); }

TEST(DateTimeTextTest, DaysCountFromThe30thOfDecember1899) {
  EXPECT_EQ(Text(0, "yyyy-mm-dd"), "1899-12-30");
  EXPECT_EQ(Text(2, "yyyy-mm-dd"), "1900-01-01");
  EXPECT_EQ(Text(60, "yyyy-mm-dd"), "1900-02-28");  // 1900 is no leap year
  EXPECT_EQ(Text(61, "yyyy-mm-dd"), "1900-03-01");
  EXPECT_EQ(Text(36585, "yyyy-mm-dd"), "2000-02-29");
  EXPECT_EQ(Text(45000, "mmm-dd, yyyy"), "Mar-15, 2023");
  EXPECT_EQ(Text(-1, "yyyy-mm-dd"), "1899-12-29");
  EXPECT_EQ(Text(-1.25, "yyyy-mm-dd hh:nn"), "1899-12-29 06:00");  // the fraction counts forward
}

TEST(DateTimeTextTest, PatternLetters) {
  const double dt = 45000 + (13 * 3600 + 5 * 60 + 9) / 86400.0 + 0.042 / 86400;  // Wed 15 Mar 2023 13:05:09.042
  EXPECT_EQ(Text(dt, "d/m/yy"), "15/3/23");
  EXPECT_EQ(Text(dt, "ddd dddd"), "Wed Wednesday");
  EXPECT_EQ(Text(dt, "mmmm MMM"), "March Mar");
  EXPECT_EQ(Text(dt, "h:m:s"), "13:5:9");            // m after h is the minute
  EXPECT_EQ(Text(dt, "hh:mm:ss.zzz"), "13:05:09.042");
  EXPECT_EQ(Text(dt, "hh:nn:ss.z"), "13:05:09.42");
  EXPECT_EQ(Text(dt, "h:nn am/pm"), "1:05 pm");
  EXPECT_EQ(Text(dt, "hh:nn A/P"), "01:05 P");
  EXPECT_EQ(Text(dt, "h ampm"), "1 PM");
  EXPECT_EQ(Text(dt - 13.0 / 24, "h:nn AM/PM"), "12:05 AM");
  EXPECT_EQ(Text(dt, "t|tt"), "13:05|13:05:09");
  EXPECT_EQ(Text(dt, "ddddd|dddddd"), "3/15/2023|Wednesday, March 15, 2023");
  EXPECT_EQ(Text(dt, "c"), "3/15/2023 13:05:09");
  EXPECT_EQ(Text(45000, "c"), "3/15/2023");
  EXPECT_EQ(Text(dt, "\"day\" d 'of' mmmm"), "day 15 of March");
}

TEST(DateTimeTextTest, RoundsToTheMillisecondAndCarriesIntoTheNextDay) {
  EXPECT_EQ(Text(45000 + 0.9999999999, "yyyy-mm-dd hh:nn:ss.zzz"), "2023-03-16 00:00:00.000");
}

TEST(DateTimeTextTest, NoTextOutsideTheYears1To9999) {
  EXPECT_EQ(Text(-693593, "yyyy-mm-dd"), "0001-01-01");
  EXPECT_EQ(Text(2958465, "yyyy-mm-dd"), "9999-12-31");
  EXPECT_FALSE(FormatDateTimeText(-693594, "yyyy"));
  EXPECT_FALSE(FormatDateTimeText(2958466, "yyyy"));
  EXPECT_FALSE(FormatDateTimeText(std::nan(""), "yyyy"));
  EXPECT_FALSE(FormatDateTimeText(INFINITY, "yyyy"));
}

}  // namespace
}  // namespace vqm

namespace vqm {
namespace {

const TDateTimeStyle kAxisStyle{TDaySplit::Floor, TSecondFraction::Digits, nullptr};

std::string AxisText(double dt, std::string_view pattern) {
  return FormatDateTimeText(dt, pattern, kAxisStyle).value_or("<none>");
}

TEST(DateTimeTextTest, FloorSplitRunsOnAcrossZero) {
  EXPECT_EQ(AxisText(-0.75, "yyyy-mm-dd hh:nn"), "1899-12-29 06:00");
  EXPECT_EQ(Text(-0.75, "yyyy-mm-dd hh:nn"), "1899-12-30 18:00");  // the read-out's classic split
  EXPECT_EQ(AxisText(-1.25, "yyyy-mm-dd hh:nn"), "1899-12-28 18:00");
  // Within 1e-8 of 0 counts as 0; just outside it is a millisecond before midnight.
  EXPECT_EQ(AxisText(-0.9e-8, "yyyy-mm-dd hh:nn:ss.zzz"), "1899-12-30 00:00:00.000");
  EXPECT_EQ(AxisText(-1.2e-8, "yyyy-mm-dd hh:nn:ss.zzz"), "1899-12-29 23:59:59.999");
  EXPECT_EQ(AxisText(-693593, "yyyy-mm-dd"), "0001-01-01");
  EXPECT_FALSE(FormatDateTimeText(-693593.5, "yyyy", kAxisStyle));
}

TEST(DateTimeTextTest, TimeOfDayRoundsToTheMillisecondWithCarry) {
  const double three = 36526 + 3.0 / 24;
  EXPECT_EQ(AxisText(std::nextafter(three, 0.0), "hh:nn"), "03:00");
  EXPECT_EQ(AxisText(36526 + 1 - 1e-10, "dd hh:nn"), "02 00:00");  // never 24:00
  EXPECT_EQ(AxisText(36526 + 0.0004 / 86400, "ss.zzz"), "00.000");
  EXPECT_EQ(AxisText(36526 + 0.0006 / 86400, "ss.zzz"), "00.001");
}

TEST(DateTimeTextTest, AxisFractionLettersShowLeadingDigits) {
  const double at = 36526 + 12.0 / 86400;
  const struct {
    double ms;
    const char* z1;
    const char* z2;
    const char* z3;
  } cases[] = {{20, "0", "02", "020"}, {500, "5", "50", "500"}, {987, "9", "98", "987"}, {0, "0", "00", "000"}};
  for (const auto& c : cases) {
    const double v = at + c.ms / 86'400'000.0;
    EXPECT_EQ(AxisText(v, "z"), c.z1) << c.ms;
    EXPECT_EQ(AxisText(v, "ss.zz"), std::string("12.") + c.z2) << c.ms;
    EXPECT_EQ(AxisText(v, "zzz"), c.z3) << c.ms;
  }
}

TEST(DateTimeTextTest, MonthNamesComeFromTheTable) {
  TMonthNames names = EnglishMonthNames();
  names.Short[2] = "Mär";
  names.Long[2] = "März";
  const TDateTimeStyle style{TDaySplit::Floor, TSecondFraction::Digits, &names};
  EXPECT_EQ(FormatDateTimeText(36590, "dd-mmm-yyyy mmmm", style).value_or(""), "05-Mär-2000 März");
}

TEST(DateTimeTextTest, DayNumbersOfTheGregorianCalendar) {
  const struct {
    int y, m, d;
    std::int64_t day;
  } cases[] = {{1899, 12, 30, 0},       {1900, 2, 28, 60},      {1900, 3, 1, 61},   {2000, 1, 1, 36526},
               {2000, 2, 29, 36585},    {2000, 3, 1, 36586},    {1, 1, 1, -693593}, {9999, 12, 31, 2958465},
               {1899, 12, 29, -1},      {1600, 2, 29, -109512}};
  for (const auto& c : cases) {
    EXPECT_EQ(DayNumber(c.y, c.m, c.d), c.day) << c.y << '-' << c.m << '-' << c.d;
    int y = 0, m = 0, d = 0;
    DateOfDayNumber(c.day, y, m, d);
    EXPECT_EQ(y * 10000 + m * 100 + d, c.y * 10000 + c.m * 100 + c.d) << c.day;
  }
  // Months outside 1..12 carry into the year.
  EXPECT_EQ(DayNumber(1999, 13, 1), 36526);
  EXPECT_EQ(DayNumber(2000, 0, 1), DayNumber(1999, 12, 1));
  EXPECT_EQ(DayNumber(2000, -11, 1), DayNumber(1999, 1, 1));
  EXPECT_EQ(DayNumber(2000, 25, 1), DayNumber(2002, 1, 1));
}

}  // namespace
}  // namespace vqm
