#pragma once

#include <cstdint>

namespace quillet {

// The four z-positions of a desktop panel, numbered as memo lists and settings store them.
enum class ZPosition : std::int32_t { Normal = 0, AlwaysOnTop = 1, Desktop = 2, Bottom = 3 };

enum class ZPlace {
  NotTopmost,  // among the ordinary windows
  Topmost,
  Bottom,      // under every ordinary window
  Desktop,     // a child of the shell's desktop window, under every icon-less window
};

// Where z-position `z` puts a panel. The desktop is used only with one monitor and
// "EnableDesktop" on: the shell's desktop window spans just the primary screen.
ZPlace PlaceForZPosition(ZPosition z, int monitorCount, bool enableDesktop);

}  // namespace quillet
