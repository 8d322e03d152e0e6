#pragma once

#include <string>

#include "platform/WinApi.h"

namespace quillet::win {

// Opens a content file in WordPad, or with the shell's "open" where there is no WordPad.
void OpenWithWordPad(const std::string& path);

// Prints a rich-edit control's text on the printer the print dialog gives.
void PrintRichText(HWND owner, HWND editor, const std::string& documentName);

}  // namespace quillet::win
