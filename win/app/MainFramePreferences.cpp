// The main frame's side of the preferences dialog: what its pages change beyond the settings.
#include "app/MainFrame.h"

#include "framework/ProgramMessageBox.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

void MainFrame::OpenPreferences(std::optional<PreferencesDialog::Page> page, int focus) {
  if (preferences_) {
    if (page) preferences_->ShowPage(*page, focus);
    SetForegroundWindow(preferences_->hwnd());
    return;
  }
  preferenceServices_.frame = hwnd();
  preferences_ = PreferencesDialog::Make(preferenceServices_, page.value_or(PreferencesDialog::kMemoPage), focus);
}

void MainFrame::PreferencesClosed(bool applied) {
  if (applied) {
    ApplyMemoSettings();
    SaveSettings();
  }
  preferences_.reset();
}

void MainFrame::ApplyMemoAlpha(bool folded) {
  if (!memos_) return;
  for (MemoWindow* memo : memos_->Windows()) {
    if (memo->expanded() != folded) memo->ApplyInactiveAlpha();
  }
}

void MainFrame::ApplyMemoSettings() {
  if (!memos_) return;
  for (MemoWindow* memo : memos_->Windows()) memo->ApplySettings();
}

void MainFrame::ShowTrayIcon(bool shown) { tray_->Show(shown); }

void MainFrame::UpdateScheduleView() {
  if (widgets_) widgets_->ScheduleViewOnNewDay(TodayHasSomething());
}

ClockWindow* MainFrame::ClockWidget() { return widgets_ ? widgets_->clock() : nullptr; }

CalendarWindow* MainFrame::CalendarWidget() { return widgets_ ? widgets_->calendar() : nullptr; }

void MainFrame::ApplyClockSettings() {
  if (widgets_) widgets_->ApplyClockSettings();
}

void MainFrame::ApplyCalendarSettings() {
  if (widgets_) widgets_->ApplyCalendarSettings();
}

// Without "EnableHotKey" nothing is registered, and a new combination is only stored.
bool MainFrame::ReregisterHotkey(int id) {
  if (!hotkeys_) return true;
  hotkeys_->Reregister(id, false);
  return hotkeys_->Reregister(id, true);
}

bool MainFrame::SaveSettings() {
  if (widgets_) widgets_->StoreStates();
  const bool saved = services_.settings.SaveAll();
  if (preferences_) preferences_->RefreshHotkeys();
  if (!saved) {
    ShowProgramMessage(preferences_ ? preferences_->hwnd() : hwnd(),
                       SettingsFileNotMadeMessage(services_.settings.SettingsFilePath()));
  }
  return saved;
}

}  // namespace quillet::win
