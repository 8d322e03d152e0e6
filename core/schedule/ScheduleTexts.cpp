#include "schedule/ScheduleTexts.h"

#include <cstdio>

#include "schedule/DateKeys.h"
#include "storage/Paths.h"

namespace quillet {

namespace {

constexpr int kDoneOnceIcon = 7;
constexpr int kDoneOnDateIcon = 8;

std::string DateText(const char* format, int year, int month, int day) {
  char text[96];
  std::snprintf(text, sizeof text, format, year, month, day);
  return text;
}

std::string WeekdaysText(std::int32_t pattern) {
  if (pattern == kWeekdaysWeekend) return "[ 주말 ]";
  if (pattern == kWeekdaysMondayToFriday) return "[ 평일 ]";
  static constexpr const char* kNames[7] = {"일 ", "월 ", "화 ", "수 ", "목 ", "금 ", "토 "};
  std::string text = "[ ";
  for (int day = 0; day < 7; ++day) {
    if ((pattern >> day) & 1) text += kNames[day];
  }
  return text + "]";
}

std::string KindText(const ScheduleRecord& r) {
  switch (r.recurrence) {
    case Recurrence::Daily: return "날마다 알림";
    case Recurrence::Once: return "한번만 알림";
    case Recurrence::OnDate:
      return DateText(r.isDDay ? "D-day(%4d/%02d/%02d)" : "특정일(%4d/%02d/%02d)", r.year, r.month, r.day);
    case Recurrence::Weekdays: return WeekdaysText(r.dayPattern);
    case Recurrence::Period: {
      const CivilDate end = DateFromCode(r.endDateCode);
      char text[96];
      std::snprintf(text, sizeof text, "%4d/%02d/%02d~%4d/%02d/%02d", r.year, r.month, r.day, end.year, end.month,
                    end.day);
      return text;
    }
    case Recurrence::MonthDay:
      if (r.dayPattern == kLastDayOfMonth) return "매월 말일에 알림";
      return DateText("매월 [%d] 일에 알림", r.dayPattern, 0, 0);
  }
  return {};
}

}  // namespace

std::string OneLineMessage(const std::string& message) { return ReplaceAll(message, "\r\n", "/"); }

ScheduleRow ScheduleRowOf(const ScheduleRecord& r) {
  ScheduleRow row;
  row.kind = KindText(r);
  if (r.IsAllDay()) {
    row.time = " 하루 종일";
  } else {
    char time[32];
    std::snprintf(time, sizeof time, " %02d시 %02d분", r.hour, r.minute);
    row.time = time;
  }
  row.message = r.memoId.empty() ? OneLineMessage(r.message) : "  [Memo Data]  ";
  row.icon = static_cast<int>(r.recurrence);
  if (!r.enabled && r.recurrence == Recurrence::Once) row.icon = kDoneOnceIcon;
  if (!r.enabled && r.recurrence == Recurrence::OnDate) row.icon = kDoneOnDateIcon;
  return row;
}

std::string DeleteScheduleQuestion(const std::string& rowMessage) {
  return "\"" + rowMessage + "\" 일정을 삭제하시겠습니까";
}

}  // namespace quillet
