#pragma once

namespace quillet {

// Dates of the Gregorian calendar, shared by the schedules, the lunar conversion and the calendar.
struct CivilDate {
  int year = 1970;
  int month = 1;
  int day = 1;
  friend bool operator==(const CivilDate& a, const CivilDate& b) {
    return a.year == b.year && a.month == b.month && a.day == b.day;
  }
};

// Divisible by 4 and not by 100, or divisible by 400.
bool IsLeapYear(int year);
// 28–31; 0 for a month outside 1–12.
int DaysInMonth(int year, int month);
bool IsValidDate(const CivilDate& date);
// Days since 1970-01-01 (negative before), for valid dates from the year 1 on.
long long DaysSinceEpoch(const CivilDate& date);
CivilDate DateFromDaysSinceEpoch(long long days);
// 0 = Sunday … 6 = Saturday.
int WeekdayOf(const CivilDate& date);

}  // namespace quillet
