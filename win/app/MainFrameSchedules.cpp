// The main frame's part in the schedules: the manager, the editor for a new schedule or a memo's,
// and the refresh of whatever shows schedules.
#include "app/MainFrame.h"

#include "memo/MemoWindow.h"
#include "schedule/ScheduleEditDialog.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

ScheduleDialogServices MainFrame::ScheduleServices() {
  return ScheduleDialogServices{services_.instance, services_.settings, services_.files, services_.clock,
                                [this](const std::string& contentFile) {
                                  return memos_ ? memos_->FindByContentFile(contentFile) : nullptr;
                                }};
}

void MainFrame::OpenScheduleManager() {
  if (!alarms_) return;
  if (!scheduleManager_) {
    scheduleManager_ = ScheduleManagerDialog::Make(hwnd(), {ScheduleServices(), *alarms_, [this] {
                                                      if (widgets_ && widgets_->calendar()) widgets_->calendar()->Refresh();
                                                    }});
    if (!scheduleManager_) return;
  }
  scheduleManager_->Present();
}

void MainFrame::HideScheduleManager() {
  if (scheduleManager_) scheduleManager_->Hide();
}

void MainFrame::AddSchedule() {
  if (!alarms_) return;
  if (std::optional<ScheduleRecord> record = EditSchedule(hwnd(), ScheduleServices(), nullptr)) {
    alarms_->Append(std::move(*record));
  }
}

void MainFrame::EditMemoSchedule(HWND memo) {
  if (!alarms_ || !memos_) return;
  std::string contentFile;
  for (const MemoWindow* window : memos_->Windows()) {
    if (window->hwnd() == memo) contentFile = window->record().contentFile;
  }
  if (contentFile.empty()) return;
  const ScheduleRecord* found = alarms_->list().FindByMemo(contentFile);
  const std::optional<ScheduleRecord> existing = found ? std::optional<ScheduleRecord>(*found) : std::nullopt;
  std::optional<ScheduleRecord> record =
      EditSchedule(hwnd(), ScheduleServices(), existing ? &*existing : nullptr, contentFile);
  if (!record) return;
  if (existing) {
    alarms_->Store(existing->recordId, std::move(*record));
  } else {
    alarms_->Append(std::move(*record));
  }
}

void MainFrame::RefreshScheduleViews() {
  if (scheduleManager_) scheduleManager_->Refresh();
  if (widgets_ && widgets_->calendar()) widgets_->calendar()->Refresh();
  if (widgets_ && widgets_->scheduleView()) widgets_->scheduleView()->Refresh();
  if (widgets_) widgets_->ScheduleViewFollowsToday(TodayHasSomething());
  if (tray_) tray_->Update(TrayDay());
}

void MainFrame::RunSetupCommand(SkinCommand command) {
  switch (command) {
    case SkinCommand::ClockSetup: OpenPreferences(PreferencesDialog::kClockPage); break;
    case SkinCommand::CalendarSetup: OpenPreferences(PreferencesDialog::kCalendarPage); break;
    case SkinCommand::AlarmSetup: OpenScheduleManager(); break;
    case SkinCommand::AddAlarm: AddSchedule(); break;
    default: break;
  }
}

}  // namespace quillet::win
