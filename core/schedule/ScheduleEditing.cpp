#include "schedule/ScheduleEditing.h"

#include <cstdio>

#include "settings/Settings.h"

namespace quillet {

namespace {

constexpr int kMinutesInDay = 1440;

int DayPatternOf(const ScheduleForm& form) {
  switch (form.recurrence) {
    case Recurrence::Weekdays: return form.weekdayMask;
    case Recurrence::MonthDay: return form.dayOfMonthItem + 1;
    default: return 1;
  }
}

// An all-day schedule counts until the end of its day.
bool DatedScheduleIsPast(const ScheduleRecord& r, const LocalMinute& now) {
  return r.minuteStamp + (r.IsAllDay() ? kMinutesInDay : 0) < now.Stamp();
}

}  // namespace

EditOutcome CompleteSchedule(const ScheduleRecord& working, const ScheduleForm& form, const LocalMinute& now) {
  EditOutcome outcome;
  ScheduleRecord& r = outcome.record;
  r = working;
  r.recurrence = form.recurrence;
  const CivilDate start = form.recurrence == Recurrence::Period ? form.periodStart : form.date;
  r.year = start.year;
  r.month = start.month;
  r.day = start.day;
  r.endDateCode = form.recurrence == Recurrence::Period ? static_cast<std::int32_t>(DateCodeOf(form.periodEnd)) : 0;
  r.timeMode = form.timeMode;
  r.hour = r.IsAllDay() ? 0 : form.hour;
  r.minute = r.IsAllDay() ? 0 : form.minute;
  r.dayPattern = DayPatternOf(form);
  r.imageIndex = form.imageItem;
  r.isDDay = form.isDDay ? 1 : 0;
  r.enabled = 1;
  UpdateDerivedFields(r);

  if (r.recurrence == Recurrence::Weekdays && (r.dayPattern & 0x7F) == 0) {
    outcome.refusal = "체크된 요일이 없습니다.";
    return outcome;
  }
  if (r.recurrence == Recurrence::Period && DateCodeOf(start) >= r.endDateCode) {
    outcome.refusal = "기간 설정은 시작 날짜보다 종료 날짜가 더 커야 합니다.";
    return outcome;
  }
  const std::int64_t nowStamp = now.Stamp();
  if (r.recurrence == Recurrence::OnDate && DatedScheduleIsPast(r, now)) r.enabled = 0;
  if (r.recurrence == Recurrence::Period) {
    const std::int64_t end = static_cast<std::int64_t>(r.endDateCode) * kMinutesInDay +
                             (r.IsAllDay() ? kMinutesInDay : r.minuteOfDay);
    if (end < nowStamp) r.enabled = 0;
  }
  r.leadMinutes = LeadMinutesFor(form.leadItem);
  r.alertStyle = static_cast<AlertStyle>(form.alertItem - 1);
  outcome.accepted = true;
  return outcome;
}

EditOutcome CompleteDaySchedule(const ScheduleRecord& working, const CivilDate& day, int hour, int minute,
                                TimeMode timeMode, int alertItem, const LocalMinute& now) {
  EditOutcome outcome;
  ScheduleRecord& r = outcome.record;
  r = working;
  if (r.message.empty()) {
    outcome.refusal = "내용이 없습니다";
    return outcome;
  }
  r.recurrence = Recurrence::OnDate;
  r.year = day.year;
  r.month = day.month;
  r.day = day.day;
  r.timeMode = timeMode;
  r.hour = r.IsAllDay() ? 0 : hour;
  r.minute = r.IsAllDay() ? 0 : minute;
  UpdateDerivedFields(r);
  r.enabled = DatedScheduleIsPast(r, now) ? 0 : 1;
  r.alertStyle = static_cast<AlertStyle>(alertItem - 1);
  outcome.accepted = true;
  return outcome;
}

std::string MemoIdForEdit(const std::string& recordMemoId, const std::string& givenMemo, bool givenMemoExists) {
  if (givenMemo.empty()) return recordMemoId;
  return givenMemoExists ? givenMemo : std::string();
}

void RememberScheduleDefaults(AlarmSettings& alarm, const ScheduleRecord& record) {
  alarm.beforeAlarm = record.leadMinutes;
  alarm.defaultType = static_cast<int>(record.recurrence);
  RememberDayScheduleDefaults(alarm, record);
}

void RememberDayScheduleDefaults(AlarmSettings& alarm, const ScheduleRecord& record) {
  alarm.alarmType = static_cast<int>(record.alertStyle);
  alarm.sound = record.soundFile;
}

int LeadItemFor(std::int32_t leadMinutes) {
  for (std::size_t item = 0; item < kLeadChoices.size(); ++item) {
    if (kLeadChoices[item] == leadMinutes) return static_cast<int>(item);
  }
  return 0;
}

std::int32_t LeadMinutesFor(int item) {
  return item >= 0 && item < static_cast<int>(kLeadChoices.size()) ? kLeadChoices[item] : 0;
}

int AlertItemFor(AlertStyle style) {
  return style == AlertStyle::None ? 1 : static_cast<int>(style) + 1;
}

LocalMinute QuickTime(int item, const LocalMinute& now) {
  static constexpr int kMinutesLater[] = {0, 15, 30, 60, 120, 180, 240, 300, 360, 720};
  const int count = static_cast<int>(sizeof kMinutesLater / sizeof kMinutesLater[0]);
  return AddMinutes(now, item >= 0 && item < count ? kMinutesLater[item] : 0);
}

std::string TimeButtonText(int hour, int minute) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d시 %02d분", hour, minute);
  return text;
}

}  // namespace quillet
