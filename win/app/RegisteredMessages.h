#pragma once

#include "platform/WinApi.h"

namespace quillet::win {

// The window messages the program knows by name, registered once at start-up.
struct RegisteredMessages {
  UINT broadcast = 0;       // from a second start or the uninstaller: show the memos, or close
  UINT taskbarCreated = 0;  // the shell (re)started: tray icons must be added again

  static RegisteredMessages Register();
};

}  // namespace quillet::win
