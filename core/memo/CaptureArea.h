#pragma once

#include <optional>

#include "geometry/Rect.h"
#include "memo/MemoLayout.h"

namespace quillet {

struct CaptureArea {
  Rect selection;  // the part of the screen taken
  Rect memo;       // the new memo's rectangle, its editor over the selection
};

// The area a capture drag from `start` to `end` takes, in either direction. Nothing for an empty
// selection. A selection reaching into the strip's height at the top moves down so the memo's
// title strip stays on the screen; the memo grows around it by its frame and is at least the
// memo minimum.
std::optional<CaptureArea> TakeCaptureArea(Point start, Point end, const MemoMeasures& m);

}  // namespace quillet
