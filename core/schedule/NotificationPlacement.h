#pragma once

#include "geometry/Rect.h"

namespace quillet {

constexpr int kCascadePlaces = 10;
constexpr int kSlideTravelMilliseconds = 700;  // to slide fully in, and again to slide out
constexpr int kSlideStepPixels = 5;

// Where a centred popup (Popup, PopupAutoClose, PostIt) appears: ten places stepping down and
// right from above the screen's centre.
Point CentredPopupPosition(Size screen, int cascadeIndex);

struct SlidePlace {
  int restRight;  // the x it starts from, just outside the work area; it slides in by its width
  int y;          // its top
};

// Slides stack upwards from the work area's bottom right, each overlapping the one below by 10
// pixels, and fill further columns to the left. The work area, not the screen, so that they never
// cover a bottom taskbar.
SlidePlace SlidePosition(const Rect& workArea, Size window, int stackingIndex);

// The timer interval for one kSlideStepPixels step, so that crossing the window's width takes
// about kSlideTravelMilliseconds; at least 1 ms.
int SlideStepMilliseconds(int windowWidth);

// The two counters the main frame owns; schedules and anniversaries share them.
class NotificationCounters {
 public:
  int NextCascade();     // the index to use now; then advances, wrapping after 9
  int NextStacking();    // the index to use now; then advances by one
  void ResetStacking();  // at every new minute
 private:
  int cascade_ = 0;
  int stacking_ = 0;
};

}  // namespace quillet
