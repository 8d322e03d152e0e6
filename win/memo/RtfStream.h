#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/WinApi.h"

namespace quillet::win {

// A rich-edit control's whole content as RTF bytes, through memory (EM_STREAMIN and EM_STREAMOUT
// with SF_RTF). Empty input clears the control. False, or nothing, when the control reports an
// error.
bool StreamInRtf(HWND control, std::string_view rtf);
// RTF in place of the selection (at the caret when nothing is selected).
bool StreamInRtfAtSelection(HWND control, std::string_view rtf);
std::optional<std::string> StreamOutRtf(HWND control);

}  // namespace quillet::win
