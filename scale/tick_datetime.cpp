// The date/time generator: axis values are days since 1899-12-30; ticks fall on
// whole clock units, days, months or years, chosen by the span per interval.
#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <optional>

#include <limits>

#include "drawbase/rounding.h"
#include "scale/tick_generators.h"

namespace vqm::detail {

namespace {

// A tick counts as on an end of the axis when it differs from it by no more
// than this many units in the last place of the larger end: the rounding of
// the two values, never a visible distance (a hundredths axis may span less
// than a millisecond).
constexpr double kEdgeUlps = 8;
// The range an axis can show dates for (0001-01-01 up to a little past 9999).
constexpr double kFirstAxisDay = -693'593;
constexpr double kLastAxisDay = 3'000'000;
// No tick from 10000-01-01 on: the calendar ends with 9999-12-31.
constexpr double kEndOfCalendar = double(kLastDateDay + 1);

// Thresholds of the span per interval (days) that choose a mode.
constexpr double kHorizontalBelowSecond = 1.1574e-5;
constexpr double kHorizontalSeconds = 6.9444e-4;
constexpr double kVerticalBelowHundredth = 1.0 / 8'640'000;
constexpr double kVerticalHundredths = 1.0 / 86'400;
constexpr double kVerticalSeconds = 1.0 / 1440;
constexpr double kMinutesUpTo = 0.041667;
constexpr double kHoursUpTo = 1;
constexpr double kDaysUpTo = 30;
constexpr double kMonthsUpTo = 366;
constexpr double kDaysPerMonth = 30.4375;
constexpr double kDaysPerYear = 365.25;
// Relative slack of the step choice.
constexpr double kStepTolerance = 1 + 1e-9;

struct TClockTable {
  TClockUnit Unit;
  std::int64_t UnitsPerDay;
  std::array<int, 6> Steps;       // units; each divides a day
  std::array<int, 6> ShortSteps;  // units; each divides its step
};
constexpr TClockTable kHourTable{TClockUnit::Hours, 24, {1, 2, 3, 6, 8, 12}, {1, 1, 1, 2, 2, 3}};
constexpr TClockTable kMinuteTable{TClockUnit::Minutes, 1440, {1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}};
constexpr TClockTable kSecondTable{TClockUnit::Seconds, 86'400, {1, 2, 5, 10, 20, 30}, {1, 1, 1, 2, 5, 10}};
constexpr TClockTable kHundredthTable{TClockUnit::Hundredths, 8'640'000, {1, 2, 5, 10, 20, 50}, {1, 1, 1, 5, 10, 10}};

constexpr std::array<int, 6> kDaySteps = {1, 2, 3, 7, 14, 28};
constexpr std::array<int, 5> kMonthSteps = {1, 2, 3, 4, 6};

// Index of the largest step not above `limit`; 0 (the smallest) when none is.
// A limit that rounding puts a hair below a step still takes it, so that an
// hour from 12:00 gets the same steps as one from 10:00.
template <size_t N>
size_t LargestStepIndex(const std::array<int, N>& steps, double limit) {
  size_t index = 0;
  for (size_t i = 0; i < N; ++i)
    if (steps[i] <= limit * kStepTolerance) index = i;
  return index;
}

std::int64_t FloorMod(std::int64_t a, std::int64_t m) { return ((a % m) + m) % m; }

// The tolerance of the tests against the ends of the range [low, high].
double EdgeTolerance(double low, double high) {
  const double larger = std::fmax(std::fabs(low), std::fabs(high));
  return kEdgeUlps * (std::nextafter(larger, std::numeric_limits<double>::infinity()) - larger);
}

class TDateTimeTicks {
 public:
  explicit TDateTimeTicks(TTickSink& sink)
      : fSink(sink),
        fOptions(sink.Options),
        fLow(sink.Options.Range.Low),
        fHigh(sink.Options.Range.High),
        fTolerance(EdgeTolerance(fLow, fHigh)) {}

  void Run();

 private:
  void Clock(const TClockTable& table);
  void Days(double q);
  void Months();
  void Years();

  // Whether the run of ticks goes on at v: not past the end of the axis (with
  // the tolerance) and not past the calendar.
  bool GoesOn(double v) const { return v - fHigh <= fTolerance && v < kEndOfCalendar && !fSink.Full(); }
  // Ticks before the start of the axis are skipped.
  bool BeforeStart(double v) const { return fLow - v > fTolerance; }
  TTick& Draw(double v, bool major);
  void Label(TTick& tick, std::string text);

  TTickSink& fSink;
  const TTickOptions& fOptions;
  const double fLow, fHigh;
  const double fTolerance;  // days
};

TTick& TDateTimeTicks::Draw(double v, bool major) {
  return major ? fSink.Add(v, TTickKind::Major, fSink.MajorLength(), true, true)
               : fSink.Add(v, TTickKind::Short, kShortTickLength, true, true);
}

void TDateTimeTicks::Label(TTick& tick, std::string text) {
  tick.HasLabel = true;
  tick.Label = std::move(text);
}

void TDateTimeTicks::Run() {
  const int pixel = fSink.PixelOf((fLow + fHigh) / 2);
  if (!(fHigh >= fLow) || fLow < kFirstAxisDay || fHigh > kLastAxisDay) {
    fSink.SetMessage(TDateTimeMessage::InvalidRange, pixel);
    return;
  }
  const double q = (fHigh - fLow) / fOptions.MinTicks;
  if (fSink.Vertical()) {
    if (q <= kVerticalBelowHundredth) return fSink.SetMessage(TDateTimeMessage::BelowOneSecond, pixel);
    if (q <= kVerticalHundredths) return Clock(kHundredthTable);
    if (q <= kVerticalSeconds) return Clock(kSecondTable);
  } else {
    if (q <= kHorizontalBelowSecond) return fSink.SetMessage(TDateTimeMessage::BelowOneSecond, pixel);
    if (q <= kHorizontalSeconds) return Clock(kSecondTable);
  }
  if (q <= kMinutesUpTo) return Clock(kMinuteTable);
  if (q <= kHoursUpTo) return Clock(kHourTable);
  if (q <= kDaysUpTo) return Days(q);
  if (q <= kMonthsUpTo) return Months();
  Years();
}

// Ticks on whole units counted from the start of the first day, so that the
// major test is exact: a unit count that is a multiple of the step (every step
// divides a day).
void TDateTimeTicks::Clock(const TClockTable& table) {
  const double unitsPerDay = double(table.UnitsPerDay);
  const double q = (fHigh - fLow) / fOptions.MinTicks;
  const size_t index = LargestStepIndex(table.Steps, q * unitsPerDay);
  const std::int64_t step = table.Steps[index], shortStep = table.ShortSteps[index];
  const double day = std::floor(fLow);
  const auto valueOf = [&](std::int64_t units) { return day + double(units) / unitsPerDay; };

  // The start's time of day rounded up to a whole unit (a hair above a unit
  // counts as on it), then up to the step.
  const auto startUnits = std::int64_t(std::ceil((fLow - day - fTolerance) * unitsPerDay));
  std::int64_t units = (std::max<std::int64_t>(startUnits, 0) + step - 1) / step * step;
  if (fOptions.ShortTicks)
    while (valueOf(units) > fLow) units -= shortStep;

  const std::string pattern = ClockPattern(table.Unit, fOptions.DateFormat);
  const TDateForTime dateLines = fOptions.DateFormat.DateForTime();
  int lastDateLineDay = 0;  // day of the month of the last date line; 0 for none yet
  const std::int64_t advance = fOptions.ShortTicks ? shortStep : step;
  for (;; units += advance) {
    const double v = valueOf(units);
    if (!GoesOn(v)) break;
    if (BeforeStart(v)) continue;
    const bool major = units % step == 0;
    TTick& tick = Draw(v, major);
    if (!major) continue;
    Label(tick, DateTimeText(pattern, v, fOptions.MonthNames));
    const std::optional<TDateTimeParts> parts = DecodeDateTime(v, TDaySplit::Floor);
    const int dayOfMonth = parts ? parts->Day : 0;
    const bool dateLine = dateLines == dtAllTicks ||
                          (dateLines == dtOnePerChart && lastDateLineDay == 0) ||
                          (dateLines == dtOnePerDay && dayOfMonth != lastDateLineDay);
    if (dateLine) {
      tick.DateLine = DateText(v, fOptions.DateFormat, fOptions.MonthNames);
      lastDateLineDay = dayOfMonth;
    }
  }
}

// Steps of whole days counted from 1 January of the start's year.
void TDateTimeTicks::Days(double q) {
  const std::int64_t step = kDaySteps[LargestStepIndex(kDaySteps, q)];
  int year = 0, month = 0, dayOfMonth = 0;
  DateOfDayNumber(std::int64_t(std::floor(fLow)), year, month, dayOfMonth);
  const std::int64_t january1 = DayNumber(year, 1, 1);
  const std::int64_t first = january1 + step * std::int64_t(std::trunc((fLow - double(january1)) / double(step)));
  const std::int64_t phase = FloorMod(first, step);
  const std::int64_t advance = !fOptions.ShortTicks ? step : (step <= 7 ? 1 : 7);
  const std::string pattern = DayPattern(fOptions.DateFormat);
  for (std::int64_t day = first;; day += advance) {
    const double v = double(day);
    if (!GoesOn(v)) break;
    if (BeforeStart(v)) continue;
    const bool major = FloorMod(day, step) == phase;
    TTick& tick = Draw(v, major);
    if (major) Label(tick, DateTimeText(pattern, v, fOptions.MonthNames));
  }
}

// Ticks on the first day of months whose number is 1 modulo the step.
void TDateTimeTicks::Months() {
  const double monthsPerInterval = (fHigh - fLow) / kDaysPerMonth / fOptions.MinTicks;
  const int step = kMonthSteps[LargestStepIndex(kMonthSteps, monthsPerInterval)];
  const auto onStep = [step](int month) { return (month - 1) % step == 0; };
  int year = 0, month = 0, dayOfMonth = 0;
  DateOfDayNumber(std::int64_t(std::floor(fLow)), year, month, dayOfMonth);
  const auto nextMonth = [&](int by) {
    month += by;
    while (month > 12) month -= 12, ++year;
  };
  // Without short ticks the first tick is the first month on the step whose
  // first day is not before the start: a start on such a month's first day is
  // itself a tick.
  if (step > 1 && !fOptions.ShortTicks)
    while (!onStep(month) || BeforeStart(double(DayNumber(year, month, 1)))) nextMonth(1);

  const std::string pattern = MonthPattern(fOptions.DateFormat);
  const int advance = fOptions.ShortTicks ? 1 : step;
  for (; year <= 9999; nextMonth(advance)) {
    const double v = double(DayNumber(year, month, 1));
    if (!GoesOn(v)) break;
    if (BeforeStart(v)) continue;
    const bool major = !(fOptions.ShortTicks && step > 1 && !onStep(month));
    TTick& tick = Draw(v, major);
    if (major) Label(tick, DateTimeText(pattern, v, fOptions.MonthNames));
  }
}

// Ticks on 1 January of years that are multiples of the increment.
void TDateTimeTicks::Years() {
  const double yearsPerInterval = std::fmax((fHigh - fLow) / kDaysPerYear / fOptions.MinTicks, 1.0);
  const double exponent = std::trunc(std::log10(yearsPerInterval));
  const double power = std::pow(10.0, exponent);
  const double mantissa = yearsPerInterval / power;
  const int factor = mantissa < 2 ? 1 : (mantissa < 5 ? 2 : 5);
  const auto step = std::int64_t(factor * power);
  const std::int64_t increment =
      (!fOptions.ShortTicks || step == 1) ? step : std::int64_t(RoundHalfEven(double(step) / (factor == 5 ? 5 : 2)));

  int year = 0, month = 0, dayOfMonth = 0;
  DateOfDayNumber(std::int64_t(std::floor(fLow)), year, month, dayOfMonth);
  std::int64_t tickYear = (year + increment - 1) / increment * increment;
  if (BeforeStart(double(DayNumber(int(tickYear), 1, 1)))) tickYear += increment;  // no tick before the start
  for (; tickYear <= 9999; tickYear += increment) {
    const double v = double(DayNumber(int(tickYear), 1, 1));
    if (!GoesOn(v)) break;
    const bool major = !fOptions.ShortTicks || tickYear % step == 0;
    TTick& tick = Draw(v, major);
    if (major) Label(tick, YearText(int(tickYear), fOptions.DateFormat.YearLength()));
  }
}

}  // namespace

void GenerateDateTimeTicks(TTickSink& sink) {
  sink.SetGenerator(TTickGenerator::DateTime);
  TDateTimeTicks(sink).Run();
}

}  // namespace vqm::detail
