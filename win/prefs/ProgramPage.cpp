#include "prefs/ProgramPage.h"

#include "framework/ProgramMessageBox.h"
#include "platform/Autostart.h"
#include "resources/PreferenceResources.h"
#include "resources/resource.h"
#include "settings/PreferenceRules.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

namespace {

constexpr const char* kDataFolderOutsideMessage =
    "포터블 버전에서는 실행 폴더의 하위에 데이터 폴더가 존재하여야 합니다.\n\n"
    "[메뉴>메모 그룹 편집]에서 \"메모 그룹 폴더\"를 실행 파일의 하위 폴더로 변경후 다시 시도하세요.";

constexpr const char* kPortableQuestion =
    "Portable 버전으로 변경하면 Quillet 프로그램을 쉽게 다른 컴퓨터에서도 사용할 수 있게 됩니다.\n"
    "Portable 버전으로 변경한 후에 USB 메모리카드등에 해당 폴더를 복사한 후(하위 폴더 포함) 프로그램을 실행하면\n"
    "기존 데이터 및 환경이 그대로 유지된 상태로 프로그램을 사용할 수 있습니다.\n"
    "Quillet 프로그램을 다른 컴퓨터에서 사용하거나 백업을 받아둘 때도 Portable 버전으로 변경 한 후에\n"
    "다른 컴퓨터로 이동 후에 Portable 버전을 취소하면 해당 컴퓨터에서 기존 설정을 유지한 채로\n"
    "프로그램을 사용할 수 있습니다.\n"
    "CD등 쓰기 금지된 미디어에 Portable 버전의 Quillet를 설치 후 실행하면 제대로 동작하지 않습니다.\n"
    "Portable 버전으로 변경하면 컴퓨터 시작시 자동시작을 설정할 수 없습니다.";

constexpr const char* kAutostartQuestion = "시작 프로그램으로 등록하여 사용하겠습니까?";

}  // namespace

ProgramPage::ProgramPage(const PreferencesServices& services) : PreferencesPage(IDD_PREFS_PROGRAM, services) {}

bool ProgramPage::OnInit() {
  const GeneralSettings& general = values().general;
  Check(IDC_DOCKING, general.docking);
  Check(IDC_MEMOS_ON_START, general.viewMemoOnStart);
  Check(IDC_HOTKEY_TOGGLE, general.hotKeyToggle);
  Check(IDC_TRAY_ICON, general.showTrayIcon);
  FillCombo(IDC_TRAY_CLICK, {"모든메모 보기/숨기기", "새 메모 열기", "일정 관리", "시계 보기", "달력 보기", "환경 설정",
                             "메모 찾기", "메모 그룹 편집"});
  SelectItem(IDC_TRAY_CLICK, ChoiceIndexOf(general.leftBtnClickRun, 8));
  Check(IDC_CAPTURE_ON_TOP, general.captureAlwaysTop);
  Check(IDC_ON_DESKTOP, general.enableDesktop);
  Enable(IDC_ON_DESKTOP, services().monitorCount <= 1);
  Check(IDC_PORTABLE, services().settings.IsPortable());
  ShowAutostartBox();
  BindHotkeys({{IDC_KEY_BROWSER, 12},
               {IDC_KEY_CAPTURE, 16},
               {IDC_KEY_SCHEDULES, 13},
               {IDC_KEY_PREFERENCES, 11},
               {IDC_KEY_CLIPBOARD, 18},
               {IDC_KEY_MINIMIZE_ALL, 19},
               {IDC_KEY_FIND, 20}});
  return false;
}

// Portable mode cannot start with the computer: the box shows 0 and cannot be ticked there.
void ProgramPage::ShowAutostartBox() {
  const bool portable = services().settings.IsPortable();
  Check(IDC_AUTOSTART, !portable && values().general.startProgram);
  Enable(IDC_AUTOSTART, !portable);
}

void ProgramPage::Apply() {
  GeneralSettings& general = values().general;
  const bool trayWasShown = general.showTrayIcon;
  general.docking = Checked(IDC_DOCKING);
  general.startProgram = !services().settings.IsPortable() && Checked(IDC_AUTOSTART);
  general.viewMemoOnStart = Checked(IDC_MEMOS_ON_START);
  general.hotKeyToggle = Checked(IDC_HOTKEY_TOGGLE);
  general.showTrayIcon = Checked(IDC_TRAY_ICON);
  if (SelectedItem(IDC_TRAY_CLICK) >= 0) general.leftBtnClickRun = ChoiceAt<TrayClick>(SelectedItem(IDC_TRAY_CLICK));
  general.captureAlwaysTop = Checked(IDC_CAPTURE_ON_TOP);
  general.enableDesktop = Checked(IDC_ON_DESKTOP);
  if (general.showTrayIcon != trayWasShown) services().host.ShowTrayIcon(general.showTrayIcon);
  if (values().schedule.startMode != WidgetStartMode::Never) services().host.UpdateScheduleView();
  SetAutostart(general.startProgram);
}

void ProgramPage::Reset() {
  using D = ProgramPageDefaults;
  Check(IDC_DOCKING, D::kDocking);
  Check(IDC_AUTOSTART, !services().settings.IsPortable() && D::kStartProgram);
  Check(IDC_MEMOS_ON_START, D::kViewMemoOnStart);
  Check(IDC_HOTKEY_TOGGLE, D::kHotKeyToggle);
  Check(IDC_TRAY_ICON, D::kShowTrayIcon);
  SelectItem(IDC_TRAY_CLICK, ChoiceIndexOf(D::kLeftBtnClickRun, 8));
  Check(IDC_CAPTURE_ON_TOP, D::kCaptureAlwaysTop);
}

void ProgramPage::SwitchPortable(bool on) {
  SettingsStore& settings = services().settings;
  if (on) {
    if (!IsBelowProgramFolder(values().general.memoDbFolder, settings.Environment().programFolder)) {
      ShowProgramMessage(hwnd(), kDataFolderOutsideMessage);
      Check(IDC_PORTABLE, false);
      PostMessageW(services().frame, WM_COMMAND, ID_EDIT_GROUPS, 0);
      return;
    }
    if (ShowProgramMessage(hwnd(), kPortableQuestion, MessageKind::Question) != IDYES) {
      Check(IDC_PORTABLE, false);
      return;
    }
    const bool startProgram = values().general.startProgram;
    values().general.startProgram = false;
    SetAutostart(false);
    const PortableSwitchResult result = settings.SetPortableMode(true);
    if (!result.ok) {
      // Nothing changed, so autostart stays as it was.
      values().general.startProgram = startProgram;
      SetAutostart(startProgram);
      ShowProgramMessage(hwnd(), result.message);
      Check(IDC_PORTABLE, false);
    }
  } else {
    settings.SetPortableMode(false);
    if (ShowProgramMessage(hwnd(), kAutostartQuestion, MessageKind::Question) == IDYES) {
      values().general.startProgram = true;
      SetAutostart(true);
    }
  }
  ShowAutostartBox();
}

void ProgramPage::OnCommand(UINT id, UINT notification) {
  if (id == IDC_PORTABLE && notification == BN_CLICKED) return SwitchPortable(Checked(IDC_PORTABLE));
  PreferencesPage::OnCommand(id, notification);
}

}  // namespace quillet::win
