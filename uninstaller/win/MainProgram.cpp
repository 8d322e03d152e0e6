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

HWND MainWindow() {
  HWND window = FindWindowW(nullptr, kOldTitle);
  return window ? window : FindWindowW(nullptr, kTitle);
}

}  // namespace

bool CloseMainProgram(HWND status) {
  const HWND window = MainWindow();
  if (!window) {
    Sleep(1000);
    return true;
  }
  SetWindowTextW(status, L" Quillet를 종료중입니다");
  ShowWindow(status, SW_SHOW);
  UpdateWindow(status);
  // A program that hangs does not hang us: the waits below decide.
  DWORD_PTR ignored = 0;
  SendMessageTimeoutW(window, WM_CLOSE, 0, 0, SMTO_ABORTIFHUNG, kAnswerMilliseconds, &ignored);
  Sleep(kClosingMilliseconds);
  for (int i = 0; i < kMoreWaits && FindWindowW(nullptr, kOldTitle); ++i) Sleep(kMoreMilliseconds);
  if (MainWindow()) return false;
  ShowWindow(status, SW_HIDE);
  return true;
}

}  // namespace unquill
