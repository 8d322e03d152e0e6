#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace quillet {

// A program text without its surrounding blanks and one pair of outer double quotes: the file
// to open when it exists. Text that names no file runs as typed.
std::string UnquotedProgramPath(std::string_view text);

// The browser the App Paths "IEXPLORE.EXE" default value names: unquoted, with "%ProgramFiles%"
// in any letter case replaced by `programFilesDir`.
std::string BrowserProgram(std::string_view appPathsValue, std::string_view programFilesDir);

// `"program" "address"`, or `"program"` alone for an empty address; quoted, so a path with
// spaces never starts a shorter one ("C:\Program.exe"). Nothing for an empty program or a quote
// in either text, which would end the argument early.
std::optional<std::string> BrowserCommandLine(std::string_view program, std::string_view address);

}  // namespace quillet
