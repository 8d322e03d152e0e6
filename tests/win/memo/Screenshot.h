#pragma once

#include <string>

#include "platform/WinApi.h"

namespace quillet::win::testing {

// What a person sees of the window, frame and caption included, painted now and kept as
// NAME.png in the output folder (OutputPath). Needs a GdiPlusSession.
void KeepScreenshot(HWND window, const std::string& name);

}  // namespace quillet::win::testing
