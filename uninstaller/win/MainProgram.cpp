#include "win/MainProgram.h"

namespace unquill {

namespace {

// The titles of the main program's hidden frame, the older one first.
constexpr const wchar_t* kOldTitle = L"TARN Memo";
constexpr const wchar_t* kTitle = L"Quillet Program";
constexpr DWORD kAnswerMilliseconds = 4000;
constexpr DWORD kClosingMilliseconds = 4000;
constexpr DWORD kMoreMilliseconds = 2000;
constexpr int kMoreWaits = 3;

// Waits while the dialog goes on painting and answering; its buttons are disabled meanwhile.
void Wait(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  for (ULONGLONG now = GetTickCount64(); now < end; now = GetTickCount64()) {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, static_cast<DWORD>(end - now), QS_ALLINPUT);
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
  }
}

HWND MainWindow() {
  HWND window = FindWindowW(nullptr, kOldTitle);
  return window ? window : FindWindowW(nullptr, kTitle);
}

}  // namespace

bool CloseMainProgram(HWND status) {
  const HWND window = MainWindow();
  if (!window) {
    Wait(1000);
    return true;
  }
  SetWindowTextW(status, L" Quillet를 종료중입니다");
  ShowWindow(status, SW_SHOW);
  UpdateWindow(status);
  // A program that hangs does not hang us: the waits below decide.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds, &ignored);
  Wait(kClosingMilliseconds);
  for (int i = 0; i < kMoreWaits && FindWindowW(nullptr, kOldTitle); ++i) Wait(kMoreMilliseconds);
  if (MainWindow()) return false;
  ShowWindow(status, SW_HIDE);
  return true;
}

}  // namespace unquill
