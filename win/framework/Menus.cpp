#include "framework/Menus.h"

namespace quillet::win {

HMENU SubmenuHolding(HMENU menu, UINT command) {
  for (int i = 0; i < GetMenuItemCount(menu); ++i) {
    const HMENU sub = GetSubMenu(menu, i);
    if (!sub) {
      if (GetMenuItemID(menu, i) == command) return menu;
      continue;
    }
    if (const HMENU found = SubmenuHolding(sub, command)) return found;
  }
  return nullptr;
}

void AppendProgramMenu(HMENU popup, OwnedMenu programMenu) {
  if (!programMenu) return;
  const HMENU program = GetSubMenu(programMenu.Get(), 0);
  // Removed, not deleted: from here `popup` owns it.
  if (program && RemoveMenu(programMenu.Get(), 0, MF_BYPOSITION)) {
    AppendMenuW(popup, MF_POPUP, reinterpret_cast<UINT_PTR>(program), L"확장 메뉴");
  }
}

void TrackMenu(HWND owner, HMENU popup, POINT at) {
  SetForegroundWindow(owner);
  TrackPopupMenu(popup, TPM_RIGHTBUTTON, at.x, at.y, 0, owner, nullptr);
  PostMessageW(owner, WM_NULL, 0, 0);
}

}  // namespace quillet::win
