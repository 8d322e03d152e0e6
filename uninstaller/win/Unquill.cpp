// Unquill.exe: removes Quillet from this computer, keeping the user's memos when asked.
#include <windows.h>
#include <commctrl.h>
#include <shellapi.h>

#include <string>

#include "win/MainProgram.h"
#include "win/Removal.h"
#include "win/Resources.h"

namespace unquill {

namespace {

constexpr const wchar_t* kTitle = L"Quillet 제거";

std::wstring ProgramFolder() {
  std::wstring folder = ThisProgramPath();
  folder.resize(folder.find_last_of(L'\\') + 1);
  return folder;
}

void Say(HWND owner, const std::wstring& text, UINT icon) {
  MessageBoxW(owner, text.c_str(), kTitle, MB_OK | icon | MB_SETFOREGROUND);
}

struct Removal {
  std::wstring programFolder;
  bool running = false;  // while removing, nothing closes the dialog
};

// "제거하기": everything in order; a step that must not be passed stops the rest, and the dialog
// stays with only "취소".
void Remove(HWND dialog, Removal& removal) {
  const bool keepMemos = IsDlgButtonChecked(dialog, IDC_REMOVE_ALL) != BST_CHECKED;
  const Installation installation = InstallationOf(removal.programFolder);
  // What this user may not change is said before anything goes, not found out half-way.
  if (!MayRemove(removal.programFolder, installation)) {
    Say(dialog,
        installation == Installation::Machine
            ? L"Quillet이 이 컴퓨터의 모든 사용자용으로 설치되어 있어 제거하려면 관리자 권한이 필요합니다.\n"
              L"Unquill.exe를 마우스 오른쪽 단추로 누르고 [관리자 권한으로 실행]을 고르세요."
            : L"프로그램 폴더를 변경할 수 없어 제거하지 못하였습니다.\n" + removal.programFolder,
        MB_ICONEXCLAMATION);
    return;
  }
  for (const int id : {IDC_KEEP, IDC_REMOVE_ALL, IDOK, IDCANCEL}) {
    EnableWindow(GetDlgItem(dialog, id), FALSE);
    UpdateWindow(GetDlgItem(dialog, id));
  }
  removal.running = true;
  const bool closed = CloseMainProgram(GetDlgItem(dialog, IDC_STATUS));
  removal.running = false;
  EnableWindow(GetDlgItem(dialog, IDCANCEL), TRUE);
  if (!closed) {
    Say(dialog, L"Quillet 프로그램을 종료하는데 실패하였습니다\n프로그램을 종료하신 후에 다시 시도하세요",
        MB_ICONEXCLAMATION);
    return;
  }
  std::wstring why;
  if (!DeletePrograms(removal.programFolder, why)) {
    Say(dialog, why, MB_ICONERROR);
    return;
  }
  if (!keepMemos) {
    DeleteMemoData();
    DeletePerUserFolder();
  }
  DeleteSkins(removal.programFolder, keepMemos);
  DeleteRegistryEntries(installation);
  DeleteStartMenuFolders(installation);
  RemoveSelfAtRestart(removal.programFolder);
  Say(dialog, L"정상적으로 제거되었습니다", MB_ICONINFORMATION);
  EndDialog(dialog, IDOK);
}

INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_INITDIALOG: {
      SetWindowLongPtrW(dialog, DWLP_USER, lParam);
      const HINSTANCE instance = GetModuleHandleW(nullptr);
      const auto icon = [&](int size) {
        return reinterpret_cast<LPARAM>(
            LoadImageW(instance, MAKEINTRESOURCEW(IDI_UNQUILL), IMAGE_ICON, size, size, LR_SHARED));
      };
      SendMessageW(dialog, WM_SETICON, ICON_BIG, icon(GetSystemMetrics(SM_CXICON)));
      SendMessageW(dialog, WM_SETICON, ICON_SMALL, icon(GetSystemMetrics(SM_CXSMICON)));
      CheckRadioButton(dialog, IDC_KEEP, IDC_REMOVE_ALL, IDC_KEEP);
      return TRUE;
    }
    case WM_COMMAND:
      if (LOWORD(wParam) == IDOK) {
        Remove(dialog, *reinterpret_cast<Removal*>(GetWindowLongPtrW(dialog, DWLP_USER)));
        return TRUE;
      }
      if (LOWORD(wParam) == IDCANCEL) {
        if (!reinterpret_cast<Removal*>(GetWindowLongPtrW(dialog, DWLP_USER))->running) EndDialog(dialog, IDCANCEL);
        return TRUE;
      }
      return FALSE;
    default:
      return FALSE;
  }
}

}  // namespace

}  // namespace unquill

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (arguments && count == 3 && lstrcmpiW(arguments[1], L"/older") == 0) {
    std::wstring folder = arguments[2];
    LocalFree(arguments);
    if (folder.empty() || folder.back() != L'\\') folder += L'\\';
    return unquill::RemoveOlderMachineInstallation(folder) ? 0 : 1;
  }
  LocalFree(arguments);
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&controls);
  unquill::Removal removal{unquill::ProgramFolder()};
  if (GetFileAttributesW((removal.programFolder + L"Quillet.exe").c_str()) == INVALID_FILE_ATTRIBUTES) {
    unquill::Say(nullptr, L"삭제가 완료되었습니다", MB_ICONINFORMATION);
    return 0;
  }
  DialogBoxParamW(instance, MAKEINTRESOURCEW(IDD_UNQUILL), nullptr, unquill::DialogProcedure,
                  reinterpret_cast<LPARAM>(&removal));
  return 0;
}
