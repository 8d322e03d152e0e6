#pragma once

#include "platform/WinApi.h"

namespace quillet::win {

// The modal "프로그램 정보" box: 275 × 131 pixels, borderless, in the foreground.
void ShowAboutBox(HWND owner);

}  // namespace quillet::win
