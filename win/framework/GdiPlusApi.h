#pragma once

// GDI+ for the Windows layer. Its headers want min, max and the COM property types, which
// NOMINMAX and WIN32_LEAN_AND_MEAN keep out of <windows.h>.
#include <algorithm>

#include "platform/WinApi.h"

#include <objidl.h>

namespace Gdiplus {
using std::max;
using std::min;
}  // namespace Gdiplus

#include <gdiplus.h>
