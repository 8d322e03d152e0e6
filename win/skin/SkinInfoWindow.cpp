#include "skin/SkinInfoWindow.h"

#include "resources/WidgetResources.h"
#include "skin/GdiPlusCanvas.h"
#include "skin/LayeredSurface.h"

namespace quillet::win {

SkinInfoWindow::SkinInfoWindow(std::unique_ptr<SkinImage> picture)
    : Dialog(IDD_SKIN_INFO), picture_(std::move(picture)) {}

SkinInfoWindow::~SkinInfoWindow() = default;

bool SkinInfoWindow::OnInit() {
  SetWindowTextW(hwnd(), L"Skin 정보");  // for tools: the picture shows no caption
  const int width = picture_->Width();
  const int height = picture_->Height();
  const int x = (GetSystemMetrics(SM_CXSCREEN) - width) / 2;
  const int y = (GetSystemMetrics(SM_CYSCREEN) - height) / 2;
  SetWindowPos(hwnd(), HWND_TOPMOST, x, y, width, height, SWP_NOACTIVATE);
  LayeredSurface surface(width, height);
  if (!surface.Valid()) return false;
  {
    GdiPlusCanvas canvas(surface.bitmap());
    canvas.DrawBackground(picture_.get());
  }
  SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, GetWindowLongPtrW(hwnd(), GWL_EXSTYLE) | WS_EX_LAYERED);
  surface.Present(hwnd(), POINT{x, y}, 255);  // the window keeps what it was given
  return false;
}

bool SkinInfoWindow::OnMessage(const Message& message, LRESULT& result) {
  switch (message.id) {
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
      End(IDOK);
      return true;
    case WM_NCHITTEST:
      result = HTCLIENT;
      return true;
    default:
      return false;
  }
}

}  // namespace quillet::win
