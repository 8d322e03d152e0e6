// The screen capture's two waits the user sees: freezing the screen into the capture window, and
// from the button's release to the memo showing the picture (the part made a metafile and streamed
// into a memo editor). The part is the whole 1920 x 1080 screen, the largest a capture makes.
#include <benchmark/benchmark.h>

#include <string>

#include "memo/CaptureWindow.h"
#include "memo/PictureRtf.h"
#include "memo/RichEditLibrary.h"
#include "memo/RtfStream.h"

#include <richedit.h>

namespace quillet::win {
namespace {

void FreezeTheScreen(benchmark::State& state) {
  for (auto _ : state) {
    WindowPtr<CaptureWindow> window = CaptureWindow::Make(nullptr);
    if (!window) {
      state.SkipWithError("the capture window could not be made");
      return;
    }
  }
  state.counters["width"] = GetSystemMetrics(SM_CXSCREEN);
  state.counters["height"] = GetSystemMetrics(SM_CYSCREEN);
}
BENCHMARK(FreezeTheScreen)->Unit(benchmark::kMillisecond);

void ReleaseToMemoPicture(benchmark::State& state) {
  if (!LoadRichEdit20()) {
    state.SkipWithError("no rich edit control");
    return;
  }
  HDC screen = GetDC(nullptr);
  HBITMAP part = CreateCompatibleBitmap(screen, 1920, 1080);
  HDC dc = CreateCompatibleDC(screen);
  HGDIOBJ previous = SelectObject(dc, part);
  PatBlt(dc, 0, 0, 1920, 1080, WHITENESS);
  TextOutW(dc, 100, 100, L"캡쳐", 2);
  SelectObject(dc, previous);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  const HWND editor = CreateWindowExW(0, L"RichEdit20W", L"", WS_POPUP | ES_MULTILINE, 0, 0, 400, 300, nullptr,
                                      nullptr, nullptr, nullptr);
  for (auto _ : state) {
    SetWindowTextW(editor, L"");
    const std::string rtf = PictureRtf(part);
    if (rtf.empty() || !StreamInRtfAtSelection(editor, rtf)) {
      state.SkipWithError("the picture did not go in");
      break;
    }
    UpdateWindow(editor);
  }
  DestroyWindow(editor);
  DeleteObject(part);
}
BENCHMARK(ReleaseToMemoPicture)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet::win

BENCHMARK_MAIN();
