#include "calendar/DayViews.h"

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>

#include "calendar/Anniversaries.h"
#include "calendar/PublicHolidays.h"
#include "lunar/LunarCalendar.h"
#include "schedule/AlarmRules.h"
#include "schedule/ScheduleList.h"
#include "schedule/ScheduleTexts.h"

namespace quillet {

namespace {

// Hour 0: from 23:00 the conversion would already give the next lunar day.
bool LunarOf(const CivilDate& date, LunarDate& lunar) {
  return SolarToLunar(date.year, date.month, date.day, 0, lunar) && lunar.valid;
}

// The public holidays' names on the date that no entry of the day already has.
std::vector<std::string> HolidayNamesOn(const std::vector<const DayInfoRecord*>& entries, const CivilDate& date) {
  std::vector<std::string> names;
  for (const PublicHoliday& holiday : PublicHolidaysOf(date.year)) {
    if (!(holiday.date == date)) continue;
    const bool repeated =
        std::any_of(entries.begin(), entries.end(), [&](const DayInfoRecord* r) { return r->name == holiday.name; });
    if (!repeated) names.push_back(holiday.name);
  }
  return names;
}

}  // namespace

std::string LunarLine(const CivilDate& date) {
  LunarDate lunar;
  if (!LunarOf(date, lunar)) return "";
  char line[64];
  std::snprintf(line, sizeof line, " 음력: %d년 %d월 %d일 %s", lunar.year, lunar.month, lunar.day,
                lunar.leap ? "(윤달) " : "");
  return line;
}

std::string DayDialogTitle(const CivilDate& date) {
  char title[48];
  std::snprintf(title, sizeof title, " %d년 %d월 %d일 ", date.year, date.month, date.day);
  return title;
}

DayPage DayDialogPage(int wanted, const std::vector<DayInfoRecord>& anniversaries, const ScheduleList& schedules,
                      const CivilDate& date) {
  if (wanted == 0) return DayPage::Information;
  if (wanted != -1) return DayPage::Schedule;
  if (!DayAnniversaries(anniversaries, date).empty()) return DayPage::Information;
  const auto dated = [&](const ScheduleRecord& r) {
    return (r.recurrence == Recurrence::OnDate || r.recurrence == Recurrence::Period) && BelongsToDay(r, date);
  };
  const auto& records = schedules.records();
  return std::any_of(records.begin(), records.end(), dated) ? DayPage::Information : DayPage::Schedule;
}

std::vector<DayScheduleRow> DayScheduleRows(const ScheduleList& schedules, const CivilDate& date) {
  std::vector<DayScheduleRow> rows;
  for (const ScheduleRecord& r : schedules.records()) {
    if (!BelongsToDay(r, date)) continue;
    DayScheduleRow row;
    if (r.IsAllDay()) {
      row.time = "하루종일";
    } else {
      char time[32];
      std::snprintf(time, sizeof time, "%02d:%02d", r.hour, r.minute);
      row.time = time;
    }
    row.text = r.memoId.empty() ? OneLineMessage(r.message) : "[Memo Data]";
    row.recordId = r.recordId;
    row.editable = r.recurrence == Recurrence::OnDate;
    rows.push_back(std::move(row));
  }
  return rows;
}

std::vector<const DayInfoRecord*> DayAnniversaries(const std::vector<DayInfoRecord>& anniversaries,
                                                   const CivilDate& date) {
  return AnniversariesOn(anniversaries, date.year, date.month, date.day);
}

DayBalloon DayBalloonOf(const std::vector<DayInfoRecord>& anniversaries, const ScheduleList& schedules,
                        const CivilDate& date) {
  DayBalloon balloon;
  char text[96];
  std::snprintf(text, sizeof text, "%d년 %d월 %d일", date.year, date.month, date.day);
  balloon.title = text;
  LunarDate lunar;
  if (LunarOf(date, lunar)) {
    std::snprintf(text, sizeof text, "%d월 %d일 (음력: %d월 %d일%s)", date.month, date.day, lunar.month, lunar.day,
                  lunar.leap ? " 윤달" : "");
  } else {
    // Before the lunar table's first day there is no lunar date to name.
    std::snprintf(text, sizeof text, "%d월 %d일", date.month, date.day);
  }
  balloon.anniversaryHeader = text;

  const std::vector<const DayInfoRecord*> entries = DayAnniversaries(anniversaries, date);
  for (const DayInfoRecord* entry : entries) balloon.anniversaryRow += "[ " + entry->name + " ] ";
  for (const std::string& name : HolidayNamesOn(entries, date)) balloon.anniversaryRow += "[ " + name + " ] ";

  balloon.schedules = DayScheduleRows(schedules, date);
  if (balloon.schedules.empty()) {
    DayScheduleRow none;
    none.time = " ";
    none.text = "일정이 없습니다.";
    balloon.schedules.push_back(std::move(none));
  }
  return balloon;
}

bool ShowsDayBalloon(DayTips showToolTip, const std::vector<DayInfoRecord>& anniversaries, const ScheduleList& schedules,
                     const CivilDate& date) {
  if (showToolTip == DayTips::Off) return false;
  if (showToolTip == DayTips::Always) return true;
  if (!DayAnniversaries(anniversaries, date).empty()) return true;
  const auto onDate = [&](const PublicHoliday& holiday) { return holiday.date == date; };
  const std::vector<PublicHoliday> holidays = PublicHolidaysOf(date.year);
  if (std::any_of(holidays.begin(), holidays.end(), onDate)) return true;
  const auto& records = schedules.records();
  return std::any_of(records.begin(), records.end(), [&](const ScheduleRecord& r) { return BelongsToDay(r, date); });
}

}  // namespace quillet
