#pragma once

#include <vector>

#include "geometry/Rect.h"
#include "geometry/Screens.h"

namespace quillet {

// A memo wholly on the primary screen, or centred on any monitor, stays; any other is moved
// onto the primary screen without resizing.
Rect CorrectMemoPlacement(const Rect& window, const ScreenGeometry& screens);

// A panel saved at `saved` stays there when its centre lies in any monitor's work area; otherwise
// it goes right-aligned to the new-memo rectangle (left = its right - panel width, top = its top).
Point CheckPanelPosition(Point saved, Size panel, const std::vector<Rect>& workAreas, const Rect& newMemoRect);

}  // namespace quillet
