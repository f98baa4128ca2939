#pragma once
// The time stamp that pairs a request with its reply: Time = milliseconds since
// midnight, Date = days since 1 January of the year 1, plus one (so that day is 1).

#include <cstdint>

namespace tessera {

struct TTimeStamp {
  std::int32_t Time = 0;  // milliseconds since midnight, 0..86399999
  std::int32_t Date = 0;  // 1 = 1 January 0001 (proleptic Gregorian calendar)
  friend bool operator==(const TTimeStamp&, const TTimeStamp&) = default;
};

// The stamp of a civil date and time (year 1..9999, month 1..12, day 1..31).
TTimeStamp MakeTimeStamp(int year, int month, int day, int hour, int minute, int second, int millisecond);
// The current local date and time.
TTimeStamp CurrentTimeStamp();
// The stamp one millisecond later (the next day after the last millisecond).
TTimeStamp NextTimeStamp(TTimeStamp stamp);

}  // namespace tessera
