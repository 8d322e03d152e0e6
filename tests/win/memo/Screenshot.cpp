#include "Screenshot.h"

#include <gtest/gtest.h>

#include "EditorFixture.h"
#include "framework/Gdi.h"
#include "framework/GdiPlusApi.h"
#include "skin/GdiPlusCanvas.h"

namespace quillet::win::testing {

void KeepScreenshot(HWND window, const std::string& name) {
  RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW | RDW_ALLCHILDREN);
  RECT place{};
  GetWindowRect(window, &place);
  const int width = place.right - place.left;
  const int height = place.bottom - place.top;
  WindowDc windowDc = WindowDc::WholeWindow(window);
  OwnedDc memory(CreateCompatibleDC(windowDc.Get()));
  Bitmap bitmap(CreateCompatibleBitmap(windowDc.Get(), width, height));
  {
    Selection into(memory.Get(), bitmap.Get());
    BitBlt(memory.Get(), 0, 0, width, height, windowDc.Get(), 0, 0, SRCCOPY);
  }
  windowDc.Reset();
  Gdiplus::Bitmap picture(bitmap.Get(), nullptr);
  GdiPlusCanvas canvas(picture);
  EXPECT_TRUE(canvas.SavePng(OutputPath(name + ".png"))) << name;
}

}  // namespace quillet::win::testing
