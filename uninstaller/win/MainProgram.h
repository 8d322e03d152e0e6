#pragma once

#include <windows.h>

namespace unquill {

// Closes a running Quillet.exe by its window, as Windows would at log-off. `status` shows what
// is going on. False when a window of it is still there afterwards; nothing has been deleted.
bool CloseMainProgram(HWND status);

}  // namespace unquill
