// One tick of the clock on the desktop as its timer runs it: the built-in analog clock drawn and
// presented by a shown ClockWindow. Beside it, the least a tick could cost: a bare layered popup
// of the same size presenting a ready premultiplied surface.
#include <benchmark/benchmark.h>

#include "GdiPlusBenchmarkMain.h"
#include "QuietHosts.h"

#include "platform/WinApi.h"

#include "platform/Win32Clock.h"
#include "platform/Win32FileSystem.h"
#include "settings/Settings.h"
#include "skin/GdiPlusCanvas.h"
#include "skin/LayeredSurface.h"
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
  GeneralSettings general;
  Win32FileSystem files;
  Win32Clock clock;
  QuietHost host;
  ClockSettings settings;
  settings.viewMode = ClockViewMode::Always;
  settings.transVal = 255;
  settings.position = Point{200, 200};
  settings.allowMove = true;
  const SkinWindowServices services{PanelServices{general, host}, host, files, clock,
                                    GetModuleHandleW(nullptr), "", ""};
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
}

// The same surface the skin windows present, with a half-transparent grey disc drawn once.
void BareLayeredPresent(benchmark::State& state) {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.lpszClassName = L"QuilletBenchBareLayered";
  RegisterClassW(&windowClass);
  const HWND hwnd = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, windowClass.lpszClassName, L"", WS_POPUP, 400,
                                    200, kSide, kSide, nullptr, nullptr, windowClass.hInstance, nullptr);
  {
    LayeredSurface surface(kSide, kSide);
    if (!hwnd || !surface.Valid()) {
      state.SkipWithError("no layered window or bitmap");
    } else {
      {
        GdiPlusCanvas canvas(surface.bitmap());
        canvas.FillPie(kSide / 2.0f, kSide / 2.0f, 70, 0, 360, 0, 0x80404040, true);
      }
      const POINT place{400, 200};
      surface.Present(hwnd, place, 255);
      ShowWindow(hwnd, SW_SHOWNOACTIVATE);
      Pump(200);
      for (auto _ : state) {
        if (!surface.Present(hwnd, place, 255)) {
          state.SkipWithError("UpdateLayeredWindow failed");
          break;
        }
        PumpUntimed(state);
      }
    }
  }
  if (hwnd) DestroyWindow(hwnd);
}

BENCHMARK(ClockWindowTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BareLayeredPresent)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillet::win

QUILLET_GDIPLUS_BENCHMARK_MAIN()
