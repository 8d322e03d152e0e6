#pragma once

#include "framework/Handles.h"
#include "platform/WinApi.h"

namespace quillet::win {

// The submenu, at any depth, that holds the item `command`; nothing when none does.
HMENU SubmenuHolding(HMENU menu, UINT command);

// "확장 메뉴" at the end of `popup`: the program's own menu, a menu bar holding one popup as the
// tray's is made, whose popup moves over; the bar is destroyed. Nothing without it.
void AppendProgramMenu(HMENU popup, OwnedMenu programMenu);

// Tracks a popup menu at a screen point with `owner` taking its commands. The owner takes the
// foreground first and gets a WM_NULL after, so that the menu closes when the user clicks away.
void TrackMenu(HWND owner, HMENU popup, POINT at);

}  // namespace quillet::win
