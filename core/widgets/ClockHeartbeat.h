#pragma once

#include <cstdint>

#include "ports/LocalTime.h"
#include "schedule/DateKeys.h"

namespace quillet {

// What one tick of the clock's one-second timer must tell the main frame, minute first.
struct HeartbeatEvents {
  bool newMinute = false;
  bool newDay = false;
  LocalMinute at;  // the tick's minute; handlers never read the clock again
};

// The program's heartbeat: the clock's timer keeps ticking while the clock is hidden, and a late
// tick that skipped minutes still reports one change of minute.
class ClockHeartbeat {
 public:
  // Remembers the new stamps before returning, so a handler that runs a message loop (whose
  // timer keeps ticking) never sees the same minute twice.
  HeartbeatEvents Tick(const LocalTime& now);
  // The next tick reports its minute again.
  void RequestMinuteCheck();
  // A day key as DateCode gives it; that day's change is then not reported.
  void MarkDaySeen(std::int64_t dayKey);

 private:
  std::int64_t minuteStamp_ = 0;  // MinuteStamp of the last reported minute
  std::int64_t dayStamp_ = 0;     // DateCode of the last reported day
};

}  // namespace quillet
