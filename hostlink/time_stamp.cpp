#include "hostlink/time_stamp.h"

#include <chrono>
#include <ctime>

namespace tessera {

namespace {
constexpr std::int32_t kMillisecondsPerDay = 24 * 60 * 60 * 1000;
}

TTimeStamp MakeTimeStamp(int year, int month, int day, int hour, int minute, int second, int millisecond) {
  using namespace std::chrono;
  // Days from 1 January 0001 to the date; sys_days counts from 1970 in the
  // proleptic Gregorian calendar, as the stamp does.
  const sys_days date{std::chrono::year(year) / std::chrono::month(unsigned(month)) / std::chrono::day(unsigned(day))};
  const sys_days firstDay{std::chrono::year(1) / January / 1};
  TTimeStamp stamp;
  stamp.Date = std::int32_t((date - firstDay).count() + 1);
  stamp.Time = ((hour * 60 + minute) * 60 + second) * 1000 + millisecond;
  return stamp;
}

TTimeStamp CurrentTimeStamp() {
  using namespace std::chrono;
  const auto now = system_clock::now();
  const std::time_t seconds = system_clock::to_time_t(now);
  std::tm local{};
  localtime_r(&seconds, &local);
  const int ms = int(duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000);
  return MakeTimeStamp(local.tm_year + 1900, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min,
                       local.tm_sec, ms < 0 ? ms + 1000 : ms);
}

TTimeStamp NextTimeStamp(TTimeStamp stamp) {
  if (++stamp.Time >= kMillisecondsPerDay) {
    stamp.Time = 0;
    ++stamp.Date;
  }
  return stamp;
}

}  // namespace tessera
