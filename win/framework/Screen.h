#pragma once

#include "platform/WinApi.h"

namespace quillet::win {

// Puts a window in the middle of the work area of the monitor under the mouse, where the user
// is looking, with the given place in the z-order.
void CentreOnCursorMonitor(HWND hwnd, HWND insertAfter);

// A dialog that asks for a text: centred so, topmost, in the foreground, with the text of `edit`
// selected to be typed over. Its OnInit then returns false, since the focus is set.
void PresentForTyping(HWND dialog, HWND edit);

}  // namespace quillet::win
