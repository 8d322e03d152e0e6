#pragma once

#include <string>

#include "platform/WinApi.h"

namespace quillet::win {

// Prints a rich-edit control's text on the printer the print dialog gives.
void PrintRichText(HWND owner, HWND editor, const std::string& documentName);

}  // namespace quillet::win
