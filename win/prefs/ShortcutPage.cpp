#include "prefs/ShortcutPage.h"

#include <shellapi.h>

#include <cstdio>

#include "controls/FileBoxes.h"
#include "framework/ProgramMessageBox.h"
#include "platform/ProgramLauncher.h"
#include "platform/RegistrySettings.h"
#include "platform/Wide.h"
#include "resources/PreferenceResources.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

namespace {

constexpr int kTargets = 8;
constexpr int kPrograms = 4;
constexpr int kRunBoxIndex = 9;
constexpr const char* kHistorySection = "HistoryRun";

std::string TargetKey(int index) {
  char key[16];
  std::snprintf(key, sizeof key, "HotKey%02d", index + 1);
  return key;
}

// The run box's history stays in the registry in portable mode too.
struct HistoryStore {
  RegistrySettings registry{kSettingsRegistryRoot};
  RegistryHistoryValues values{registry, kHistorySection};
};

}  // namespace

ShortcutPage::ShortcutPage(const PreferencesServices& services) : PreferencesPage(IDD_PREFS_SHORTCUTS, services) {}

bool ShortcutPage::OnInit() {
  const SettingsBackend& store = services().settings.Active();
  for (int i = 0; i < kTargets; ++i) SetText(IDC_TARGET_EDIT_FIRST + i, store.ReadString("HotKey", TargetKey(i), ""));
  BindHotkeys({{1100, 3}, {1101, 4}, {1102, 5}, {1103, 6}, {1104, 7}, {1105, 8}, {1106, 9}, {1107, 10}});
  HistoryStore history;
  history_.Load(history.values);
  ShowHistory();
  return false;
}

void ShortcutPage::Apply() {
  SettingsBackend& store = services().settings.Active();
  for (int i = 0; i < kTargets; ++i) store.WriteString("HotKey", TargetKey(i), Text(IDC_TARGET_EDIT_FIRST + i));
}

void ShortcutPage::FocusTarget(int index) {
  const int control = index == kRunBoxIndex ? IDC_RUN_BOX : IDC_TARGET_EDIT_FIRST + index;
  if (index != kRunBoxIndex && (index < 0 || index >= kTargets)) return;
  SetFocus(Item(control));
}

bool ShortcutPage::RunBoxHasFocus() const {
  const HWND focus = GetFocus();
  return focus && (focus == Item(IDC_RUN_BOX) || IsChild(Item(IDC_RUN_BOX), focus));
}

void ShortcutPage::ShowHistory() {
  FillCombo(IDC_RUN_BOX, history_.entries());
  SetText(IDC_RUN_BOX, history_.current());
}

void ShortcutPage::PressOk() const { PostMessageW(GetParent(hwnd()), WM_COMMAND, IDOK, 0); }

void ShortcutPage::Browse(int index) {
  FileBoxRequest request;
  request.filterName = "executable program ";
  request.pattern = L"*.exe;*.bat;*.com;*.scr";
  request.allFiles = true;
  request.start = Text(IDC_TARGET_EDIT_FIRST + index);
  if (const std::optional<std::string> path = AskOpenPath(hwnd(), request, "실행 프로그램 등록")) SetText(IDC_TARGET_EDIT_FIRST + index, *path);
}

// The page is stored first, so the hotkey runs what was just started.
void ShortcutPage::RunTarget(int index) {
  Apply();
  const std::string target = Text(IDC_TARGET_EDIT_FIRST + index);
  const bool program = index < kPrograms;
  if (target.empty()) {
    ShowProgramMessage(hwnd(), program ? "실행할 프로그램을 입력하세요" : "접속할 웹 주소를 입력하세요");
    SetFocus(Item(IDC_TARGET_EDIT_FIRST + index));
    return;
  }
  if (program ? RunProgramText(target) : OpenInBrowser(target)) {
    PressOk();
    return;
  }
  char text[1024];
  std::snprintf(text, sizeof text, kCannotStartProgramMessage, target.c_str());
  ShowProgramMessage(hwnd(), text);
}

void ShortcutPage::RunBox() {
  const std::string command = Text(IDC_RUN_BOX);
  const INT_PTR started = command.empty() ? 0
                                          : reinterpret_cast<INT_PTR>(ShellExecuteW(
                                                hwnd(), L"open", WidenCp949(command).c_str(), nullptr, nullptr,
                                                SW_SHOWNORMAL));
  if (started <= 32) {
    ShowProgramMessage(hwnd(), "Command를 인식할 수 없습니다");
    return;
  }
  history_.Add(command);
  HistoryStore history;
  history_.Save(history.values);
  ShowHistory();
  PressOk();
}

void ShortcutPage::ClearHistory() {
  if (ShowProgramMessage(hwnd(), "History를 지우시겠습니까?", MessageKind::Question) != IDYES) return;
  HistoryStore history;
  history_.Clear(history.values);
  ShowHistory();
}

void ShortcutPage::OnCommand(UINT id, UINT notification) {
  const int control = static_cast<int>(id);
  if (notification == BN_CLICKED) {
    if (control >= IDC_TARGET_BROWSE_FIRST && control < IDC_TARGET_BROWSE_FIRST + kPrograms) {
      return Browse(control - IDC_TARGET_BROWSE_FIRST);
    }
    if (control >= IDC_TARGET_RUN_FIRST && control < IDC_TARGET_RUN_FIRST + kTargets) {
      return RunTarget(control - IDC_TARGET_RUN_FIRST);
    }
    if (control == IDC_RUN_BOX_RUN) return RunBox();
    if (control == IDC_RUN_CLEAR) return ClearHistory();
  }
  PreferencesPage::OnCommand(id, notification);
}

}  // namespace quillet::win
