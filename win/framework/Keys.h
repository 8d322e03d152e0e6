#pragma once

#include "platform/WinApi.h"

namespace quillet::win {

// The key is down now, as the message being handled sees it.
inline bool KeyHeld(int key) { return GetKeyState(key) < 0; }

}  // namespace quillet::win
