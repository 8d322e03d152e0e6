#pragma once

namespace quillet::win {

// The program's one message loop. Keyboard navigation reaches only the modeless dialogs created
// for it (Dialog::Modeless::keyboardNavigation); other template-made windows keep their keys.
// Returns the WM_QUIT code, or -1 when the system failed to deliver messages.
int RunMessageLoop();

}  // namespace quillet::win
