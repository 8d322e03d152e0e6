#pragma once

#include <vector>

#include "geometry/Rect.h"

namespace quillet {

// Where a window being dragged snaps. `proposed` is the rectangle at press moved by the cursor's
// movement (the caller computes it); `candidates` in precedence order: other visible memos, the
// visible widgets, the screen rectangle (0, 0, screen width - 2, screen height), then every
// monitor's work area with right and bottom reduced by 2 (the caller builds those too).
// `distance` is the "DockingSize" setting d.
Rect DockMoving(const Rect& proposed, const std::vector<Rect>& candidates, int distance);

// The edge or corner being dragged, numbered as WM_SIZING's wParam (WMSZ_LEFT = 1 ... WMSZ_BOTTOMRIGHT = 8).
enum class SizingEdge { Left = 1, Right = 2, Top = 3, TopLeft = 4, TopRight = 5, Bottom = 6, BottomLeft = 7, BottomRight = 8 };

// Where the dragged edges snap while sizing; only the dragged edges move; candidates are the other memos.
// The top-left and top-right corners do not snap.
Rect DockSizing(const Rect& proposed, SizingEdge edge, const std::vector<Rect>& candidates, int distance);

}  // namespace quillet
