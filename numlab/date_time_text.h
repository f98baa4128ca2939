#pragma once
// Date-time texts by a pattern of the classic date-time letters, with English
// month and day names whatever the machine's locale.
//
// Pattern letters (case does not matter):
//   d dd          day of month without / with a leading zero
//   ddd dddd      abbreviated / full day name ("Sun", "Sunday")
//   ddddd dddddd  short date "m/d/yyyy" / long date "dddd, mmmm d, yyyy"
//   m mm          month without / with a leading zero; minutes when right after an hour
//   mmm mmmm      abbreviated / full month name ("Jan", "January")
//   yy yyyy       two-digit / four-digit year (one letter counts as two, three as four)
//   h hh          hour without / with a leading zero (12-hour when am/pm follows)
//   n nn          minutes;  s ss  seconds;  z zzz  milliseconds
//   t tt          short time "h:nn" / long time "h:nn:ss"
//   c             short date, then the long time unless the time is midnight
//   am/pm a/p     "am"/"pm" or "a"/"p" in the letter case written; ampm gives "AM"/"PM"
//   /  :          date and time separators "/" and ":"
//   "..." '...'   literal text
// Every other character stands for itself.

#include <optional>
#include <string>
#include <string_view>

namespace vqm {

// The text of a date-time value: whole days since 30 December 1899, the
// fraction the time of day (a negative value counts its days backward and its
// fraction forward, as the classic date-time type does). No text (nullopt) for
// a value that is not finite or lies outside the years 1 to 9999.
std::optional<std::string> FormatDateTimeText(double dateTime, std::string_view pattern);

}  // namespace vqm
