#pragma once
// Label texts of date/time axes: the patterns chosen by the axis's date format,
// the date line, month and year labels, and the two messages of an axis that
// cannot show dates. Plain code: no toolkit.

#include <span>
#include <string>
#include <string_view>

#include "drawbase/date_time_text.h"
#include "drawbase/dtlabel.h"

namespace vqm {

// The format a scale gives its date/time labels at creation: tfHHMMSS, date
// separator "-", time separator ":", ylYYYY, month names, doDDMMYY, dtOnePerDay.
TDTLabel AxisDateFormat();

// v after the floor split (the time of day rounded to the millisecond, with the
// carry into the next day), formatted by a pattern of the axis tokens only
// (dd mm mmm yy yyyy hh h nn ss zz am/pm, see TPatternLetters::Axis); zz shows
// the hundredths. Month names from the table, English for
// nullptr. Empty for a value whose date lies outside the years 1 to 9999.
std::string DateTimeText(std::string_view pattern, double v, const TMonthNames* months = nullptr);

// The unit of a clock axis.
enum class TClockUnit : std::uint8_t {
  Hours,
  Minutes,
  Seconds,
  Hundredths,  // hundredths of a second (vertical scales only)
};

// Pattern of the clock labels of a unit in the format's TimeFormat, with the
// time separator copied literally: "hh:nn", "h'h'nn", "h:nn.ssam/pm" and so on.
std::string ClockPattern(TClockUnit unit, const TDTLabel& format);
// Pattern of a date by DateOrder, YearLength and MonthName with the date
// separator: "dd-mmm-yyyy" for the scale's format; without a year "dd-mmm".
std::string DayPattern(const TDTLabel& format);
// Pattern of a month label: month and year ("mmm-yyyy", "yyyy-mmm" for
// doYYMMDD), the month alone without a year.
std::string MonthPattern(const TDTLabel& format);
// The date line of a clock label: DateTimeText(DayPattern(format), v).
std::string DateText(double v, const TDTLabel& format, const TMonthNames* months = nullptr);
// A year label: empty for ylNone, two digits for ylYY, the year without
// leading zeros for ylYYYY ("800").
std::string YearText(int year, TYearLength length);

// Why a date/time axis shows a text instead of ticks.
enum class TDateTimeMessage : std::uint8_t {
  None,
  InvalidRange,    // reversed, before 0001-01-01 or ending after day 3000000
  BelowOneSecond,  // less than a second (horizontal) or a hundredth (vertical) per interval
};
// The message in one line, for horizontal scales.
std::string_view MessageText(TDateTimeMessage message);
// The message one word group per line, for vertical scales.
std::span<const std::string_view> MessageLines(TDateTimeMessage message);

}  // namespace vqm
