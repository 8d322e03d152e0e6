#pragma once

namespace quillet {

// The four z-positions of a desktop panel.
enum ZPosition { kZNormal = 0, kZAlwaysOnTop = 1, kZDesktop = 2, kZBottom = 3 };

enum class ZPlace {
  NotTopmost,  // among the ordinary windows
  Topmost,
  Bottom,      // under every ordinary window
  Desktop,     // a child of the shell's desktop window, under every icon-less window
};

// Where z-position `z` puts a panel. The desktop is used only with one monitor and
// "EnableDesktop" on: the shell's desktop window spans just the primary screen.
ZPlace PlaceForZPosition(int z, int monitorCount, bool enableDesktop);

}  // namespace quillet
