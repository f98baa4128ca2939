// Texts of date/time axes: clock patterns, the date line by DateOrder, month
// and year labels, separators, and the two messages.
#include "scale/tick_date_text.h"

#include <gtest/gtest.h>

using namespace vqm;

namespace {

const double kMarch5 = double(DayNumber(2000, 3, 5));
const double kAfternoon = kMarch5 + (13 * 3600 + 5 * 60 + 9.42) / 86400;  // 13:05:09.42

TDTLabel Format(TTimeFormat tf, TYearLength yl = ylYYYY, TDateOrder order = doDDMMYY, bool names = true) {
  TDTLabel f = AxisDateFormat();
  f.SetTimeFormat(tf);
  f.SetYearLength(yl);
  f.SetDateOrder(order);
  f.SetMonthName(names);
  return f;
}

}  // namespace

TEST(DateTimeAxisText, ClockPatternsByUnitAndTimeFormat) {
  const struct {
    TClockUnit unit;
    TTimeFormat format;
    const char* pattern;
    const char* text;
  } cases[] = {
      {TClockUnit::Hours, tfHHMMSS, "hh\":\"nn", "13:05"},
      {TClockUnit::Minutes, tfHHMMSS, "hh\":\"nn", "13:05"},
      {TClockUnit::Seconds, tfHHMMSS, "hh\":\"nn\":\"ss", "13:05:09"},
      {TClockUnit::Hundredths, tfHHMMSS, "hh\":\"nn\":\"ss.zz", "13:05:09.42"},
      {TClockUnit::Hours, tfHHhMM, "h\"h\"", "13h"},
      {TClockUnit::Minutes, tfHHhMM, "h\"h\"nn", "13h05"},
      {TClockUnit::Seconds, tfHHhMM, "h\"h\"nn\":\"ss", "13h05:09"},
      {TClockUnit::Hundredths, tfHHhMM, "h\"h\"nn\":\"ss.zz", "13h05:09.42"},
      {TClockUnit::Hours, tfAMPM, "ham/pm", "1pm"},
      {TClockUnit::Minutes, tfAMPM, "h\":\"nnam/pm", "1:05pm"},
      {TClockUnit::Seconds, tfAMPM, "h\":\"nn\".\"ssam/pm", "1:05.09pm"},
      {TClockUnit::Hundredths, tfAMPM, "h\":\"nn\".\"ss.zzam/pm", "1:05.09.42pm"},
  };
  for (const auto& c : cases) {
    const std::string pattern = ClockPattern(c.unit, Format(c.format));
    EXPECT_EQ(pattern, c.pattern);
    EXPECT_EQ(DateTimeText(pattern, kAfternoon), c.text) << c.pattern;
  }
}

TEST(DateTimeAxisText, DatesByOrderYearLengthAndMonthName) {
  const struct {
    TDateOrder order;
    TYearLength year;
    bool names;
    const char* date;
    const char* month;
  } cases[] = {
      {doMMDDYY, ylYYYY, true, "Mar-05-2000", "Mar-2000"}, {doMMDDYY, ylNone, true, "Mar-05", "Mar"},
      {doDDMMYY, ylYYYY, true, "05-Mar-2000", "Mar-2000"}, {doDDMMYY, ylNone, true, "05-Mar", "Mar"},
      {doDDMMYY, ylYY, false, "05-03-00", "03-00"},        {doYYMMDD, ylYYYY, true, "2000-Mar-05", "2000-Mar"},
      {doYYMMDD, ylNone, true, "Mar-05", "Mar"},           {doYYMMDD, ylYY, false, "00-03-05", "00-03"},
  };
  for (const auto& c : cases) {
    const TDTLabel f = Format(tfHHMMSS, c.year, c.order, c.names);
    EXPECT_EQ(DateText(kAfternoon, f), c.date);
    EXPECT_EQ(DateTimeText(MonthPattern(f), kMarch5), c.month);
  }
}

TEST(DateTimeAxisText, SeparatorsAreCopiedLiterally) {
  TDTLabel f = AxisDateFormat();
  f.SetDateSeparator('"');
  EXPECT_EQ(DateText(kMarch5, f), "05\"Mar\"2000");
  f.SetDateSeparator('d');
  EXPECT_EQ(DateText(kMarch5, f), "05dMard2000");
  f.SetDateSeparator('\0');  // the zero character separates nothing
  EXPECT_EQ(DateText(kMarch5, f), "05Mar2000");
  f.SetTimeSeparator('\'');
  EXPECT_EQ(DateTimeText(ClockPattern(TClockUnit::Seconds, f), kAfternoon), "13'05'09");
}

// Only the axis tokens are read; other letters and upper case stand for themselves.
TEST(DateTimeAxisText, OnlyTheAxisTokensAreRead) {
  EXPECT_EQ(DateTimeText("ddd yyy mmmm DD HH hh:mm d m y n s z t c", kAfternoon), "05d 00y Marm DD HH 13:03 d m y n s z t c");
  EXPECT_EQ(DateTimeText("h am/pm AM/PM a/p \"dd\"'mm'", kAfternoon), "1 pm AM/PM a/p ddmm");
}

TEST(DateTimeAxisText, YearLabels) {
  EXPECT_EQ(YearText(800, ylYYYY), "800");
  EXPECT_EQ(YearText(2000, ylYYYY), "2000");
  EXPECT_EQ(YearText(2005, ylYY), "05");
  EXPECT_EQ(YearText(1990, ylYY), "90");
  EXPECT_EQ(YearText(1990, ylNone), "");
}

TEST(DateTimeAxisText, Messages) {
  EXPECT_EQ(MessageText(TDateTimeMessage::InvalidRange), "invalid DateTime scale");
  EXPECT_EQ(MessageText(TDateTimeMessage::BelowOneSecond), "DateTime range is below 1 second");
  const auto below = MessageLines(TDateTimeMessage::BelowOneSecond);
  EXPECT_EQ(std::vector<std::string_view>(below.begin(), below.end()),
            (std::vector<std::string_view>{"DateTime", "range is", "below 1", "second"}));
  const auto invalid = MessageLines(TDateTimeMessage::InvalidRange);
  EXPECT_EQ(std::vector<std::string_view>(invalid.begin(), invalid.end()),
            (std::vector<std::string_view>{"invalid", "DateTime", "scale"}));
  EXPECT_TRUE(MessageLines(TDateTimeMessage::None).empty());
}
