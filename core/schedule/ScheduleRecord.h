#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace quillet {

struct AlarmSettings;

enum class Recurrence : std::int32_t { Daily = 0, Once = 1, OnDate = 2, Weekdays = 3, Period = 4, MonthDay = 5 };
enum class AlertStyle : std::int32_t { None = -1, Slide = 0, Popup = 1, PopupAutoClose = 2, PostIt = 3 };
enum class TimeMode : std::int32_t { AtTime = 0, DuringTime = 1, AllDay = 2 };

constexpr std::int32_t kScheduleRecordVersion = 4;
constexpr std::int32_t kLastDayOfMonth = 32;  // dayPattern of a MonthDay schedule on the month's last day
constexpr std::int32_t kWeekdaysMondayToFriday = 62;
constexpr std::int32_t kWeekdaysWeekend = 65;

// One schedule: when it fires, how it repeats and how the user is told.
struct ScheduleRecord {
  std::int32_t version = kScheduleRecordVersion;
  std::int32_t enabled = 1;  // 0: a fired Once or OnDate schedule
  Recurrence recurrence = Recurrence::Daily;
  AlertStyle alertStyle = AlertStyle::Slide;
  std::int32_t year = 0;  // the start date of a Period
  std::int32_t month = 0;
  std::int32_t day = 0;
  std::int32_t hour = 0;
  std::int32_t minute = 0;
  // Weekdays: bit 0 Sunday … bit 6 Saturday; MonthDay: 1–31 or kLastDayOfMonth; otherwise 1.
  std::int32_t dayPattern = 0;
  std::int32_t imageIndex = 1;  // 0 none, n: anniversary category n − 1
  std::int32_t endDateCode = 0;  // last day of a Period
  TimeMode timeMode = TimeMode::AtTime;
  std::int32_t leadMinutes = 0;  // > 0 before, < 0 after, 0 no warning
  std::int32_t isDDay = 0;
  std::int32_t reserved = 0;
  std::string soundFile;
  std::string runCommand;
  std::string message;  // lines end with "\r\n"
  std::string memoId;   // content file of an attached memo
  std::array<std::string, 3> reservedTexts;

  // Derived from the fields above; see UpdateDerivedFields.
  std::int64_t minuteStamp = 0;
  std::int32_t minuteOfDay = 0;
  // Given by the list while the program runs; editors and views address records by it.
  int recordId = -1;

  bool IsAllDay() const { return timeMode == TimeMode::AllDay; }
};

// A new schedule with the remembered defaults of the editor.
ScheduleRecord NewScheduleRecord(const AlarmSettings& alarm);

void UpdateDerivedFields(ScheduleRecord& record);

// Every stored field equal (the derived ones and the identifier are not compared).
bool SameStoredFields(const ScheduleRecord& a, const ScheduleRecord& b);

}  // namespace quillet
