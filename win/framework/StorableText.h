#pragma once

#include <optional>
#include <string>

#include "platform/WinApi.h"

namespace quillet::win {

// An edit control's text as the program keeps it (CP949). Text CP949 cannot store is refused,
// never changed: the user is told so, the edit gets the focus with its text selected, and
// nothing is returned.
std::optional<std::string> ReadStorableText(HWND edit);

}  // namespace quillet::win
