// The yardstick of the start-up and idle benchmarks: the least a Win32 program does to put a
// window on the screen, built and started the same way as Quillet.exe. Started with "present" it
// is instead a 144 × 144 per-pixel-alpha popup presented once a second, as a clock needs.
#include <windows.h>

namespace {

constexpr int kSide = 144;
constexpr UINT_PTR kPresentTimer = 1;

HDC presentDc = nullptr;

void Present(HWND hwnd) {
  POINT place{300, 300};
  SIZE size{kSide, kSide};
  POINT source{0, 0};
  BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
  UpdateLayeredWindow(hwnd, nullptr, &place, &size, presentDc, &source, 0, &blend, ULW_ALPHA);
}

LRESULT CALLBACK Procedure(HWND hwnd, UINT id, WPARAM wParam, LPARAM lParam) {
  if (id == WM_TIMER && wParam == kPresentTimer) Present(hwnd);
  if (id == WM_DESTROY) PostQuitMessage(0);
  return DefWindowProcW(hwnd, id, wParam, lParam);
}

// A half-transparent grey square, premultiplied, selected into `presentDc`.
bool PreparePicture() {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kSide;
  info.bmiHeader.biHeight = -kSide;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  presentDc = CreateCompatibleDC(nullptr);
  if (!dib || !bits || !presentDc) return false;
  auto* pixels = static_cast<DWORD*>(bits);
  for (int i = 0; i < kSide * kSide; ++i) pixels[i] = 0x80404040;
  SelectObject(presentDc, dib);
  return true;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR commandLine, int) {
  const bool present = lstrcmpW(commandLine, L"present") == 0;
  if (present && !PreparePicture()) return 1;
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = L"QuilletBenchBareWindow";
  RegisterClassW(&windowClass);
  const HWND hwnd = CreateWindowExW(WS_EX_TOOLWINDOW | (present ? WS_EX_LAYERED : 0), windowClass.lpszClassName, L"",
                                    WS_POPUP | (present ? 0 : WS_VISIBLE), 100, 100, 200, 150, nullptr, nullptr,
                                    instance, nullptr);
  if (present) {
    Present(hwnd);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    SetTimer(hwnd, kPresentTimer, 1000, nullptr);
  }
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
  return 0;
}
