#include "schedule/ScheduleRecord.h"

#include "schedule/DateKeys.h"
#include "settings/Settings.h"

namespace quillet {

ScheduleRecord NewScheduleRecord(const AlarmSettings& alarm) {
  ScheduleRecord record;
  record.recurrence = static_cast<Recurrence>(alarm.defaultType);
  record.alertStyle = static_cast<AlertStyle>(alarm.alarmType);
  record.leadMinutes = alarm.beforeAlarm;
  record.soundFile = alarm.sound;
  return record;
}

void UpdateDerivedFields(ScheduleRecord& record) {
  record.minuteStamp = MinuteStamp(record.year, record.month, record.day, record.hour, record.minute);
  record.minuteOfDay = static_cast<std::int32_t>(static_cast<std::int64_t>(record.hour) * 60 + record.minute);
}

bool SameStoredFields(const ScheduleRecord& a, const ScheduleRecord& b) {
  return a.version == b.version && a.enabled == b.enabled && a.recurrence == b.recurrence &&
         a.alertStyle == b.alertStyle && a.year == b.year && a.month == b.month && a.day == b.day &&
         a.hour == b.hour && a.minute == b.minute && a.dayPattern == b.dayPattern && a.imageIndex == b.imageIndex &&
         a.endDateCode == b.endDateCode && a.timeMode == b.timeMode && a.leadMinutes == b.leadMinutes &&
         a.isDDay == b.isDDay && a.reserved == b.reserved && a.soundFile == b.soundFile &&
         a.runCommand == b.runCommand && a.message == b.message && a.memoId == b.memoId &&
         a.reservedTexts == b.reservedTexts;
}

}  // namespace quillet
