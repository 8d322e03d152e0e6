#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "app/DesktopWidgets.h"
#include "app/GlobalHotkeys.h"
#include "memo/MemoBoard.h"
#include "memo/MemoSearch.h"
#include "app/RegisteredMessages.h"
#include "app/SharedDrawing.h"
#include "app/TrayIcon.h"
#include "framework/ClosingState.h"
#include "framework/CommandTable.h"
#include "framework/Window.h"
#include "memo/CaptureWindow.h"
#include "memo/GroupsDialog.h"
#include "memo/MemoRequests.h"
#include "memo/RestoreDialog.h"
#include "prefs/PreferencesDialog.h"
#include "schedule/AlarmScheduler.h"
#include "schedule/ScheduleManagerDialog.h"
#include "skin/NotificationOwner.h"

namespace quillet {
class Clock;
class FileSystem;
class SettingsStore;
class TextCodec;
struct SettingsLoadReport;
}  // namespace quillet

namespace quillet::win {

constexpr const wchar_t* kMainFrameTitle = L"Quillet Program";
// The program's invisible hub: it never shows itself, owns the memos of the current group and
// routes the program-wide commands and messages.
// The windows it makes ask it for work through posted calls to the interfaces it derives from
// publicly.
class MainFrame final : public Window,
                        public MemoRequests,
                        public PreferencesHost,
                        public NotificationOwner,
                        public AlarmSchedulerOwner,
                        public ModelessOwner,
                        private CalendarHost,
                        private ScheduleViewHost {
 public:
  struct Services {
    HINSTANCE instance;
    SettingsStore& settings;
    FileSystem& files;
    const TextCodec& codec;
    const Clock& clock;
    RegisteredMessages messages;
    const SharedDrawing& drawing;  // made before the start-up sequence runs
  };

  // Nothing when the window cannot be made.
  static WindowPtr<MainFrame> Make(const Services& services);

  // What the frame does once, right after start-up.
  void RunStartUpSequence(const SettingsLoadReport& settingsReport);

 private:
  explicit MainFrame(const Services& services);

  LRESULT OnMessage(const Message& message) override;
  void OnBroadcast(WPARAM request);
  void OnClose();
  void CloseNow();
  // Every memo and the list written; a failure asks "다시 시도" / "취소". False on "취소".
  bool SaveBeforeClosing();
  void OnEndSession();
  void OnTray(LPARAM mouse);
  void OnTrayLeftClick();
  void ShowTrayMenu();
  OwnedMenu MakeProgramMenu();
  void OnPower(WPARAM event);
  void OnMinute(const LocalMinute& now);
  // The clock's new day and a resume on another day alike, once a date.
  void OnDayChanged(const LocalMinute& now);

  // The schedules' dialogs (MainFrameSchedules.cpp).
  ScheduleDialogServices ScheduleServices();
  // "일정 관리": made on first use, then shown and brought to the top.
  void OpenScheduleManager();
  void HideScheduleManager();
  // "<ADD_ALARM>": the editor for a new schedule.
  void AddSchedule();
  void EditMemoSchedule(HWND memo) override;
  void RefreshScheduleViews();
  void RunSetupCommand(SkinCommand command);

  // The global hotkeys (MainFrameHotkeys.cpp): registered with "EnableHotKey" on; WM_HOTKEY runs
  // the action of its id.
  void RegisterHotkeys();
  void OnHotkey(int action);
  void RunHotkeyTarget(int action);
  // A memo of the picture unless the capture was cancelled or Ctrl is held.
  void CaptureFinished(bool captured) override;

  // The groups dialog and the restore dialog (MainFrameGroups.cpp).
  void OpenRestoreDialog(RestoreMode mode);
  // A memo list was found empty or damaged: manual recovery, or the open restore dialog forward.
  void OpenRecovery();
  void OpenGroupsDialog();
  void OpenGroup(const std::string& groupFile);
  // A window of these two is gone: its object goes too.
  void ModelessDialogClosed() override;
  // A memo left for the recycle bin shows in an open restore dialog at once.
  void DeleteMemo(HWND memo, MemoRemoval how) override;
  void NewMemo() override;
  void MoveMemoToGroup(HWND memo, const std::string& groupFile) override;

  // The preferences dialog (MainFramePreferences.cpp): one, brought forward when open again, on
  // `page` when one is asked for (a new dialog starts on the memo page).
  void OpenPreferences(std::optional<PreferencesDialog::Page> page, int focus = -1);
  // After "확인" the settings go to every memo and are saved.
  void PreferencesClosed(bool applied) override;
  void ApplyMemoAlpha(bool folded) override;
  void ApplyMemoSettings() override;
  void ShowTrayIcon(bool shown) override;
  void UpdateScheduleView() override;
  ClockWindow* ClockWidget() override;
  CalendarWindow* CalendarWidget() override;
  void ApplyClockSettings() override;
  void ApplyCalendarSettings() override;
  bool ReregisterHotkey(int id) override;
  bool SaveSettings() override;
  void AnniversariesChanged() override { RefreshScheduleViews(); }

  // The calendar's part (MainFrameCalendar.cpp).
  const ScheduleList& Schedules() const override;
  void OpenDayDialog(const CivilDate& date, int wanted) override;
  void OpenCalendarSettings() override { OpenPreferences(PreferencesDialog::kCalendarPage); }
  void SaveCalendarSettings() override { SaveSettings(); }
  const std::vector<DayInfoRecord>* Anniversaries() const override;
  void SaveScheduleViewSettings() override { SaveSettings(); }
  // Whether today has anniversaries or schedules, as the schedule view counts them.
  bool TodayHasSomething() const;
  // Today's anniversaries announced ("MemorialDayCheck"), at start-up and on a new day.
  void CheckAnniversaries(const LocalMinute& now);
  // Today for the tray icon, while there is a calendar.
  std::optional<TrayIcon::Day> TrayDay() const;
  void NotificationSlideClicked() override { OpenScheduleManager(); }
  void NotificationClosed() override;
  AlarmScheduler* Alarms() override { return alarms_.get(); }

  Services services_;
  CommandTable commands_;
  std::unique_ptr<MemoBoard> memos_;  // from the start-up sequence on
  std::unique_ptr<DesktopWidgets> widgets_;  // after the memos, which they snap to
  std::unique_ptr<AlarmScheduler> alarms_;   // after the widgets: it shows the clock and notifications
  WindowPtr<ScheduleManagerDialog> scheduleManager_;  // goes before the schedules it shows
  WindowPtr<CaptureWindow> capture_;
  ModelessDialog<RestoreDialog> restore_;
  ModelessDialog<GroupsDialog> groups_;
  PreferencesServices preferenceServices_;
  WindowPtr<PreferencesDialog> preferences_;  // after its services, before the widgets it shows
  std::unique_ptr<TrayIcon> tray_;
  std::unique_ptr<GlobalHotkeys> hotkeys_;
  MemoSearch search_;                 // holds the search-in-progress flag and the last options
  ClosingState closing_;
  std::int64_t dayDone_ = 0;  // the DateCode of the last day change
  bool dayDialogOpen_ = false;
};

}  // namespace quillet::win
