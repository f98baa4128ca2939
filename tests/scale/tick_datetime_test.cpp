// Date/time axes: golden tick lists (kind, value as a date, label, date line)
// for every mode, the messages, and the calendar's corners.
#include <gtest/gtest.h>

#include "drawbase/date_time_text.h"
#include "scale/tick_pass.h"
#include "tick_pass_support.h"

using namespace vqm;
using vqm::testing::LabelsOf;
using vqm::testing::PassFor;
using Lines = std::vector<std::string>;

namespace {

double Day(int y, int m, int d, double hours = 0) { return double(DayNumber(y, m, d)) + hours / 24; }

TTickOptions DateOptions(double low, double high, int minTicks = 3, TScaleType type = sctXB) {
  TTickOptions o;
  o.Range = {low, high, false};
  o.LabelType = ftDateTime;
  o.MinTicks = minTicks;
  o.Type = type;
  return o;
}

// One line per tick: "M" or "s", the tick's instant, then "|label" and
// "|date line" where it has them.
Lines Golden(const TTickPass& p) {
  Lines out;
  for (const TTick& t : p.Ticks) {
    std::string line = t.Kind == TTickKind::Major ? "M " : "s ";
    line += FormatDateTimeText(t.Value, "yyyy-mm-dd hh:nn:ss.zzz", {TDaySplit::Floor, TSecondFraction::Digits})
                .value_or("?");
    if (t.HasLabel) line += "|" + t.Label;
    if (!t.DateLine.empty()) line += "|" + t.DateLine;
    out.push_back(line);
  }
  return out;
}

TTickOptions WithFormat(TTickOptions o, TTimeFormat tf, TDateForTime dates = dtOnePerDay) {
  o.DateFormat.SetTimeFormat(tf);
  o.DateFormat.SetDateForTime(dates);
  return o;
}

TTickOptions WithoutShortTicks(TTickOptions o) {
  o.ShortTicks = false;
  return o;
}

}  // namespace

TEST(DateTimeTicks, HoursWithDateLineAndShortTicks) {
  const TTickPass p = PassFor(DateOptions(Day(2000, 1, 1), Day(2000, 1, 1, 10)));
  EXPECT_EQ(p.Generator, TTickGenerator::DateTime);
  EXPECT_EQ(Golden(p), (Lines{
                           "M 2000-01-01 00:00:00.000|00:00|01-Jan-2000",
                           "s 2000-01-01 01:00:00.000",
                           "s 2000-01-01 02:00:00.000",
                           "M 2000-01-01 03:00:00.000|03:00",
                           "s 2000-01-01 04:00:00.000",
                           "s 2000-01-01 05:00:00.000",
                           "M 2000-01-01 06:00:00.000|06:00",
                           "s 2000-01-01 07:00:00.000",
                           "s 2000-01-01 08:00:00.000",
                           "M 2000-01-01 09:00:00.000|09:00",
                           "s 2000-01-01 10:00:00.000",
                       }));
  // Every drawn tick is recorded, in drawing order; majors are 7 pixels, short ones 4.
  ASSERT_EQ(p.Values.Count(), 11);
  EXPECT_DOUBLE_EQ(p.Values.At(11), Day(2000, 1, 1, 10));
  EXPECT_EQ(p.Ticks[0].Length, 7);
  EXPECT_EQ(p.Ticks[1].Length, 4);
}

TEST(DateTimeTicks, ClockLabelsOfEachTimeFormat) {
  const TTickOptions hours = DateOptions(Day(2000, 1, 1), Day(2000, 1, 1, 10));
  EXPECT_EQ(LabelsOf(PassFor(WithFormat(hours, tfAMPM))), (Lines{"12am", "3am", "6am", "9am"}));
  EXPECT_EQ(LabelsOf(PassFor(WithFormat(hours, tfHHhMM))), (Lines{"0h", "3h", "6h", "9h"}));
  const TTickOptions minutes = DateOptions(Day(2000, 1, 1, 12), Day(2000, 1, 1, 13));
  EXPECT_EQ(LabelsOf(PassFor(WithFormat(minutes, tfAMPM))), (Lines{"12:00pm", "12:20pm", "12:40pm", "1:00pm"}));
  EXPECT_EQ(LabelsOf(PassFor(WithFormat(minutes, tfHHhMM))), (Lines{"12h00", "12h20", "12h40", "13h00"}));
  const TTickPass halfHours = PassFor(DateOptions(Day(2000, 1, 1, 12), Day(2000, 1, 1, 14)));
  EXPECT_EQ(LabelsOf(halfHours), (Lines{"12:00", "12:30", "13:00", "13:30", "14:00"}));
  EXPECT_EQ(halfHours.Ticks.size(), 13u);  // short ticks every ten minutes
  const TTickOptions seconds = DateOptions(Day(2000, 1, 1, 12), Day(2000, 1, 1, 12) + 10.0 / 86400);
  EXPECT_EQ(LabelsOf(PassFor(seconds)),
            (Lines{"12:00:00", "12:00:02", "12:00:04", "12:00:06", "12:00:08", "12:00:10"}));
  EXPECT_EQ(PassFor(seconds).Ticks.size(), 11u);  // short ticks every second
  const TTickPass halfMinutes = PassFor(DateOptions(Day(2000, 1, 1, 12), Day(2000, 1, 1, 12) + 120.0 / 86400));
  EXPECT_EQ(LabelsOf(halfMinutes), (Lines{"12:00:00", "12:00:30", "12:01:00", "12:01:30", "12:02:00"}));
  EXPECT_EQ(halfMinutes.Ticks.size(), 13u);  // short ticks every ten seconds
}

TEST(DateTimeTicks, DateLinesByDateForTimeAcrossMidnightAndYearEnd) {
  const TTickOptions o = DateOptions(Day(1999, 12, 31, 18), Day(2000, 1, 1, 6));
  const struct {
    TDateForTime when;
    Lines dates;
  } cases[] = {
      {dtNone, {}},
      {dtOnePerChart, {"31-Dec-1999"}},
      {dtOnePerDay, {"31-Dec-1999", "01-Jan-2000"}},
      {dtAllTicks, {"31-Dec-1999", "31-Dec-1999", "01-Jan-2000", "01-Jan-2000", "01-Jan-2000"}},
  };
  for (const auto& c : cases) {
    Lines dates;
    for (const TTick& t : PassFor(WithFormat(o, tfHHMMSS, c.when)).Ticks)
      if (!t.DateLine.empty()) dates.push_back(t.DateLine);
    EXPECT_EQ(dates, c.dates) << int(c.when);
  }
  EXPECT_EQ(LabelsOf(PassFor(o)), (Lines{"18:00", "21:00", "00:00", "03:00", "06:00"}));
}

TEST(DateTimeTicks, NegativeValuesBeforeTheOrigin) {
  EXPECT_EQ(Golden(PassFor(DateOptions(-0.5, 0.5))), (Lines{
                                                         "s 1899-12-29 12:00:00.000",
                                                         "s 1899-12-29 14:00:00.000",
                                                         "M 1899-12-29 16:00:00.000|16:00|29-Dec-1899",
                                                         "s 1899-12-29 18:00:00.000",
                                                         "s 1899-12-29 20:00:00.000",
                                                         "s 1899-12-29 22:00:00.000",
                                                         "M 1899-12-30 00:00:00.000|00:00|30-Dec-1899",
                                                         "s 1899-12-30 02:00:00.000",
                                                         "s 1899-12-30 04:00:00.000",
                                                         "s 1899-12-30 06:00:00.000",
                                                         "M 1899-12-30 08:00:00.000|08:00",
                                                         "s 1899-12-30 10:00:00.000",
                                                         "s 1899-12-30 12:00:00.000",
                                                     }));
}

TEST(DateTimeTicks, BelowOneSecondHorizontalHundredthsVertical) {
  const double start = Day(2000, 1, 1), twoSeconds = start + 2.0 / 86400;
  const TTickPass horizontal = PassFor(DateOptions(start, twoSeconds));
  EXPECT_EQ(horizontal.Message, TDateTimeMessage::BelowOneSecond);
  EXPECT_EQ(horizontal.MessagePixel, 199);  // the middle of 20..379
  EXPECT_TRUE(horizontal.Ticks.empty());
  EXPECT_EQ(horizontal.Values.Count(), 0);

  const TTickPass vertical = PassFor(DateOptions(start, twoSeconds, 3, sctYL));
  EXPECT_EQ(vertical.Message, TDateTimeMessage::None);
  EXPECT_EQ(LabelsOf(vertical), (Lines{"00:00:00.00", "00:00:00.50", "00:00:01.00", "00:00:01.50", "00:00:02.00"}));
  EXPECT_EQ(vertical.Ticks.size(), 21u);  // short ticks every tenth
  EXPECT_EQ(vertical.Ticks[0].Length, 6);
  // A hundredth per interval is too little even vertically; 0.06 s shows .02 steps.
  EXPECT_EQ(PassFor(DateOptions(start, start + 0.025 / 86400, 3, sctYL)).Message, TDateTimeMessage::BelowOneSecond);
  EXPECT_EQ(LabelsOf(PassFor(WithoutShortTicks(DateOptions(start, start + 0.06 / 86400, 3, sctYL)))),
            (Lines{"00:00:00.00", "00:00:00.02", "00:00:00.04", "00:00:00.06"}));
  EXPECT_EQ(PassFor(DateOptions(start, start + 0.06 / 86400, 3, sctYL)).Ticks.size(), 7u);  // every hundredth
}

// No tick outside the axis, however few hundredths it spans.
TEST(DateTimeTicks, NoTickOutsideTheRange) {
  for (auto [low, high] : {std::pair{36526.000000009, 36526.000000249}, {36525.999999751, 36525.999999991}})
    for (const TTick& t : PassFor(WithoutShortTicks(DateOptions(low, high, 2, sctYL))).Ticks)
      EXPECT_TRUE(t.Pixel >= 20 && t.Pixel <= 379) << t.Label << " at " << t.Pixel;
}

TEST(DateTimeTicks, InvalidRanges) {
  const TDateTimeMessage invalid = TDateTimeMessage::InvalidRange;
  EXPECT_EQ(PassFor(DateOptions(10, 5)).Message, invalid);
  EXPECT_EQ(PassFor(DateOptions(36526, 3000001)).Message, invalid);
  EXPECT_EQ(PassFor(DateOptions(-693594, 0)).Message, invalid);
  EXPECT_EQ(PassFor(DateOptions(-693593, 0)).Message, TDateTimeMessage::None);
  const TTickPass reversed = PassFor(DateOptions(10, 5));
  EXPECT_TRUE(reversed.Ticks.empty());
  EXPECT_EQ(reversed.MessagePixel, 200);
}

TEST(DateTimeTicks, DaysCountTheirStepFromTheFirstOfJanuary) {
  const TTickPass p = PassFor(DateOptions(Day(2000, 3, 3), Day(2000, 3, 28)));
  EXPECT_EQ(LabelsOf(p), (Lines{"04-Mar-2000", "11-Mar-2000", "18-Mar-2000", "25-Mar-2000"}));
  EXPECT_EQ(p.Ticks.size(), 26u);  // a short tick on every day from 3 to 28 March
  EXPECT_EQ(p.Ticks.front().Kind, TTickKind::Short);
  const TTickPass two = PassFor(WithoutShortTicks(DateOptions(Day(2000, 1, 1), Day(2000, 1, 9))));
  EXPECT_EQ(LabelsOf(two), (Lines{"01-Jan-2000", "03-Jan-2000", "05-Jan-2000", "07-Jan-2000", "09-Jan-2000"}));
  // Steps of 14 days have short ticks every week.
  const TTickPass fortnights = PassFor(DateOptions(Day(2000, 1, 1), Day(2000, 3, 1)));
  EXPECT_EQ(LabelsOf(fortnights), (Lines{"01-Jan-2000", "15-Jan-2000", "29-Jan-2000", "12-Feb-2000", "26-Feb-2000"}));
  EXPECT_EQ(fortnights.Ticks.size(), 9u);
}

TEST(DateTimeTicks, LeapDays) {
  const TTickPass y2000 = PassFor(WithoutShortTicks(DateOptions(Day(2000, 2, 27), Day(2000, 3, 3))));
  EXPECT_EQ(LabelsOf(y2000),
            (Lines{"27-Feb-2000", "28-Feb-2000", "29-Feb-2000", "01-Mar-2000", "02-Mar-2000", "03-Mar-2000"}));
  const TTickPass y1900 = PassFor(WithoutShortTicks(DateOptions(Day(1900, 2, 27), Day(1900, 3, 3))));
  EXPECT_EQ(LabelsOf(y1900), (Lines{"27-Feb-1900", "28-Feb-1900", "01-Mar-1900", "02-Mar-1900", "03-Mar-1900"}));
}

TEST(DateTimeTicks, MonthsFromTheFirstMonthOnTheStep) {
  const TTickOptions mid = WithoutShortTicks(DateOptions(Day(2001, 1, 15), Day(2002, 1, 15)));
  EXPECT_EQ(LabelsOf(PassFor(mid)), (Lines{"Apr-2001", "Jul-2001", "Oct-2001", "Jan-2002"}));
  // A start on the first day of a month on the step is itself a tick.
  const TTickOptions onFirst = WithoutShortTicks(DateOptions(Day(2001, 1, 1), Day(2002, 1, 1)));
  EXPECT_EQ(LabelsOf(PassFor(onFirst)), (Lines{"Jan-2001", "Apr-2001", "Jul-2001", "Oct-2001", "Jan-2002"}));
  // Starts in a month off the step, one month and two months before the next one on it.
  const TTickOptions twoFromFeb = WithoutShortTicks(DateOptions(Day(2001, 2, 15), Day(2001, 10, 15)));
  EXPECT_EQ(LabelsOf(PassFor(twoFromFeb)), (Lines{"Mar-2001", "May-2001", "Jul-2001", "Sep-2001"}));
  const TTickOptions threeFromMar = WithoutShortTicks(DateOptions(Day(2001, 3, 15), Day(2002, 3, 15)));
  EXPECT_EQ(LabelsOf(PassFor(threeFromMar)), (Lines{"Apr-2001", "Jul-2001", "Oct-2001", "Jan-2002"}));
  // 366 days per interval is still months (step 6); a day more is years.
  const TTickOptions longest = WithoutShortTicks(DateOptions(Day(2000, 1, 1), Day(2000, 1, 1) + 3 * 366));
  EXPECT_EQ(LabelsOf(PassFor(longest)),
            (Lines{"Jan-2000", "Jul-2000", "Jan-2001", "Jul-2001", "Jan-2002", "Jul-2002", "Jan-2003"}));
  const TTickOptions years = WithoutShortTicks(DateOptions(Day(2000, 1, 1), Day(2000, 1, 1) + 3 * 366 + 1));
  EXPECT_EQ(LabelsOf(PassFor(years)), (Lines{"2000", "2001", "2002", "2003"}));
  // A year with short ticks: every month drawn, majors on the step of four.
  const TTickPass year = PassFor(DateOptions(Day(2000, 1, 1), Day(2001, 1, 1)));
  EXPECT_EQ(LabelsOf(year), (Lines{"Jan-2000", "May-2000", "Sep-2000", "Jan-2001"}));
  EXPECT_EQ(year.Ticks.size(), 13u);
  EXPECT_EQ(year.Values.Count(), 13);
  // Without a year and with the year first, a month label is the month alone.
  TTickOptions noYear = onFirst;
  noYear.DateFormat.SetYearLength(ylNone);
  noYear.DateFormat.SetDateOrder(doYYMMDD);
  EXPECT_EQ(LabelsOf(PassFor(noYear)), (Lines{"Jan", "Apr", "Jul", "Oct", "Jan"}));
}

TEST(DateTimeTicks, YearsOnMultiplesOfTheIncrement) {
  EXPECT_EQ(Golden(PassFor(DateOptions(Day(1990, 1, 1), Day(2030, 1, 1)))), (Lines{
                                                                               "M 1990-01-01 00:00:00.000|1990",
                                                                               "s 1995-01-01 00:00:00.000",
                                                                               "M 2000-01-01 00:00:00.000|2000",
                                                                               "s 2005-01-01 00:00:00.000",
                                                                               "M 2010-01-01 00:00:00.000|2010",
                                                                               "s 2015-01-01 00:00:00.000",
                                                                               "M 2020-01-01 00:00:00.000|2020",
                                                                               "s 2025-01-01 00:00:00.000",
                                                                               "M 2030-01-01 00:00:00.000|2030",
                                                                           }));
  // No tick before the start, even on the start's own 1 January.
  const TTickPass noon = PassFor(DateOptions(Day(1990, 1, 1, 12), Day(2030, 1, 1)));
  EXPECT_EQ(noon.Ticks.front().Value, Day(1995, 1, 1));
  // Four-digit years without leading zeros; two digits; none.
  TTickOptions early = DateOptions(Day(700, 1, 1), Day(900, 1, 1));
  EXPECT_EQ(LabelsOf(PassFor(early)), (Lines{"700", "750", "800", "850", "900"}));
  EXPECT_EQ(PassFor(early).Ticks.size(), 21u);
  early.DateFormat.SetYearLength(ylYY);
  EXPECT_EQ(LabelsOf(PassFor(early)), (Lines{"00", "50", "00", "50", "00"}));
  early.DateFormat.SetYearLength(ylNone);
  for (const TTick& t : PassFor(early).Ticks) EXPECT_TRUE(t.Label.empty());
}

TEST(DateTimeTicks, NothingBeyondTheLastDayOf9999) {
  const TTickPass days = PassFor(WithoutShortTicks(DateOptions(2958460, 2958475, 10)));
  EXPECT_EQ(days.Ticks.back().Label, "31-Dec-9999");
  EXPECT_EQ(days.Ticks.size(), 6u);
  const TTickPass years = PassFor(DateOptions(2900000, 3000000));
  EXPECT_EQ(years.Ticks.back().Value, Day(9990, 1, 1));
  const TTickPass months = PassFor(DateOptions(Day(9999, 6, 1), Day(9999, 6, 1) + 400, 2));
  EXPECT_EQ(months.Ticks.back().Value, Day(9999, 12, 1));
  const TTickPass hours = PassFor(DateOptions(2958465.5, 2958466.5));
  EXPECT_EQ(hours.Ticks.back().Value, 2958465 + 22.0 / 24);
  EXPECT_EQ(LabelsOf(hours), (Lines{"16:00"}));
}

TEST(DateTimeTicks, MonthNamesFromTheGivenTable) {
  TMonthNames german = EnglishMonthNames();
  german.Short[2] = "Mär";
  TTickOptions o = WithoutShortTicks(DateOptions(Day(2000, 1, 1), Day(2000, 7, 1), 2));
  o.MonthNames = &german;
  EXPECT_EQ(LabelsOf(PassFor(o)), (Lines{"Jan-2000", "Mär-2000", "May-2000", "Jul-2000"}));
}
