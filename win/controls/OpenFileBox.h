#pragma once

#include <optional>
#include <string>

#include "platform/WinApi.h"

namespace quillet::win {

struct OpenFileRequest {
  std::string filterName;  // program text, e.g. "Wave Files(*.wav) "
  std::wstring pattern;    // e.g. L"*.wav"
  std::string start;       // a file or folder to begin at; may be empty
  DWORD extraFlags = 0;
};

// The system's open box, read-only hidden. Nothing when cancelled, or for a path that has no
// exact code page 949 form (the program could not name that file again).
std::optional<std::string> AskOpenPath(HWND owner, const OpenFileRequest& request);

}  // namespace quillet::win
