#pragma once
// Date-time values and their texts by a pattern of the classic date-time
// letters: one formatter for the read-out and the calendar axes. Plain code
// (no toolkit): month names come in as a table, so callers choose English or
// the user's locale.
//
// A date-time value counts days since 30 December 1899 00:00; its fraction is
// the time of day (0.25 = 06:00).
//
// Pattern letters (case does not matter):
//   d dd          day of month without / with a leading zero
//   ddd dddd      abbreviated / full day name ("Sun", "Sunday")
//   ddddd dddddd  short date "m/d/yyyy" / long date "dddd, mmmm d, yyyy"
//   m mm          month without / with a leading zero; minutes when right after an hour
//   mmm mmmm      abbreviated / full month name from the table
//   yy yyyy       two-digit / four-digit year (one letter counts as two, three as four)
//   h hh          hour without / with a leading zero (12-hour when am/pm follows)
//   n nn          minutes;  s ss  seconds
//   z zz zzz      fraction of the second, by TSecondFraction
//   t tt          short time "h:nn" / long time "h:nn:ss"
//   c             short date, then the long time unless the time is midnight
//   am/pm a/p     "am"/"pm" or "a"/"p" in the letter case written; ampm gives "AM"/"PM"
//   /  :          date and time separators "/" and ":"
//   "..." '...'   literal text
// Every other character stands for itself.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vqm {

// Day numbers of 1 January 0001 and 31 December 9999, the first and last days
// that have a text.
constexpr std::int64_t kFirstDateDay = -693'593;
constexpr std::int64_t kLastDateDay = 2'958'465;

struct TMonthNames {
  std::array<std::string, 12> Short;  // "Jan" .. "Dec" in English
  std::array<std::string, 12> Long;   // "January" .. "December" in English
};
// The English names, which the read-out always shows.
const TMonthNames& EnglishMonthNames();

// How a value is split into a date and a time of day.
enum class TDaySplit : std::uint8_t {
  // The date floor(v), the time v - floor(v), so -0.75 is 1899-12-29 06:00; a
  // value within 1e-8 of 0 counts as 0. Calendar axes: time runs on across 0.
  Floor,
  // Whole days toward zero, the time of day from the magnitude, so -1.25 is
  // 1899-12-29 06:00 and -0.75 is 1899-12-30 18:00, as the classic date-time
  // type does. The read-out.
  TowardZero,
};

// What the z letters show.
enum class TSecondFraction : std::uint8_t {
  // z and zz: milliseconds without leading zeros; zzz: milliseconds in three
  // digits. The read-out.
  Milliseconds,
  // One digit per letter: z tenths, zz hundredths, zzz milliseconds (20 ms is
  // "02" under zz). Calendar axes.
  Digits,
};

// Which letters a pattern reads.
enum class TPatternLetters : std::uint8_t {
  // Every letter listed at the top, in either case. The read-out.
  Classic,
  // Only the tokens of calendar axes, in lower case: dd, mm (always the month),
  // mmm, yy, yyyy, hh, h, nn, ss, zz and am/pm (which puts the hours on the
  // 12-hour clock); the longest token is taken first. Text in quotes is copied;
  // every other character, other letters and upper case included, stands for itself.
  Axis,
};

struct TDateTimeStyle {
  TDaySplit Split = TDaySplit::TowardZero;
  TSecondFraction Fraction = TSecondFraction::Milliseconds;
  const TMonthNames* Months = nullptr;  // nullptr: English
  TPatternLetters Letters = TPatternLetters::Classic;
};

struct TDateTimeParts {
  int Year = 0, Month = 0, Day = 0;  // Month and Day count from 1
  int DayOfWeek = 0;                 // 0 = Sunday
  int Hour = 0, Minute = 0, Second = 0, Millisecond = 0;
};

// The parts of a value. The time of day is rounded to the nearest millisecond
// first, with the carry into the next day (a hair before 03:00 is 03:00, never
// 02:59, and never 24:00). No parts (nullopt) for a value that is not finite or
// whose date lies outside the years 1 to 9999.
std::optional<TDateTimeParts> DecodeDateTime(double dateTime, TDaySplit split);

// The text of a value by the pattern; nullopt where DecodeDateTime gives no parts.
std::optional<std::string> FormatDateTimeText(double dateTime, std::string_view pattern,
                                              const TDateTimeStyle& style = {});

// The day number (days since 1899-12-30) of a date of the proleptic Gregorian
// calendar, and back. Month and day count from 1; a month outside 1..12 carries
// into the year.
std::int64_t DayNumber(int year, int month, int day);
void DateOfDayNumber(std::int64_t dayNumber, int& year, int& month, int& day);

}  // namespace vqm
