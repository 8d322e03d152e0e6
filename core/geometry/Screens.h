#pragma once

#include <vector>

#include "geometry/Rect.h"

namespace quillet {

// The screens as the program sees them when it places windows.
struct ScreenGeometry {
  Size primary;                // SM_CXSCREEN × SM_CYSCREEN
  std::vector<Rect> monitors;  // every monitor's rectangle
};

}  // namespace quillet
