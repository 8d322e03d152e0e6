#include "time/Gregorian.h"

namespace quillet {

bool IsLeapYear(int year) { return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0; }

int DaysInMonth(int year, int month) {
  static constexpr int kLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12) return 0;
  return month == 2 && IsLeapYear(year) ? 29 : kLengths[month - 1];
}

bool IsValidDate(const CivilDate& date) { return date.day >= 1 && date.day <= DaysInMonth(date.year, date.month); }

namespace {

// Leap days in the years 1 … year − 1.
long long LeapDaysBefore(long long year) {
  const long long y = year - 1;
  return y / 4 - y / 100 + y / 400;
}

long long DaysBeforeYear(long long year) { return 365 * (year - 1) + LeapDaysBefore(year); }

long long DayOfYear(const CivilDate& date) {
  long long days = date.day - 1;
  for (int month = 1; month < date.month; ++month) days += DaysInMonth(date.year, month);
  return days;
}

constexpr long long kEpochDays = 719162;  // days from 0001-01-01 to 1970-01-01

}  // namespace

// Years from 1 on.
long long DaysSinceEpoch(const CivilDate& date) {
  return DaysBeforeYear(date.year) + DayOfYear(date) - kEpochDays;
}

CivilDate DateFromDaysSinceEpoch(long long days) {
  const long long absolute = days + kEpochDays;
  long long year = absolute * 400 / 146097 + 1;  // within one of the right year
  while (DaysBeforeYear(year) > absolute) --year;
  while (DaysBeforeYear(year + 1) <= absolute) ++year;
  long long left = absolute - DaysBeforeYear(year);
  CivilDate date{static_cast<int>(year), 1, 1};
  while (left >= DaysInMonth(date.year, date.month)) left -= DaysInMonth(date.year, date.month++);
  date.day = static_cast<int>(left) + 1;
  return date;
}

int WeekdayOf(const CivilDate& date) {
  const long long days = DaysSinceEpoch(date);  // 1970-01-01 was a Thursday
  return static_cast<int>(((days % 7) + 7 + 4) % 7);
}

}  // namespace quillet
