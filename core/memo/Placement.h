#pragma once

#include <vector>

#include "geometry/Rect.h"

namespace quillet {

struct ScreenGeometry {
  Size primary;                // SM_CXSCREEN × SM_CYSCREEN
  std::vector<Rect> monitors;  // every monitor's rectangle
};

// A memo wholly on the primary screen, or centred on any monitor, stays; any other is moved
// onto the primary screen without resizing.
Rect CorrectMemoPlacement(const Rect& window, const ScreenGeometry& screens);

}  // namespace quillet
