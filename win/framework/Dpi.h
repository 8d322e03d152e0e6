#pragma once

#include "geometry/Dpi.h"
#include "platform/WinApi.h"

namespace quillet::win {

// The DPI a window is drawn at: its monitor's where Windows tells it per window (10, version
// 1607 and later), else the system's. Looked up by name, so the program still starts on
// Windows 7. Always a DPI the program can draw at.
int WindowDpi(HWND hwnd);
int SystemDpi();
// GetSystemMetrics for a window at `dpi`.
int SystemMetricAt(int index, int dpi);

}  // namespace quillet::win
