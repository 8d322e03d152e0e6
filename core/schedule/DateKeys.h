#pragma once

#include <cstdint>

#include "time/Gregorian.h"

namespace quillet {

struct LocalTime;

// The two keys every schedule rule compares. They pretend every month has 31 days, so they are
// compared, never subtracted. Wide integers: the parts may come from a damaged file.
std::int64_t DateCode(std::int64_t year, std::int64_t month, std::int64_t day);
std::int64_t MinuteStamp(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t hour,
                         std::int64_t minute);
std::int64_t DateCodeOf(const CivilDate& date);

// The date a DateCode stands for; a day beyond its month is clamped to the month's last day.
CivilDate DateFromCode(std::int64_t code);

// A moment to the minute, as the scheduler sees "now".
struct LocalMinute {
  CivilDate date;
  int hour = 0;
  int minute = 0;

  int MinuteOfDay() const { return hour * 60 + minute; }
  std::int64_t Stamp() const;
  std::int64_t Code() const { return DateCodeOf(date); }
};

LocalMinute ToLocalMinute(const LocalTime& time);
// Calendar arithmetic in local time (the program's users keep no daylight saving time).
LocalMinute AddMinutes(const LocalMinute& moment, long long minutes);

}  // namespace quillet
