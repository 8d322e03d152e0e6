#pragma once

#include <array>
#include <bitset>
#include <string>
#include <vector>

#include "calendar/DayInfoRecord.h"

namespace quillet {

class ScheduleList;

// What the calendar draws for one day of a shown month.
struct CalendarDay {
  bool holiday = false;       // drawn with the Sunday digits: a public holiday or a holiday entry
  bool hasSomething = false;  // an anniversary or public holiday falls on it, an OnDate schedule
                              // marks it or a period covers it
  std::bitset<kAnniversaryMarkCount + 1> marks;  // marks[n] for mark n, 1–11
  int periodBits = 0;         // 1 a period starts, 2 goes on, 4 ends
  std::string text;           // the day text: entry names, then holiday names not repeated
};

struct CalendarMonth {
  std::array<CalendarDay, 32> days;  // days[1] … days[31]; days past the month stay empty
};

// The day data of one month: anniversaries (AnniversariesOfMonth), public holidays, the OnDate
// schedules' marks (ScheduleMarksOfYear) and the periods (PeriodMarksOfMonth).
CalendarMonth MonthDays(const std::vector<DayInfoRecord>& anniversaries, const ScheduleList& schedules, int year,
                        int month);

// Asked by the calendar meter for the month it shows; the calendar window answers.
class CalendarDays {
 public:
  virtual ~CalendarDays() = default;
  virtual CalendarMonth DaysOf(int year, int month) const = 0;
};

}  // namespace quillet
