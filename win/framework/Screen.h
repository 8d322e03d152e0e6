#pragma once

#include "platform/WinApi.h"

namespace quillet::win {

// Puts a window in the middle of the work area of the monitor under the mouse, where the user
// is looking, with the given place in the z-order.
void CentreOnCursorMonitor(HWND hwnd, HWND insertAfter);

}  // namespace quillet::win
