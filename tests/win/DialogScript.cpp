#include "DialogScript.h"

#include <gtest/gtest.h>

#include <string>

#include "framework/Dialog.h"

namespace quillet::win::testing {

namespace {

std::string Utf8(const std::wstring& text) {
  const int size = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string bytes(static_cast<std::size_t>(size > 0 ? size : 1), '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.c_str(), -1, bytes.data(), size, nullptr, nullptr);
  bytes.pop_back();
  return bytes;
}

// A visible, enabled dialog of this thread with that title: tests running beside each other show
// boxes of the same title, and a script must never answer another program's.
HWND OwnDialog(const std::wstring& title) {
  struct Search {
    const std::wstring* title;
    HWND found;
  } search{&title, nullptr};
  EnumThreadWindows(
      GetCurrentThreadId(),
      [](HWND window, LPARAM param) -> BOOL {
        auto* wanted = reinterpret_cast<Search*>(param);
        wchar_t className[16] = {};
        GetClassNameW(window, className, 16);
        wchar_t text[256] = {};
        GetWindowTextW(window, text, 256);
        if (std::wstring(className) != L"#32770" || *wanted->title != text || !IsWindowVisible(window) ||
            !IsWindowEnabled(window)) {
          return TRUE;
        }
        wanted->found = window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

}  // namespace

DialogScript::DialogScript(std::vector<Step> steps, DWORD deadlineMilliseconds)
    : steps_(std::move(steps)), deadline_(GetTickCount64() + deadlineMilliseconds) {
  current_ = this;
  timer_ = SetTimer(nullptr, 0, 30, &DialogScript::Tick);
}

DialogScript::~DialogScript() {
  KillTimer(nullptr, timer_);
  current_ = nullptr;
}

void CALLBACK DialogScript::Tick(HWND, UINT, UINT_PTR, DWORD) {
  if (current_) current_->Poll();
}

void DialogScript::Poll() {
  if (Done() || expired_) return;
  if (GetTickCount64() > deadline_) {
    expired_ = true;
    ADD_FAILURE() << "no visible dialog \"" << Utf8(steps_[next_].title) << "\" for step " << next_ + 1
                  << " before the deadline";
    Dialog::EndAllModal(IDCANCEL);
    return;
  }
  if (const HWND dialog = OwnDialog(steps_[next_].title)) steps_[next_++].act(dialog);
}

void Press(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::wstring ItemText(HWND dialog, int id) {
  wchar_t text[512] = {};
  GetDlgItemTextW(dialog, id, text, 512);
  return text;
}

}  // namespace quillet::win::testing
