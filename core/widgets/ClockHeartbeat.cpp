#include "widgets/ClockHeartbeat.h"

namespace quillet {

HeartbeatEvents ClockHeartbeat::Tick(const LocalTime& now) {
  HeartbeatEvents events;
  events.at = ToLocalMinute(now);
  const std::int64_t minute = events.at.Stamp();
  if (minute != minuteStamp_) {
    minuteStamp_ = minute;
    events.newMinute = true;
  }
  const std::int64_t day = events.at.Code();
  if (day != dayStamp_) {
    dayStamp_ = day;
    events.newDay = true;
  }
  return events;
}

void ClockHeartbeat::RequestMinuteCheck() { minuteStamp_ = 0; }

void ClockHeartbeat::MarkDaySeen(std::int64_t dayKey) { dayStamp_ = dayKey; }

}  // namespace quillet
