#pragma once

namespace quillet::win {

// Minimises every window, as the shell's "show the desktop" does. Needs COM on the thread;
// false when the shell object is not there.
bool MinimizeAllWindows();

}  // namespace quillet::win
