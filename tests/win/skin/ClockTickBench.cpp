// One tick of the clock on the desktop as its timer runs it: the built-in analog clock drawn and
// presented by a shown ClockWindow. Beside it, the least a tick could cost: a bare layered popup
// of the same size presenting a ready premultiplied bitmap.
#include <benchmark/benchmark.h>

#include "GdiPlusBenchmarkMain.h"
#include "QuietHosts.h"

#include "platform/WinApi.h"

#include "framework/LayeredWindowApi.h"
#include "platform/Win32Clock.h"
#include "platform/Win32FileSystem.h"
#include "settings/Settings.h"
#include "widgets/ClockWindow.h"

namespace quillet::win {
namespace {

constexpr int kSide = 144;
constexpr UINT_PTR kClockTimer = 100;


void Pump(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  MSG message;
  do {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(1);
  } while (GetTickCount64() < end);
}

// Posted timer ticks and X events are handled between iterations, outside the measured time.
void PumpUntimed(benchmark::State& state) {
  state.PauseTiming();
  Pump(0);
  state.ResumeTiming();
}

void ClockWindowTick(benchmark::State& state) {
  HMODULE user32 = LoadLibraryW(L"USER32.dll");
  const LayeredWindowApi layered(user32);
  GeneralSettings general;
  Win32FileSystem files;
  Win32Clock clock;
  QuietHost host;
  ClockSettings settings;
  settings.viewMode = 0;
  settings.transVal = 255;
  settings.position = Point{200, 200};
  settings.allowMove = 1;
  const SkinWindowServices services{PanelServices{general, layered, 2, host}, host, files, clock,
                                    GetModuleHandleW(nullptr)};
  {
    WindowPtr<ClockWindow> window(new ClockWindow(services, settings, "", host));
    if (!window->Create() || window->size().width != kSide || window->size().height != kSide) {
      state.SkipWithError("the clock could not be made at its size");
    } else {
      window->FadeIn();
      Pump(400);
      if (!IsWindowVisible(window->hwnd())) state.SkipWithError("the clock did not show");
      for (auto _ : state) {
        SendMessageW(window->hwnd(), WM_TIMER, kClockTimer, 0);
        PumpUntimed(state);
      }
    }
  }
  FreeLibrary(user32);
}

void BareLayeredPresent(benchmark::State& state) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"QuilletBenchBareLayered";
  RegisterClassW(&windowClass);
  const HWND hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP, 400,
                                    200, kSide, kSide, nullptr, nullptr, windowClass.hInstance, nullptr);
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = kSide;
  info.bmiHeader.biHeight = -kSide;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  const HBITMAP dib = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HDC memory = CreateCompatibleDC(nullptr);
  if (!hwnd || !dib || !bits || !memory) {
    state.SkipWithError("no layered window or bitmap");
  } else {
    // A half-transparent grey disc on nothing, premultiplied.
    auto* pixels = static_cast<DWORD*>(bits);
    for (int y = 0; y < kSide; ++y) {
      for (int x = 0; x < kSide; ++x) {
        const int dx = x - kSide / 2, dy = y - kSide / 2;
        pixels[y * kSide + x] = dx * dx + dy * dy < 70 * 70 ? 0x80404040 : 0;
      }
    }
    const HGDIOBJ previous = SelectObject(memory, dib);
    POINT place{400, 200};
    SIZE size{kSide, kSide};
    POINT source{0, 0};
    BLENDFUNCTION blend{AC_SRC_OVER, 0, 255, AC_SRC_ALPHA};
    UpdateLayeredWindow(hwnd, nullptr, &place, &size, memory, &source, 0, &blend, ULW_ALPHA);
    ShowWindow(hwnd, SW_SHOWNOACTIVATE);
    Pump(200);
    for (auto _ : state) {
      if (!UpdateLayeredWindow(hwnd, nullptr, &place, &size, memory, &source, 0, &blend, ULW_ALPHA)) {
        state.SkipWithError("UpdateLayeredWindow failed");
        break;
      }
      PumpUntimed(state);
    }
    SelectObject(memory, previous);
  }
  if (memory) DeleteDC(memory);
  if (dib) DeleteObject(dib);
  if (hwnd) DestroyWindow(hwnd);
}

BENCHMARK(ClockWindowTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareLayeredPresent)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillet::win

QUILLET_GDIPLUS_BENCHMARK_MAIN()
