#include "DialogScript.h"

#include <gtest/gtest.h>

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
  const HWND dialog = FindWindowW(L"#32770", steps_[next_].title.c_str());
  if (!dialog || !IsWindowVisible(dialog) || !IsWindowEnabled(dialog)) return;
  steps_[next_++].act(dialog);
}

void Press(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::wstring ItemText(HWND dialog, int id) {
  wchar_t text[512] = {};
  GetDlgItemTextW(dialog, id, text, 512);
  return text;
}

}  // namespace quillet::win::testing
