#include "framework/WindowBase.h"

#include <algorithm>

#include "framework/PostedCall.h"

namespace quillet::win {

WindowBase::~WindowBase() {
  if (!hwnd_) return;
  const HWND hwnd = hwnd_;
  Detach();
  DestroyWindow(hwnd);
}

void WindowBase::Destroy() {
  if (hwnd_) DestroyWindow(hwnd_);
}

void WindowBase::DestroyAndDelete() {
  Destroy();
  if (depth_ > 0) {
    deleteWhenDone_ = true;
  } else {
    delete this;
  }
}

void WindowBase::StartTimer(UINT_PTR id, UINT milliseconds) { SetTimer(hwnd_, id, milliseconds, nullptr); }

void WindowBase::StopTimer(UINT_PTR id) { KillTimer(hwnd_, id); }

void WindowBase::Attach(HWND hwnd, int slot) {
  hwnd_ = hwnd;
  slot_ = slot;
  if (slot != kNoSlot) SetWindowLongPtrW(hwnd, slot, reinterpret_cast<LONG_PTR>(this));
}

WindowBase* WindowBase::Attached(HWND hwnd, int slot) {
  return reinterpret_cast<WindowBase*>(GetWindowLongPtrW(hwnd, slot));
}

void WindowBase::Detach() {
  if (!hwnd_) return;
  DropPostedCalls(hwnd_);
  if (slot_ != kNoSlot) SetWindowLongPtrW(hwnd_, slot_, 0);
  hwnd_ = nullptr;
  detached_ = true;
}

bool WindowBase::EnterTimer(UINT_PTR id) {
  if (std::find(reentrantTimers_.begin(), reentrantTimers_.end(), id) != reentrantTimers_.end()) return true;
  if (std::find(runningTimers_.begin(), runningTimers_.end(), id) != runningTimers_.end()) return false;
  runningTimers_.push_back(id);
  return true;
}

void WindowBase::LeaveTimer(UINT_PTR id) {
  runningTimers_.erase(std::remove(runningTimers_.begin(), runningTimers_.end(), id), runningTimers_.end());
}

}  // namespace quillet::win
