#pragma once

#include <optional>
#include <string>

#include "memo/TitleFont.h"
#include "platform/WinApi.h"

namespace quillet::win {

struct TitleEdit {
  std::string title;  // CP949
  TitleFont font;
};

// The title dialog (template 229) over the memo window: the title, at most 60 characters, and its
// font. The new title and font on OK; nothing when cancelled.
std::optional<TitleEdit> AskForTitle(HWND memoWindow, const std::string& title, const TitleFont& font);

}  // namespace quillet::win
