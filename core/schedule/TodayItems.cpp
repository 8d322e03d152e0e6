#include "schedule/TodayItems.h"

#include <algorithm>
#include <cstdio>

#include "calendar/Anniversaries.h"
#include "schedule/AlarmRules.h"
#include "schedule/DateKeys.h"

namespace quillet {

namespace {

constexpr int kFirstYear = 1900;
constexpr int kLastYear = 2400;
constexpr int kNoonMinute = 12 * 60;

bool InRange(const CivilDate& date) { return date.year >= kFirstYear && date.year <= kLastYear && IsValidDate(date); }

TodayItem ScheduleItem(const ScheduleRecord& r, int nowMinute) {
  TodayItem item;
  item.name = r.message;
  char time[16];
  std::snprintf(time, sizeof time, "%02d:%02d", r.hour, r.minute);
  item.timeText = time;
  item.hour = r.hour;
  item.minute = r.minute;
  if (r.IsAllDay()) {
    item.order = 0;
    item.early = true;
  } else {
    item.timed = true;
    item.order = r.minuteOfDay;
    item.early = item.order <= nowMinute;
  }
  return item;
}

}  // namespace

int DaysBetween(const CivilDate& from, const CivilDate& to) {
  if (!InRange(from) || !InRange(to)) return 0;
  return static_cast<int>(DaysSinceEpoch(to) - DaysSinceEpoch(from));
}

std::vector<TodayItem> TodayItems(const ScheduleList& list, const std::vector<DayInfoRecord>* anniversaries,
                                  const CivilDate& date, int hour, int minute) {
  std::vector<TodayItem> items;
  if (!anniversaries) return items;
  for (const DayInfoRecord* anniversary : AnniversariesOn(*anniversaries, date.year, date.month, date.day)) {
    TodayItem item;
    item.name = anniversary->name;
    item.specialDay = true;
    items.push_back(std::move(item));
  }
  const int nowMinute = hour * 60 + minute;
  for (const ScheduleRecord& r : list.records()) {
    switch (r.recurrence) {
      case Recurrence::Daily:
        items.push_back(ScheduleItem(r, nowMinute));
        break;
      case Recurrence::Once:
        if (r.enabled) items.push_back(ScheduleItem(r, nowMinute));
        break;
      case Recurrence::OnDate: {
        const CivilDate when{r.year, r.month, r.day};
        if (when == date) {
          items.push_back(ScheduleItem(r, nowMinute));
        } else if (r.isDDay) {
          const int days = DaysBetween(date, when);
          if (days == 0) break;
          TodayItem item = ScheduleItem(r, nowMinute);
          item.order = days > 0 ? 1 : 2;
          item.early = days < 0;
          item.dayCount = days;
          items.push_back(std::move(item));
        }
        break;
      }
      case Recurrence::Weekdays:
      case Recurrence::Period:
      case Recurrence::MonthDay:
        if (BelongsToDay(r, date)) items.push_back(ScheduleItem(r, nowMinute));
        break;
    }
  }
  return items;
}

bool DayHasSchedules(const ScheduleList& list, const std::vector<DayInfoRecord>* anniversaries,
                     const CivilDate& date) {
  return !TodayItems(list, anniversaries, date, kNoonMinute / 60, 0).empty();
}

YearMarks ScheduleMarksOfYear(const ScheduleList& list, int year) {
  YearMarks marks{};
  for (const ScheduleRecord& r : list.records()) {
    if (r.recurrence != Recurrence::OnDate || r.year != year) continue;
    if (r.month < 1 || r.month > 12 || r.day < 1 || r.day > 31) continue;
    if (r.imageIndex < 0 || r.imageIndex > 11) continue;
    marks[r.month][r.day] = static_cast<std::uint16_t>(marks[r.month][r.day] | (1u << r.imageIndex));
  }
  return marks;
}

std::array<int, 31> PeriodMarksOfMonth(const ScheduleList& list, int year, int month) {
  std::array<int, 31> marks{};
  const std::int64_t first = DateCode(year, month, 1);
  for (const ScheduleRecord& r : list.records()) {
    if (r.recurrence != Recurrence::Period) continue;
    const std::int64_t end = r.endDateCode - first;
    const std::int64_t start = DateCode(r.year, r.month, r.day) - first;
    if (end < 0 || start > 30) continue;
    if (start >= 0) marks[static_cast<std::size_t>(start)] |= 1;
    if (end <= 30) marks[static_cast<std::size_t>(end)] |= 4;
    for (std::int64_t day = std::max<std::int64_t>(start + 1, 0); day <= std::min<std::int64_t>(end - 1, 30); ++day) {
      marks[static_cast<std::size_t>(day)] |= 2;
    }
  }
  return marks;
}

}  // namespace quillet
