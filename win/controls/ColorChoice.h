#pragma once

#include <array>
#include <optional>

#include "platform/WinApi.h"

namespace quillet::win {

// The sixteen custom colours of the colour dialog, kept by whoever opens it between uses.
using CustomColors = std::array<COLORREF, 16>;

// The full colour dialog, starting from `initial`; the chosen colour, or nothing when cancelled
// (closing the program cancels it too).
std::optional<COLORREF> ChooseColorFrom(HWND owner, COLORREF initial, CustomColors& custom);

}  // namespace quillet::win
