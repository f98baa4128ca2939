#include "drawbase/date_time_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <cstdint>

#include "drawbase/rounding.h"

namespace vqm {

namespace {

constexpr std::array<const char*, 7> kShortDays = {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"};
constexpr std::array<const char*, 7> kLongDays = {"Sunday",   "Monday", "Tuesday", "Wednesday",
                                                  "Thursday", "Friday", "Saturday"};

constexpr std::string_view kShortDatePattern = "m/d/yyyy";
constexpr std::string_view kLongDatePattern = "dddd, mmmm d, yyyy";
constexpr std::string_view kShortTimePattern = "h:nn";
constexpr std::string_view kLongTimePattern = "h:nn:ss";

constexpr std::int64_t kMsPerDay = 86'400'000;
// Day number of 1 January 1970, the origin of the civil calendar routines.
constexpr std::int64_t kUnixEpochDay = 25'569;
// A value this close to 0 counts as 0 under the floor split.
constexpr double kZeroDay = 1e-8;

// Proleptic Gregorian date of a day count since 1970-01-01 (H. Hinnant's algorithm).
void CivilFromDays(std::int64_t z, TDateTimeParts& parts) {
  z += 719'468;
  const std::int64_t era = (z >= 0 ? z : z - 146'096) / 146'097;
  const std::int64_t doe = z - era * 146'097;
  const std::int64_t yoe = (doe - doe / 1460 + doe / 36'524 - doe / 146'096) / 365;
  const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  const std::int64_t mp = (5 * doy + 2) / 153;
  parts.Day = int(doy - (153 * mp + 2) / 5 + 1);
  parts.Month = int(mp < 10 ? mp + 3 : mp - 9);
  parts.Year = int(yoe + era * 400 + (parts.Month <= 2 ? 1 : 0));
}

// Days since 1970-01-01 of a proleptic Gregorian date (H. Hinnant's algorithm).
std::int64_t DaysFromCivil(std::int64_t y, int m, int d) {
  y -= m <= 2 ? 1 : 0;
  const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
  const std::int64_t yoe = y - era * 400;
  const std::int64_t doy = (153 * (m > 2 ? m - 3 : m + 9) + 2) / 5 + d - 1;
  const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146'097 + doe - 719'468;
}

std::optional<TDateTimeParts> PartsOf(std::int64_t days, std::int64_t timeMs) {
  if (days < kFirstDateDay || days > kLastDateDay) return std::nullopt;
  TDateTimeParts parts;
  CivilFromDays(days - kUnixEpochDay, parts);
  parts.DayOfWeek = int(((days - kUnixEpochDay) % 7 + 7 + 4) % 7);  // 1970-01-01 was a Thursday
  parts.Millisecond = int(timeMs % 1000);
  timeMs /= 1000;
  parts.Second = int(timeMs % 60);
  timeMs /= 60;
  parts.Minute = int(timeMs % 60);
  parts.Hour = int(timeMs / 60);
  return parts;
}

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
  if (text.size() < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (std::tolower(static_cast<unsigned char>(text[i])) != prefix[i]) return false;
  return true;
}

// True when an am/pm marker appears in the pattern (outside quotes) from position `from` on.
bool HasAmPmFrom(std::string_view pattern, size_t from) {
  char quote = 0;
  for (size_t i = from; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (StartsWithNoCase(pattern.substr(i), "am/pm") || StartsWithNoCase(pattern.substr(i), "a/p") ||
               StartsWithNoCase(pattern.substr(i), "ampm")) {
      return true;
    }
  }
  return false;
}

class TDateTimeWriter {
 public:
  TDateTimeWriter(const TDateTimeParts& parts, const TDateTimeStyle& style)
      : fParts(parts), fStyle(style), fMonths(style.Months ? *style.Months : EnglishMonthNames()) {}

  void Write(std::string_view pattern);
  void WriteAxis(std::string_view pattern);
  std::string Take() { return std::move(fOut); }

 private:
  void Number(int value, int minDigits);
  void SecondFraction(size_t letters);
  // Copies the quoted text starting at pattern[i]; the position after it.
  size_t Quoted(std::string_view pattern, size_t i);
  static size_t RunLength(std::string_view pattern, size_t pos, char lower);

  const TDateTimeParts& fParts;
  const TDateTimeStyle& fStyle;
  const TMonthNames& fMonths;
  std::string fOut;
  bool fLastWasHour = false;  // a following m or mm means minutes
};

void TDateTimeWriter::Number(int value, int minDigits) {
  std::string digits = std::to_string(value);
  if (int(digits.size()) < minDigits) fOut.append(size_t(minDigits) - digits.size(), '0');
  fOut += digits;
}

void TDateTimeWriter::SecondFraction(size_t letters) {
  if (fStyle.Fraction == TSecondFraction::Milliseconds) {
    Number(fParts.Millisecond, letters >= 3 ? 3 : 1);
    return;
  }
  // The leading digits of the three millisecond digits, one per letter.
  const size_t digits = letters < 3 ? letters : 3;
  static constexpr int kDivisors[] = {100, 10, 1};
  Number(fParts.Millisecond / kDivisors[digits - 1], int(digits));
}

size_t TDateTimeWriter::RunLength(std::string_view pattern, size_t pos, char lower) {
  size_t n = 0;
  while (pos + n < pattern.size() && std::tolower(static_cast<unsigned char>(pattern[pos + n])) == lower) ++n;
  return n;
}

size_t TDateTimeWriter::Quoted(std::string_view pattern, size_t i) {
  const size_t end = pattern.find(pattern[i], i + 1);
  const size_t stop = end == std::string_view::npos ? pattern.size() : end;
  fOut.append(pattern.substr(i + 1, stop - i - 1));
  return stop == pattern.size() ? stop : stop + 1;
}

void TDateTimeWriter::Write(std::string_view pattern) {
  size_t i = 0;
  while (i < pattern.size()) {
    const char raw = pattern[i];
    const char c = char(std::tolower(static_cast<unsigned char>(raw)));
    bool isHour = false;
    if (raw == '"' || raw == '\'') {
      i = Quoted(pattern, i);
      continue;
    }
    if (c == 'a' && StartsWithNoCase(pattern.substr(i), "am/pm")) {
      const bool pm = fParts.Hour >= 12;
      fOut.append(pattern.substr(i + (pm ? 3 : 0), 2));  // keeps the letter case written
      i += 5;
      continue;
    }
    if (c == 'a' && StartsWithNoCase(pattern.substr(i), "a/p")) {
      fOut += pattern[i + (fParts.Hour >= 12 ? 2 : 0)];
      i += 3;
      continue;
    }
    if (c == 'a' && StartsWithNoCase(pattern.substr(i), "ampm")) {
      fOut += fParts.Hour >= 12 ? "PM" : "AM";
      i += 4;
      continue;
    }
    const size_t n = (c == 'd' || c == 'm' || c == 'y' || c == 'h' || c == 'n' || c == 's' || c == 'z' ||
                      c == 't')
                         ? RunLength(pattern, i, c)
                         : 1;
    switch (c) {
      case 'd':
        if (n == 1 || n == 2) Number(fParts.Day, int(n));
        else if (n == 3) fOut += kShortDays[size_t(fParts.DayOfWeek)];
        else if (n == 4) fOut += kLongDays[size_t(fParts.DayOfWeek)];
        else if (n == 5) Write(kShortDatePattern);
        else Write(kLongDatePattern);
        break;
      case 'm':
        if (n <= 2 && fLastWasHour) Number(fParts.Minute, int(n));
        else if (n <= 2) Number(fParts.Month, int(n));
        else if (n == 3) fOut += fMonths.Short[size_t(fParts.Month - 1)];
        else fOut += fMonths.Long[size_t(fParts.Month - 1)];
        break;
      case 'y':
        if (n <= 2) Number(fParts.Year % 100, 2);
        else Number(fParts.Year, 4);
        break;
      case 'h': {
        isHour = true;
        int hour = fParts.Hour;
        if (HasAmPmFrom(pattern, i + n)) hour = hour % 12 == 0 ? 12 : hour % 12;
        Number(hour, n >= 2 ? 2 : 1);
        break;
      }
      case 'n': Number(fParts.Minute, n >= 2 ? 2 : 1); break;
      case 's': Number(fParts.Second, n >= 2 ? 2 : 1); break;
      case 'z': SecondFraction(n); break;
      case 't': Write(n == 1 ? kShortTimePattern : kLongTimePattern); break;
      case 'c':
        Write(kShortDatePattern);
        if (fParts.Hour || fParts.Minute || fParts.Second || fParts.Millisecond) {
          fOut += ' ';
          Write(kLongTimePattern);
        }
        break;
      case '/': fOut += '/'; break;
      case ':': fOut += ':'; break;
      default: fOut += raw; break;
    }
    // Only pattern letters decide what a following "m" means; separators do not.
    if (std::isalpha(static_cast<unsigned char>(raw))) fLastWasHour = isHour;
    i += n;
  }
}

// The axis tokens, longest first where one begins another.
enum class TAxisToken : std::uint8_t { Year4, AmPm, MonthName, Day, Month, Year2, Hour2, Minute, Second, Fraction, Hour };
struct TAxisTokenText {
  std::string_view Text;
  TAxisToken Token;
};
constexpr std::array<TAxisTokenText, 11> kAxisTokens = {{{"yyyy", TAxisToken::Year4},
                                                         {"am/pm", TAxisToken::AmPm},
                                                         {"mmm", TAxisToken::MonthName},
                                                         {"dd", TAxisToken::Day},
                                                         {"mm", TAxisToken::Month},
                                                         {"yy", TAxisToken::Year2},
                                                         {"hh", TAxisToken::Hour2},
                                                         {"nn", TAxisToken::Minute},
                                                         {"ss", TAxisToken::Second},
                                                         {"zz", TAxisToken::Fraction},
                                                         {"h", TAxisToken::Hour}}};

// Whether the pattern holds am/pm outside quotes.
bool HasAxisAmPm(std::string_view pattern) {
  char quote = 0;
  for (size_t i = 0; i < pattern.size(); ++i) {
    const char c = pattern[i];
    if (quote) {
      if (c == quote) quote = 0;
    } else if (c == '"' || c == '\'') {
      quote = c;
    } else if (pattern.substr(i).starts_with("am/pm")) {
      return true;
    }
  }
  return false;
}

void TDateTimeWriter::WriteAxis(std::string_view pattern) {
  const bool twelveHours = HasAxisAmPm(pattern);
  const int hour = twelveHours ? (fParts.Hour % 12 == 0 ? 12 : fParts.Hour % 12) : fParts.Hour;
  size_t i = 0;
  while (i < pattern.size()) {
    if (pattern[i] == '"' || pattern[i] == '\'') {
      i = Quoted(pattern, i);
      continue;
    }
    const auto token = std::find_if(kAxisTokens.begin(), kAxisTokens.end(),
                                    [&](const TAxisTokenText& t) { return pattern.substr(i).starts_with(t.Text); });
    if (token == kAxisTokens.end()) {
      fOut += pattern[i++];
      continue;
    }
    switch (token->Token) {
      case TAxisToken::Year4: Number(fParts.Year, 4); break;
      case TAxisToken::AmPm: fOut += fParts.Hour >= 12 ? "pm" : "am"; break;
      case TAxisToken::MonthName: fOut += fMonths.Short[size_t(fParts.Month - 1)]; break;
      case TAxisToken::Day: Number(fParts.Day, 2); break;
      case TAxisToken::Month: Number(fParts.Month, 2); break;
      case TAxisToken::Year2: Number(fParts.Year % 100, 2); break;
      case TAxisToken::Hour2: Number(hour, 2); break;
      case TAxisToken::Minute: Number(fParts.Minute, 2); break;
      case TAxisToken::Second: Number(fParts.Second, 2); break;
      case TAxisToken::Fraction: SecondFraction(2); break;
      case TAxisToken::Hour: Number(hour, 1); break;
    }
    i += token->Text.size();
  }
}

}  // namespace

const TMonthNames& EnglishMonthNames() {
  static const TMonthNames names = {
      {"Jan", "Feb", "Mar", "Apr", "May", "Jun", "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"},
      {"January", "February", "March", "April", "May", "June", "July", "August", "September", "October",
       "November", "December"}};
  return names;
}

std::optional<TDateTimeParts> DecodeDateTime(double dateTime, TDaySplit split) {
  if (!std::isfinite(dateTime) || dateTime < double(kFirstDateDay) - 1 || dateTime > double(kLastDateDay) + 1)
    return std::nullopt;
  if (split == TDaySplit::TowardZero) {
    // Whole milliseconds of the magnitude; the sign belongs to the day count only.
    const auto ms = std::int64_t(std::llround(std::fabs(dateTime) * double(kMsPerDay)));
    return PartsOf((dateTime < 0 ? -1 : 1) * (ms / kMsPerDay), ms % kMsPerDay);
  }
  if (std::fabs(dateTime) < kZeroDay) dateTime = 0.0;
  const double day = std::floor(dateTime);
  // The fraction is exact; rounding it to whole milliseconds may carry into the next day.
  const auto ms = std::int64_t(RoundHalfEven((dateTime - day) * double(kMsPerDay)));
  const std::int64_t carry = ms / kMsPerDay;
  return PartsOf(std::int64_t(day) + carry, ms - carry * kMsPerDay);
}

std::optional<std::string> FormatDateTimeText(double dateTime, std::string_view pattern,
                                              const TDateTimeStyle& style) {
  const std::optional<TDateTimeParts> parts = DecodeDateTime(dateTime, style.Split);
  if (!parts) return std::nullopt;
  TDateTimeWriter writer(*parts, style);
  if (style.Letters == TPatternLetters::Axis)
    writer.WriteAxis(pattern);
  else
    writer.Write(pattern);
  return writer.Take();
}

std::int64_t DayNumber(int year, int month, int day) {
  const int m0 = month - 1;
  const int yearCarry = m0 >= 0 ? m0 / 12 : -((11 - m0) / 12);
  return DaysFromCivil(std::int64_t(year) + yearCarry, m0 - 12 * yearCarry + 1, day) + kUnixEpochDay;
}

void DateOfDayNumber(std::int64_t dayNumber, int& year, int& month, int& day) {
  TDateTimeParts parts;
  CivilFromDays(dayNumber - kUnixEpochDay, parts);
  year = parts.Year;
  month = parts.Month;
  day = parts.Day;
}

}  // namespace vqm
