#include "schedule/AlarmScheduler.h"

#include <shellapi.h>

#include <algorithm>

#include "framework/PostedCall.h"
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

AlarmLoadResult AlarmScheduler::Load(const std::string& path) {
  Settings& values = services_.settings.values();
  AlarmLoadResult loaded = store_.Load(path, values.general.dataFolder, NewScheduleRecord(values.alarm), list_);
  values.general.alarmPath = loaded.path;
  return loaded;
}

const std::string& AlarmScheduler::FilePath() const {
  return services_.settings.values().general.alarmPath;
}

// The stored "AlarmFile" stays as it is while the session uses a fallback for it.
AlarmScheduler::StartUpLoad AlarmScheduler::StartUp() {
  const AlarmLoadResult loaded = Load(FilePath());
  if (loaded.status == AlarmLoadStatus::Unreadable || loaded.status == AlarmLoadStatus::BadSignature) {
    ShowProgramMessage(services_.frame, kAlarmLoadFailedMessage);
  }
  if (!loaded.tooManyWarning.empty()) ShowProgramMessage(services_.frame, loaded.tooManyWarning);
  const LocalMinute now = ToLocalMinute(services_.clock.Now());
  const AlarmCheckResult result = CheckAtStartUp(list_, now);
  if (result.saveList) Save();
  Fire(result);
  return loaded.tooManyWarning.empty() ? StartUpLoad::Loaded : StartUpLoad::TooMany;
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
  if (result.refreshViews) services_.refreshViews();
  AskForReport();
}

void AlarmScheduler::Save() {
  UnsavedFile unsaved;
  const AlarmSaveStatus status = store_.Save(FilePath(), list_, &unsaved);
  saveFailing_ = status == AlarmSaveStatus::Failed;
  if (!saveFailing_) saveFailureReported_ = false;
  if (status == AlarmSaveStatus::SavedElsewhere && unsaved.first) savedElsewhere_ = unsaved.path;
}

// Said from the frame, never from inside a check: a box runs a loop that delivers the next minute.
void AlarmScheduler::AskForReport() const {
  if ((saveFailing_ && !saveFailureReported_) || !savedElsewhere_.empty()) {
    PostCall<AlarmSchedulerOwner>(services_.frame, [](AlarmSchedulerOwner& owner) {
      if (AlarmScheduler* alarms = owner.Alarms()) alarms->ReportSaveFailure();
    });
  }
}

void AlarmScheduler::Changed(bool recheck) {
  Save();
  if (recheck) {
    if (ClockWindow* clock = services_.clockWidget()) clock->RequestMinuteCheck();
  }
  services_.refreshViews();
  AskForReport();
}

int AlarmScheduler::Append(ScheduleRecord record) {
  const int stored = list_.Append(std::move(record)).recordId;
  Changed(true);
  return stored;
}

int AlarmScheduler::Store(int recordId, ScheduleRecord record) {
  const int stored = list_.Store(recordId, std::move(record)).recordId;
  Changed(true);
  return stored;
}

bool AlarmScheduler::Replace(int recordId, ScheduleRecord record) {
  if (!list_.Replace(recordId, std::move(record))) return false;
  Changed(true);
  return true;
}

void AlarmScheduler::Remove(int recordId) {
  if (list_.Remove(recordId)) Changed(false);
}

int AlarmScheduler::PurgeExpired() {
  const int removed = quillet::PurgeExpired(list_, ToLocalMinute(services_.clock.Now()));
  Changed(false);
  return removed;
}

AlarmScheduler::FileSwitch AlarmScheduler::SwitchFile(HWND owner, const std::string& chosen) {
  Settings& values = services_.settings.values();
  const std::string previous = FilePath();
  switch (CheckAlarmFilePick(previous, chosen, services_.settings.IsPortable(),
                             services_.settings.Environment().programFolder)) {
    case AlarmPickCheck::Same:
      return FileSwitch::Unchanged;
    case AlarmPickCheck::OutsideProgramFolder:
      ShowProgramMessage(owner, kAlarmFileOutsideProgramMessage);
      return FileSwitch::Refused;
    case AlarmPickCheck::Acceptable:
      break;
  }
  if (Load(chosen).status != AlarmLoadStatus::Loaded) {
    Load(previous);
    services_.refreshViews();
    ShowProgramMessage(owner, kNotAnAlarmFileMessage);
    return FileSwitch::Refused;
  }
  values.general.alarmFile = FilePath();
  if (ClockWindow* clock = services_.clockWidget()) clock->RequestMinuteCheck();
  services_.refreshViews();
  return FileSwitch::Switched;
}

void AlarmScheduler::ReportSaveFailure() {
  if (!savedElsewhere_.empty()) {
    const std::string path = std::move(savedElsewhere_);
    savedElsewhere_.clear();
    ShowProgramMessageAboutFile(services_.frame, kAlarmSavedElsewhereMessage, path);
  }
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
