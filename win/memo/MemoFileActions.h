#pragma once

#include <optional>
#include <string>

#include "platform/WinApi.h"

namespace quillet::win {

// The path to save a memo as RTF under, from the save dialog, starting at `initialName`; nothing
// when cancelled or when CP949 cannot spell the path.
std::optional<std::string> AskSavePath(HWND owner, const std::string& initialName);

// Opens a content file in WordPad, or with the shell's "open" where there is no WordPad.
void OpenWithWordPad(const std::string& path);

// Prints a rich-edit control's text on the printer the print dialog gives.
void PrintRichText(HWND owner, HWND editor, const std::string& documentName);

}  // namespace quillet::win
