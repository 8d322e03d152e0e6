#include "framework/Dpi.h"

#include "framework/Gdi.h"

namespace quillet::win {

namespace {

template <class Function>
Function User32Function(const char* name) {
  const HMODULE user32 = GetModuleHandleW(L"user32.dll");
  return user32 ? reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(user32, name))) : nullptr;
}

}  // namespace

int SystemDpi() {
  static const int dpi = [] {
    const WindowDc screen(nullptr);
    return SaneDpi(screen ? GetDeviceCaps(screen.Get(), LOGPIXELSY) : kBaseDpi);
  }();
  return dpi;
}

int WindowDpi(HWND hwnd) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto forWindow = User32Function<GetDpiForWindowFunction>("GetDpiForWindow");
  const int dpi = forWindow && hwnd ? static_cast<int>(forWindow(hwnd)) : 0;
  return dpi ? SaneDpi(dpi) : SystemDpi();
}

int SystemMetricAt(int index, int dpi) {
  using ForDpiFunction = int(WINAPI*)(int, UINT);
  static const auto forDpi = User32Function<ForDpiFunction>("GetSystemMetricsForDpi");
  if (forDpi) return forDpi(index, static_cast<UINT>(dpi));
  return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

}  // namespace quillet::win
