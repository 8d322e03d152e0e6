#pragma once

#include <string>

namespace quillet::win {

// Starts programs, files and web addresses for the hotkeys, the preferences and the memo window.
// A program starts by its own path with its arguments quoted, never from a command line that a
// path with spaces could be cut short in ("C:\Program Files\…" starting "C:\Program.exe").

// The message for a start that failed, with the program's path or text in place of %s.
constexpr const char* kCannotStartProgramMessage = "프로그램을 실행할 수 없습니다.\n%s";

// A program text (CP949): the file it names, outer quotes stripped, opened by the shell; any
// other text runs as typed. False when nothing started.
bool RunProgramText(const std::string& text);
// The web browser of App Paths "IEXPLORE.EXE", maximised, with `address` as its one argument (an
// empty address starts it alone). False when there is no browser or the address holds a quote.
bool OpenInBrowser(const std::string& address);
// A content file in WordPad, or with the shell's "open" where there is no WordPad.
void OpenWithWordPad(const std::string& path);

}  // namespace quillet::win
