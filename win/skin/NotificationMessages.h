#pragma once

#include "platform/WinApi.h"

namespace quillet::win {

// Posted to a slide's parent when the left button is released over it: the main frame opens the
// schedule manager, the calendar its day dialog.
constexpr UINT kSlideClickedMessage = 1147;
// Posted to the parent when a notification is gone, so that it can let go of the object.
constexpr UINT kNotificationClosedMessage = 1148;

}  // namespace quillet::win
