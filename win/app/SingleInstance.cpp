#include "app/SingleInstance.h"

namespace quillet::win {

SingleInstance::SingleInstance() {
  mutex_ = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
  // Read at once: registering the message below may change the last error.
  anotherIsRunning_ = GetLastError() == ERROR_ALREADY_EXISTS;
  broadcastMessage_ = RegisterWindowMessageA(kBroadcastMessageName);
}

SingleInstance::~SingleInstance() {
  if (mutex_) CloseHandle(mutex_);
}

void SingleInstance::WakeTheRunningInstance() const {
  constexpr UINT kTimeoutPerWindow = 2000;
  SendMessageTimeoutA(HWND_BROADCAST, broadcastMessage_, kBroadcastShowMemos, 0, SMTO_ABORTIFHUNG, kTimeoutPerWindow,
                      nullptr);
}

}  // namespace quillet::win
