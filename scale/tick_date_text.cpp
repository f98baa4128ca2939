#include "scale/tick_date_text.h"

#include <array>
#include <initializer_list>

namespace vqm {

namespace {

// A separator copied literally into a pattern: in double quotes, a double
// quote itself in single quotes, and the zero character as nothing.
std::string Literal(char c) {
  if (c == '\0') return {};
  const char quote = c == '"' ? '\'' : '"';
  return {quote, c, quote};
}

std::string_view YearLetters(TYearLength length) {
  switch (length) {
    case ylNone: return {};
    case ylYY: return "yy";
    case ylYYYY: return "yyyy";
  }
  return {};
}

std::string_view MonthLetters(const TDTLabel& f) { return f.MonthName() ? "mmm" : "mm"; }

// The pattern pieces that are not empty (a date without a year), joined by the separator.
std::string Joined(std::initializer_list<std::string_view> pieces, char separator) {
  const std::string s = Literal(separator);
  std::string out;
  for (const std::string_view piece : pieces) {
    if (piece.empty()) continue;
    if (!out.empty()) out += s;
    out += piece;
  }
  return out;
}

constexpr std::array<std::string_view, 3> kInvalidLines = {"invalid", "DateTime", "scale"};
constexpr std::array<std::string_view, 4> kBelowSecondLines = {"DateTime", "range is", "below 1", "second"};

}  // namespace

TDTLabel AxisDateFormat() {
  TDTLabel f;
  f.SetTimeFormat(tfHHMMSS);
  f.SetDateSeparator('-');
  f.SetTimeSeparator(':');
  f.SetYearLength(ylYYYY);
  f.SetMonthName(true);
  f.SetDateOrder(doDDMMYY);
  f.SetDateForTime(dtOnePerDay);
  return f;
}

std::string DateTimeText(std::string_view pattern, double v, const TMonthNames* months) {
  const TDateTimeStyle style{TDaySplit::Floor, TSecondFraction::Digits, months, TPatternLetters::Axis};
  return FormatDateTimeText(v, pattern, style).value_or(std::string());
}

std::string ClockPattern(TClockUnit unit, const TDTLabel& f) {
  const std::string t = Literal(f.TimeSeparator());
  const bool hundredths = unit == TClockUnit::Hundredths;
  switch (f.TimeFormat()) {
    case tfHHMMSS:
      if (unit == TClockUnit::Hours || unit == TClockUnit::Minutes) return "hh" + t + "nn";
      return "hh" + t + "nn" + t + (hundredths ? "ss.zz" : "ss");
    case tfHHhMM:
      if (unit == TClockUnit::Hours) return "h\"h\"";
      if (unit == TClockUnit::Minutes) return "h\"h\"nn";
      return "h\"h\"nn" + t + (hundredths ? "ss.zz" : "ss");
    case tfAMPM:
      // Minutes and seconds of the 12-hour clock are always separated by a point.
      if (unit == TClockUnit::Hours) return "ham/pm";
      if (unit == TClockUnit::Minutes) return "h" + t + "nnam/pm";
      return "h" + t + "nn\".\"" + (hundredths ? "ss.zzam/pm" : "ssam/pm");
  }
  return {};
}

std::string DayPattern(const TDTLabel& f) {
  const std::string_view m = MonthLetters(f), y = YearLetters(f.YearLength());
  switch (f.DateOrder()) {
    case doMMDDYY: return Joined({m, "dd", y}, f.DateSeparator());
    case doDDMMYY: return Joined({"dd", m, y}, f.DateSeparator());
    case doYYMMDD: return Joined({y, m, "dd"}, f.DateSeparator());
  }
  return {};
}

std::string MonthPattern(const TDTLabel& f) {
  const std::string_view m = MonthLetters(f), y = YearLetters(f.YearLength());
  if (f.DateOrder() == doYYMMDD) return Joined({y, m}, f.DateSeparator());
  return Joined({m, y}, f.DateSeparator());
}

std::string DateText(double v, const TDTLabel& f, const TMonthNames* months) {
  return DateTimeText(DayPattern(f), v, months);
}

std::string YearText(int year, TYearLength length) {
  switch (length) {
    case ylNone: return {};
    case ylYY: {
      const int yy = year % 100;
      return {char('0' + yy / 10), char('0' + yy % 10)};
    }
    case ylYYYY: return std::to_string(year);
  }
  return {};
}

std::string_view MessageText(TDateTimeMessage message) {
  switch (message) {
    case TDateTimeMessage::None: return {};
    case TDateTimeMessage::InvalidRange: return "invalid DateTime scale";
    case TDateTimeMessage::BelowOneSecond: return "DateTime range is below 1 second";
  }
  return {};
}

std::span<const std::string_view> MessageLines(TDateTimeMessage message) {
  switch (message) {
    case TDateTimeMessage::None: return {};
    case TDateTimeMessage::InvalidRange: return kInvalidLines;
    case TDateTimeMessage::BelowOneSecond: return kBelowSecondLines;
  }
  return {};
}

}  // namespace vqm
