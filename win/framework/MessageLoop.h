#pragma once

namespace quillet::win {

// The program's one message loop. Keyboard navigation reaches the active modeless dialog.
// Returns the WM_QUIT code, or -1 when the system failed to deliver messages.
int RunMessageLoop();

}  // namespace quillet::win
