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

class AlarmScheduler;

// The window that owns the scheduler (the main frame). After a check whose save failed the
// scheduler posts it a call to report, so that the message box opens once the check is over and
// its loop never runs a check inside another.
class AlarmSchedulerOwner {
 public:
  // Nothing while there is no scheduler.
  virtual AlarmScheduler* Alarms() = 0;

 protected:
  ~AlarmSchedulerOwner() = default;
};

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
    // Redraws and refills whatever shows schedules.
    std::function<void()> refreshViews;
  };
  explicit AlarmScheduler(const Services& services);
  ~AlarmScheduler();
  AlarmScheduler(const AlarmScheduler&) = delete;
  AlarmScheduler& operator=(const AlarmScheduler&) = delete;

  // Loads the "AlarmFile" list, says what the load found, and announces today's all-day and the
  // overdue dated schedules. TooMany: the user was told to purge, in the manager.
  enum class StartUpLoad { Loaded, TooMany };
  StartUpLoad StartUp();
  // The clock's new minute.
  void OnMinute(const LocalMinute& now);
  void ShowNotification(HWND parent, const NotificationRequest& request);
  const ScheduleList& list() const { return list_; }
  const std::string& FilePath() const;

  // The editors' changes. Each is saved at once and the views refreshed; a new or changed
  // schedule also has the current minute examined again.
  // Append and Store give the stored record's recordId.
  int Append(ScheduleRecord record);
  // The record with `recordId` takes the edit, or it is appended when it is gone (ScheduleList::Store).
  int Store(int recordId, ScheduleRecord record);
  // The day page's edit: false, with nothing stored, when the record is gone.
  bool Replace(int recordId, ScheduleRecord record);
  void Remove(int recordId);
  // The expired schedules go; how many.
  int PurgeExpired();

  enum class FileSwitch { Unchanged, Switched, Refused };
  // The manager's "찾기": the chosen file becomes the alarm file when it holds schedules; a
  // refusal has been said and the old file is loaded again.
  FileSwitch SwitchFile(HWND owner, const std::string& chosen);

  // A notification window is gone: its object goes too.
  void ForgetClosedNotifications();
  // After the check that failed: said once until a save succeeds again; schedules that went to a
  // side file (the file was unreadable at start) are said once, with that file.
  void ReportSaveFailure();

 private:
  void Fire(const AlarmCheckResult& result);
  void FireOne(const ScheduleRecord& record, FireKind kind);
  void Save();
  void AskForReport() const;
  AlarmLoadResult Load(const std::string& path);
  void Changed(bool recheck);

  Services services_;
  ScheduleList list_;
  AlarmFileStore store_;
  AlarmCheckState checked_;
  NotificationCounters counters_;
  std::vector<WindowPtr<NotificationWindow>> notifications_;
  bool checking_ = false;
  bool saveFailing_ = false;         // since the last save that succeeded
  bool saveFailureReported_ = false;
  std::string savedElsewhere_;  // the side file the schedules went to, until said
};

}  // namespace quillet::win
