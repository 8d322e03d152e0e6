#include "schedule/DateKeys.h"

#include "ports/LocalTime.h"

namespace quillet {

namespace {

constexpr std::int64_t kDaysInCodeYear = 372;
constexpr std::int64_t kDaysInCodeMonth = 31;
constexpr std::int64_t kMinutesInDay = 1440;

// Division that rounds down, so that damaged negative codes still give a date.
std::int64_t FloorDiv(std::int64_t a, std::int64_t b) { return a / b - ((a % b != 0) && ((a < 0) != (b < 0))); }

}  // namespace

std::int64_t DateCode(std::int64_t year, std::int64_t month, std::int64_t day) {
  return year * kDaysInCodeYear + month * kDaysInCodeMonth + day;
}

std::int64_t MinuteStamp(std::int64_t year, std::int64_t month, std::int64_t day, std::int64_t hour,
                         std::int64_t minute) {
  return DateCode(year, month, day) * kMinutesInDay + hour * 60 + minute;
}

std::int64_t DateCodeOf(const CivilDate& date) { return DateCode(date.year, date.month, date.day); }

CivilDate DateFromCode(std::int64_t code) {
  std::int64_t year = FloorDiv(code, kDaysInCodeYear);
  std::int64_t month = (code - year * kDaysInCodeYear) / kDaysInCodeMonth;
  if (month == 0) {
    --year;
    month = 12;
  }
  std::int64_t day = code - year * kDaysInCodeYear - month * kDaysInCodeMonth;
  if (day == 0) {
    if (--month == 0) {
      --year;
      month = 12;
    }
    day = 31;
  }
  CivilDate date{static_cast<int>(year), static_cast<int>(month), static_cast<int>(day)};
  const int last = DaysInMonth(date.year, date.month);
  if (date.day > last) date.day = last;
  return date;
}

std::int64_t LocalMinute::Stamp() const { return MinuteStamp(date.year, date.month, date.day, hour, minute); }

LocalMinute ToLocalMinute(const LocalTime& time) {
  return LocalMinute{CivilDate{time.year, time.month, time.day}, time.hour, time.minute};
}

LocalMinute AddMinutes(const LocalMinute& moment, long long minutes) {
  const long long total = DaysSinceEpoch(moment.date) * kMinutesInDay + moment.MinuteOfDay() + minutes;
  const long long days = FloorDiv(total, kMinutesInDay);
  const long long minuteOfDay = total - days * kMinutesInDay;
  return LocalMinute{DateFromDaysSinceEpoch(days), static_cast<int>(minuteOfDay / 60),
                     static_cast<int>(minuteOfDay % 60)};
}

}  // namespace quillet
