#pragma once

#include <optional>
#include <string>

#include "schedule/AlarmRules.h"
#include "schedule/NotificationRequest.h"
#include "schedule/ScheduleRecord.h"
#include "settings/SettingModes.h"

namespace quillet {

struct Settings;

// The body of a schedule whose memo is not in the open group.
constexpr const char* kMissingMemoBody = "  [Memo Data]  ";

// Everything the program does when a schedule fires, decided here and carried out by the windows.
struct FireDecision {
  int showClockMilliseconds = 0;  // 0: the clock is not shown
  std::string memoToFlash;        // content file of the memo to pin and flash; empty: none
  // Shown instead when that memo is not in the open group, so the alarm is never lost unseen.
  std::optional<NotificationRequest> notificationWithoutMemo;
  std::optional<NotificationRequest> notification;  // none for a style that shows nothing
  std::string soundFile;   // played when the file exists
  std::string runCommand;  // opened through the shell
};

// The settings that shape a firing.
struct FireSettings {
  int autoCloseSeconds = 5;
  AlertStyle warningStyle = AlertStyle::Slide;
  ClockViewMode clockViewMode = ClockViewMode::AtSetTimes;
  int clockShowSeconds = 4;
};

FireSettings FireSettingsFrom(const Settings& settings);

FireDecision DecideFiring(const ScheduleRecord& record, FireKind kind, const FireSettings& settings);

// The title of an advance warning.
std::string LeadText(std::int32_t leadMinutes);

}  // namespace quillet
