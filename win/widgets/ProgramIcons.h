#pragma once

#include <memory>
#include <string>

#include "skin/GdiPlusImage.h"

namespace quillet::win {

// A file's large shell icon as a 32 × 32 skin picture with its own transparency, or nothing when
// the shell has none for it.
std::unique_ptr<GdiPlusImage> ProgramIcon(const std::wstring& path);

// UTF-8 (as the launcher's file keeps paths) to the wide API's text.
std::wstring WidenUtf8(const std::string& text);

}  // namespace quillet::win
