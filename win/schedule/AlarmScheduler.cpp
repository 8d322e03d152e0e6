#include "schedule/AlarmScheduler.h"

#include <shellapi.h>

#include <algorithm>

#include "framework/ProgramMessageBox.h"
#include "memo/MemoWindow.h"
#include "platform/TestTrace.h"
#include "platform/Wide.h"
#include "ports/Clock.h"
#include "ports/FileSystem.h"
#include "resources/MemoResources.h"
#include "schedule/FireDecision.h"
#include "schedule/NotificationWindow.h"
#include "schedule/ScheduleRecord.h"
#include "settings/SettingsStore.h"
#include "widgets/ClockWindow.h"

namespace quillet::win {

namespace {

// A command that fails shows nothing: a box from the shell would run its own loop in the check.
void OpenCommand(const std::string& command) {
  const std::wstring file = WidenCp949(command);
  SHELLEXECUTEINFOW open{};
  open.cbSize = sizeof open;
  open.fMask = SEE_MASK_FLAG_NO_UI;
  open.lpVerb = L"open";
  open.lpFile = file.c_str();
  open.nShow = SW_SHOWNORMAL;
  ShellExecuteExW(&open);
}

}  // namespace

AlarmScheduler::AlarmScheduler(const Services& services)
    : services_(services), store_(services.files, services.codec, services.clock) {}

AlarmScheduler::~AlarmScheduler() = default;

void AlarmScheduler::StartUp() {
  Settings& values = services_.settings.values();
  const AlarmLoadResult loaded = store_.Load(values.general.alarmFile, values.general.dataFolder,
                                             NewScheduleRecord(values.alarm), list_);
  values.general.alarmFile = loaded.path;
  if (loaded.status == AlarmLoadStatus::Unreadable || loaded.status == AlarmLoadStatus::BadSignature) {
    ShowProgramMessage(services_.frame, kAlarmLoadFailedMessage);
  }
  if (!loaded.tooManyWarning.empty()) ShowProgramMessage(services_.frame, loaded.tooManyWarning);
  const LocalMinute now = ToLocalMinute(services_.clock.Now());
  const AlarmCheckResult result = CheckAtStartUp(list_, now);
  if (result.saveList) Save();
  Fire(result);
}

// No check runs inside another: a box or a dialog opened by one runs a loop that delivers the
// next minute, which the following check catches up.
void AlarmScheduler::OnMinute(const LocalMinute& now) {
  counters_.ResetStacking();
  if (checking_) return;
  checking_ = true;
  const AlarmCheckResult result = CheckDueMinutes(list_, now, checked_);
  if (result.saveList) Save();
  Fire(result);
  checking_ = false;
  if (saveFailing_ && !saveFailureReported_) PostMessageW(services_.frame, kReportAlarmSaveFailureMessage, 0, 0);
}

void AlarmScheduler::Save() {
  UnsavedFile unsaved;
  const AlarmSaveStatus status = store_.Save(services_.settings.values().general.alarmFile, list_, &unsaved);
  saveFailing_ = status == AlarmSaveStatus::Failed;
  if (!saveFailing_) saveFailureReported_ = false;
}

void AlarmScheduler::ReportSaveFailure() {
  if (!saveFailing_ || saveFailureReported_) return;
  saveFailureReported_ = true;
  ShowProgramMessage(services_.frame, kAlarmSaveFailedMessage);
}

void AlarmScheduler::Fire(const AlarmCheckResult& result) {
  for (const Firing& firing : result.firings) {
    // A copy: firing shows windows whose handlers may change the list.
    const ScheduleRecord* record = list_.Find(firing.recordId);
    if (record) FireOne(ScheduleRecord(*record), firing.kind);
  }
}

void AlarmScheduler::FireOne(const ScheduleRecord& record, FireKind kind) {
  const LocalTime now = services_.clock.Now();
  TraceLine(("fire " + std::to_string(record.recordId) + (kind == FireKind::Warning ? " warning" : " on time")).c_str(),
            now);
  const FireDecision decision = DecideFiring(record, kind, FireSettingsFrom(services_.settings.values()));
  if (decision.showClockMilliseconds > 0) {
    if (ClockWindow* clock = services_.clockWidget()) clock->ShowFor(decision.showClockMilliseconds);
  }
  std::optional<NotificationRequest> notification = decision.notification;
  if (!decision.memoToFlash.empty()) {
    if (MemoWindow* memo = services_.findMemo(decision.memoToFlash)) {
      SendMessageW(memo->hwnd(), WM_COMMAND, ID_MEMO_ALWAYS_ON_TOP, 0);
      RedrawWindow(memo->hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
      memo->Flash(false);
    } else {
      notification = decision.notificationWithoutMemo;
    }
  }
  if (notification) ShowNotification(services_.frame, *notification);
  if (!decision.soundFile.empty() && services_.files.FileExists(decision.soundFile)) {
    PlaySoundW(WidenCp949(decision.soundFile).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
  }
  if (!decision.runCommand.empty()) OpenCommand(decision.runCommand);
}

void AlarmScheduler::ShowNotification(HWND parent, const NotificationRequest& request) {
  ForgetClosedNotifications();
  if (WindowPtr<NotificationWindow> window =
          NotificationWindow::Show(services_.windowServices(), parent, request, counters_)) {
    notifications_.push_back(std::move(window));
  }
}

void AlarmScheduler::ForgetClosedNotifications() {
  notifications_.erase(std::remove_if(notifications_.begin(), notifications_.end(),
                                      [](const WindowPtr<NotificationWindow>& window) { return !window->hwnd(); }),
                       notifications_.end());
}

}  // namespace quillet::win
