#pragma once

#include "platform/UniqueHandle.h"
#include "platform/WinApi.h"

namespace quillet::win {

struct MenuTraits {
  using Handle = HMENU;
  static bool Holds(HMENU menu) { return menu != nullptr; }
  static bool Close(HMENU menu) { return DestroyMenu(menu) != FALSE; }
};

// A menu of our own, destroyed with its submenus. Release it once a parent menu or a window holds it.
using OwnedMenu = UniqueHandle<MenuTraits>;

struct IconTraits {
  using Handle = HICON;
  static bool Holds(HICON icon) { return icon != nullptr; }
  static bool Close(HICON icon) { return DestroyIcon(icon) != FALSE; }
};

// An icon made or loaded unshared. Whatever shows it (a tray icon, a window class) must not
// outlive it.
using OwnedIcon = UniqueHandle<IconTraits>;

}  // namespace quillet::win
