#pragma once

#include <functional>
#include <string>
#include <vector>

#include "framework/WindowBase.h"
#include "schedule/AlarmFileStore.h"
#include "schedule/AlarmRules.h"
#include "schedule/MinuteCatchUp.h"
#include "schedule/NotificationPlacement.h"
#include "schedule/ScheduleList.h"
#include "skin/SkinWindow.h"

namespace quillet {
class SettingsStore;
struct NotificationRequest;
}  // namespace quillet

namespace quillet::win {

class ClockWindow;
class MemoWindow;
class NotificationWindow;

// Posted to the frame after a check whose save failed, so that the message box opens once the
// check is over and its loop never runs a check inside another.
constexpr UINT kReportAlarmSaveFailureMessage = 1149;

// The schedules of the program and their alarms: loading at start-up, the check of every new
// minute (late minutes caught up, a re-check firing only what is new), firing (the clock, the
// memo, the notification, the sound, the command), saving, and the notification windows.
class AlarmScheduler {
 public:
  struct Services {
    HWND frame;
    SettingsStore& settings;
    FileSystem& files;
    const TextCodec& codec;
    const Clock& clock;
    std::function<SkinWindowServices()> windowServices;  // for the notification windows
    std::function<MemoWindow*(const std::string& contentFile)> findMemo;  // in the open group
    std::function<ClockWindow*()> clockWidget;
  };
  explicit AlarmScheduler(const Services& services);
  ~AlarmScheduler();
  AlarmScheduler(const AlarmScheduler&) = delete;
  AlarmScheduler& operator=(const AlarmScheduler&) = delete;

  // Loads the "AlarmFile" list, says what the load found, and announces today's all-day and the
  // overdue dated schedules.
  void StartUp();
  // The clock's new minute.
  void OnMinute(const LocalMinute& now);
  void ShowNotification(HWND parent, const NotificationRequest& request);
  // A notification window is gone: its object goes too.
  void ForgetClosedNotifications();
  // After the check that failed: said once until a save succeeds again.
  void ReportSaveFailure();

 private:
  void Fire(const AlarmCheckResult& result);
  void FireOne(const ScheduleRecord& record, FireKind kind);
  void Save();

  Services services_;
  ScheduleList list_;
  AlarmFileStore store_;
  AlarmCheckState checked_;
  NotificationCounters counters_;
  std::vector<WindowPtr<NotificationWindow>> notifications_;
  bool checking_ = false;
  bool saveFailing_ = false;         // since the last save that succeeded
  bool saveFailureReported_ = false;
};

}  // namespace quillet::win
