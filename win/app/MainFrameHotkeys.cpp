// The main frame's global hotkeys, and the screen capture they and the menu start.
#include "app/MainFrame.h"

#include <cstdio>

#include "framework/ProgramMessageBox.h"
#include "platform/ProgramLauncher.h"
#include "platform/Shell.h"
#include "resources/resource.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

namespace {

enum HotkeyAction {
  kNewMemo = 0,
  kShowAll = 1,
  kHideAll = 2,
  kFirstProgram = 3,
  kLastProgram = 6,
  kFirstAddress = 7,
  kLastAddress = 10,
  kPreferences = 11,
  kBrowser = 12,
  kSchedules = 13,
  kClock = 14,
  kCalendar = 15,
  kCapture = 16,
  kScheduleView = 17,
  kClipboardMemo = 18,
  kMinimizeAll = 19,
  kFindMemos = 20,
};

}  // namespace

void MainFrame::RegisterHotkeys() {
  if (!services_.settings.values().general.enableHotKey) return;
  hotkeys_ = std::make_unique<GlobalHotkeys>(hwnd(), services_.settings.values().hotkeys);
  hotkeys_->RegisterAll();
}

void MainFrame::OnHotkey(int action) {
  switch (action) {
    case kNewMemo: commands_.Run(ID_NEW_MEMO); return;
    case kShowAll: commands_.Run(ID_SHOW_ALL); return;
    case kHideAll: commands_.Run(ID_HIDE_ALL); return;
    case kPreferences: commands_.Run(ID_PREFERENCES); return;
    case kSchedules: commands_.Run(ID_SCHEDULES); return;
    case kCapture: commands_.Run(ID_CAPTURE); return;
    case kFindMemos: commands_.Run(ID_FIND_MEMOS); return;
    case kBrowser: OpenInBrowser(""); return;
    case kMinimizeAll: MinimizeAllWindows(); return;
    case kClipboardMemo:
      if (memos_) memos_->AddClipboardMemo(services_.settings.values().general.captureAlwaysTop);
      return;
    case kClock:
    case kCalendar:
    case kScheduleView:
      if (widgets_) {
        widgets_->ToggleFromHotkey(action == kClock      ? DesktopWidgets::Widget::Clock
                                   : action == kCalendar ? DesktopWidgets::Widget::Calendar
                                                         : DesktopWidgets::Widget::ScheduleView);
      }
      return;
    default: break;
  }
  if (action >= kFirstProgram && action <= kLastAddress) RunHotkeyTarget(action);
}

void MainFrame::CaptureFinished(bool captured) {
  if (!capture_) return;
  if (captured && GetKeyState(VK_CONTROL) >= 0 && memos_) {
    memos_->AddPictureMemo(capture_->memoRect(), capture_->picture(),
                           services_.settings.values().general.captureAlwaysTop);
  }
  capture_.reset();
}

// "HotKey01"–"HotKey04" are programs, "HotKey05"–"HotKey08" web addresses.
void MainFrame::RunHotkeyTarget(int action) {
  char key[16];
  std::snprintf(key, sizeof key, "HotKey%02d", action - 2);
  const std::string target = services_.settings.Active().ReadString("HotKey", key, "");
  const bool program = action <= kLastProgram;
  if (target.empty()) {
    ShowProgramMessage(hwnd(), program ? "단축키가 등록되지 않았습니다" : "웹 주소가 등록되지 않았습니다");
    OpenPreferences(PreferencesDialog::kShortcutPage, action - kFirstProgram);
    return;
  }
  if (program ? RunProgramText(target) : OpenInBrowser(target)) return;
  char text[1024];
  std::snprintf(text, sizeof text, kCannotStartProgramMessage, target.c_str());
  ShowProgramMessage(hwnd(), text);
}

}  // namespace quillet::win
