#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/WinApi.h"

namespace quillet::win {

// Asks for one line of text: the prompt is the title and the label. Nothing when cancelled.
std::optional<std::string> AskForText(HWND owner, std::string_view prompt, std::string_view initial);

}  // namespace quillet::win
