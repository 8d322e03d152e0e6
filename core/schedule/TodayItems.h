#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "schedule/ScheduleList.h"
#include "time/Gregorian.h"

namespace quillet {

struct DayInfoRecord;

// One line of the schedule view.
struct TodayItem {
  std::string name;
  std::string timeText;  // "%02d:%02d"
  int hour = 0;
  int minute = 0;
  bool timed = false;       // has a time of day
  bool specialDay = false;  // an anniversary
  int order = 0;            // the minute of a timed item; 0 all day, 1 D-day ahead, 2 D-day passed
  bool early = false;       // its time is not after the given time, it is all day, or its D-day has passed
  int dayCount = 0;         // days to a D-day: positive ahead, negative passed
};

// Today's anniversaries first, then the schedules that concern `date`, in list order. No calendar
// (anniversaries null) means no items at all: the view has nothing to show without one.
std::vector<TodayItem> TodayItems(const ScheduleList& list, const std::vector<DayInfoRecord>* anniversaries,
                                  const CivilDate& date, int hour, int minute);

// Whether `date` has items, anniversaries counted, as seen at noon.
bool DayHasSchedules(const ScheduleList& list, const std::vector<DayInfoRecord>* anniversaries,
                     const CivilDate& date);

// For the calendar: bit (1 << imageIndex) on each month and day (1-based) of `year` with an
// OnDate schedule of image 0–11.
using YearMarks = std::array<std::array<std::uint16_t, 32>, 13>;
YearMarks ScheduleMarksOfYear(const ScheduleList& list, int year);

// For the calendar: per day of a month (index 0 = the 1st) the bits of the periods there:
// 1 a period starts, 2 it goes on, 4 it ends.
std::array<int, 31> PeriodMarksOfMonth(const ScheduleList& list, int year, int month);

// Days from `from` to `to`; 0 when either lies outside the years 1900–2400.
int DaysBetween(const CivilDate& from, const CivilDate& to);

}  // namespace quillet
