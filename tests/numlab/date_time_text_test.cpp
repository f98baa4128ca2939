// Date-time texts: the day origin, the pattern letters and the range.
#include "numlab/date_time_text.h"

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
