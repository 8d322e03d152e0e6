#pragma once

#include "platform/KernelHandle.h"
#include "platform/WinApi.h"

namespace quillet::win {

// The names other programs (the uninstaller, a second start) know the running program by.
constexpr const char* kInstanceMutexName = "MUTEX_TARNCENTER_MEMO_ORVA";
constexpr const char* kBroadcastMessageName = "QUILLET_BROADCAST_REGISTERWINDOW_ORVA";
constexpr WPARAM kBroadcastShowMemos = 3034;
constexpr WPARAM kBroadcastClose = 3074;

// The single-instance lock, held from start-up to shutdown.
class SingleInstance {
 public:
  SingleInstance();
  SingleInstance(const SingleInstance&) = delete;
  SingleInstance& operator=(const SingleInstance&) = delete;

  bool AnotherIsRunning() const { return anotherIsRunning_; }
  // Asks the running instance to show its memos. A hung window elsewhere cannot hold this up.
  static void WakeTheRunningInstance(UINT broadcastMessage);

 private:
  KernelHandle mutex_;
  bool anotherIsRunning_ = false;
};

}  // namespace quillet::win
