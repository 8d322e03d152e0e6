#include "calendar/MonthDays.h"

#include <algorithm>

#include "calendar/Anniversaries.h"
#include "calendar/PublicHolidays.h"
#include "schedule/TodayItems.h"
#include "time/Gregorian.h"

namespace quillet {

CalendarMonth MonthDays(const std::vector<DayInfoRecord>& anniversaries, const ScheduleList& schedules, int year,
                        int month) {
  CalendarMonth result;
  const int length = DaysInMonth(year, month);
  if (length == 0) return result;
  const AnniversaryMonth entries = AnniversariesOfMonth(anniversaries, year, month);
  const YearMarks scheduleMarks = ScheduleMarksOfYear(schedules, year);
  const std::array<int, 31> periods = PeriodMarksOfMonth(schedules, year, month);

  for (int d = 1; d <= length; ++d) {
    CalendarDay& day = result.days[static_cast<std::size_t>(d)];
    const AnniversaryDay& entry = entries.Day(d);
    day.holiday = entry.holiday;
    day.marks = entry.marks;
    day.text = entry.text;
    // Bit 0 is a schedule without a picture: it counts, but has no mark to draw.
    const unsigned onDate = scheduleMarks[static_cast<std::size_t>(month)][static_cast<std::size_t>(d)];
    for (int mark = 1; mark <= kAnniversaryMarkCount; ++mark) {
      if (onDate & (1u << mark)) day.marks.set(static_cast<std::size_t>(mark));
    }
    day.periodBits = periods[static_cast<std::size_t>(d - 1)];
    day.hasSomething = entry.any || onDate != 0 || day.periodBits != 0;
  }

  for (const PublicHoliday& holiday : PublicHolidaysOf(year)) {
    const CivilDate& on = holiday.date;
    if (on.year != year || on.month != month || on.day < 1 || on.day > length) continue;
    CalendarDay& day = result.days[static_cast<std::size_t>(on.day)];
    day.holiday = true;
    day.hasSomething = true;
    const std::vector<const DayInfoRecord*> named = AnniversariesOn(anniversaries, year, month, on.day);
    const bool repeated = std::any_of(named.begin(), named.end(),
                                      [&](const DayInfoRecord* r) { return r->name == holiday.name; });
    if (repeated) continue;
    if (!day.text.empty()) day.text += '\n';
    day.text += holiday.name;
  }
  return result;
}

}  // namespace quillet
