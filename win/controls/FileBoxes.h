#pragma once

#include <optional>
#include <string>

#include "platform/WinApi.h"

namespace quillet::win {

struct FileBoxRequest {
  std::string filterName;  // program text, e.g. "Wave Files(*.wav) "
  std::wstring pattern;    // e.g. L"*.wav"
  std::string start;       // a file or folder to begin at; may be empty
  const wchar_t* defaultExtension = nullptr;  // added to a saved name typed without one
  bool allFiles = false;                      // "모든 파일 (*.*)" offered after the pattern
};

// The system's open and save boxes, read-only hidden; saving asks before replacing a file.
// Nothing when cancelled, or for a path that has no exact code page 949 form (the program could
// not name that file again).
// `title` is program text; the system's own when empty.
std::optional<std::string> AskOpenPath(HWND owner, const FileBoxRequest& request, std::string_view title = {});
std::optional<std::string> AskSavePath(HWND owner, const FileBoxRequest& request);
// Any path, for what is stored in Unicode.
std::optional<std::wstring> AskOpenWidePath(HWND owner, const FileBoxRequest& request);

}  // namespace quillet::win
