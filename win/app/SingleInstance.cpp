#include "app/SingleInstance.h"

namespace quillet::win {

SingleInstance::SingleInstance() : mutex_(CreateMutexA(nullptr, FALSE, kInstanceMutexName)) {
  // Read at once: any later call may change the last error. A mutex we may not open belongs to
  // an instance running with other rights (elevated): another instance all the same.
  const DWORD error = GetLastError();
  anotherIsRunning_ = error == ERROR_ALREADY_EXISTS || (!mutex_ && error == ERROR_ACCESS_DENIED);
}

void SingleInstance::WakeTheRunningInstance(UINT broadcastMessage) {
  constexpr UINT kTimeoutPerWindow = 2000;
  SendMessageTimeoutA(HWND_BROADCAST, broadcastMessage, kBroadcastShowMemos, 0, SMTO_ABORTIFHUNG, kTimeoutPerWindow,
                      nullptr);
}

}  // namespace quillet::win
