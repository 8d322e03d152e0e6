#include "memo/CaptureWindow.h"

#include "framework/Dpi.h"
#include "framework/PostedCall.h"
#include "memo/CaptureArea.h"
#include "memo/MemoRequests.h"
#include "resources/MemoResources.h"

namespace quillet::win {

namespace {

constexpr UINT_PTR kBlinkTimer = 101;
constexpr UINT kBlinkMs = 500;
constexpr int kCaptionHeight = 20;
constexpr const wchar_t* kCaption =
    L" 캡쳐를 원하는 영역을 마우스로 드레그 하세요 ( 취소: Esc Key, 메모리로 복사: Ctrl + Drag ) ";
constexpr COLORREF kYellow = RGB(0xFF, 0xFF, 0x00);
constexpr COLORREF kRed = RGB(0xFF, 0x00, 0x00);
constexpr COLORREF kBlue = RGB(0x00, 0x00, 0xFF);

}  // namespace

CaptureWindow::CaptureWindow(HWND frame) : Dialog(IDD_CAPTURE), frame_(frame) {}

CaptureWindow::~CaptureWindow() {
  if (frozen_) SelectObject(frozen_.Get(), frozenPrevious_);
}

WindowPtr<CaptureWindow> CaptureWindow::Make(HWND frame) {
  WindowPtr<CaptureWindow> window(new CaptureWindow(frame));
  if (!window->Freeze() || !window->CreateModeless(Modeless{frame, false, true})) return nullptr;
  return window;
}

// The picture the user will cut from is the screen of this moment, not the live one.
bool CaptureWindow::Freeze() {
  width_ = GetSystemMetrics(SM_CXSCREEN);
  height_ = GetSystemMetrics(SM_CYSCREEN);
  const WindowDc screen(nullptr);
  if (!screen) return false;
  frozen_.Reset(CreateCompatibleDC(screen.Get()));
  if (frozen_) frozenBitmap_.Reset(CreateCompatibleBitmap(screen.Get(), width_, height_));
  if (!frozenBitmap_) return false;
  frozenPrevious_ = SelectObject(frozen_.Get(), frozenBitmap_.Get());
  return BitBlt(frozen_.Get(), 0, 0, width_, height_, screen.Get(), 0, 0, SRCCOPY | CAPTUREBLT) != FALSE;
}

bool CaptureWindow::OnInit() {
  SetWindowPos(hwnd(), HWND_TOPMOST, 0, 0, width_, height_, SWP_SHOWWINDOW);
  StartTimer(kBlinkTimer, kBlinkMs);
  SetForegroundWindow(hwnd());
  SetFocus(hwnd());
  return false;
}

void CaptureWindow::PaintCaption(HDC dc) const {
  RECT band{0, 0, width_, kCaptionHeight};
  SetTextColor(dc, kYellow);
  SetBkColor(dc, red_ ? kRed : kBlue);
  SetBkMode(dc, OPAQUE);
  HGDIOBJ font = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
  // The band is filled first: the text alone would leave the frozen screen at its ends.
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &band, nullptr, 0, nullptr);
  DrawTextW(dc, kCaption, -1, &band, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
  SelectObject(dc, font);
}

void CaptureWindow::DrawOutline() const {
  const WindowDc window(hwnd());
  if (!window) return;
  const HDC dc = window.Get();
  const int mode = SetROP2(dc, R2_NOT);
  HGDIOBJ pen = SelectObject(dc, GetStockObject(BLACK_PEN));
  const POINT corners[] = {start_, {current_.x, start_.y}, current_, {start_.x, current_.y}, start_};
  Polyline(dc, corners, 5);
  SelectObject(dc, pen);
  SetROP2(dc, mode);
}

// The dragged part on the clipboard and kept for the memo; false for an empty selection.
bool CaptureWindow::TakeRegion() {
  const std::optional<CaptureArea> area =
      TakeCaptureArea(Point{start_.x, start_.y}, Point{current_.x, current_.y}, MemoMeasures::At(WindowDpi(hwnd())));
  if (!area) return false;
  const Rect& part = area->selection;
  const int width = part.right - part.left;
  const int height = part.bottom - part.top;
  WindowDc screen(nullptr);
  const auto copyPart = [&] {
    Bitmap bitmap(CreateCompatibleBitmap(screen.Get(), width, height));
    const OwnedDc target(bitmap ? CreateCompatibleDC(screen.Get()) : nullptr);
    if (!target) return Bitmap();
    const Selection selected(target.Get(), bitmap.Get());
    BitBlt(target.Get(), 0, 0, width, height, frozen_.Get(), part.left, part.top, SRCCOPY);
    return bitmap;
  };
  picture_ = copyPart();
  Bitmap forClipboard = copyPart();
  screen.Reset();
  if (!picture_) return false;
  // The clipboard owns its copy once it takes it; the memo never depends on the clipboard.
  if (forClipboard && OpenClipboard(hwnd())) {
    EmptyClipboard();
    if (SetClipboardData(CF_BITMAP, forClipboard.Get())) forClipboard.Release();
    CloseClipboard();
  }
  forClipboard.Reset();
  memoRect_ = area->memo;
  return true;
}

void CaptureWindow::Finish(bool captured) {
  if (finished_) return;
  finished_ = true;
  StopTimer(kBlinkTimer);
  PostCall<MemoRequests>(frame_, [captured](MemoRequests& program) { program.CaptureFinished(captured); });
}

bool CaptureWindow::OnMessage(const Message& message, LRESULT& result) {
  switch (message.id) {
    case WM_ERASEBKGND:
      result = TRUE;
      return true;
    case WM_PAINT: {
      PAINTSTRUCT paint;
      HDC dc = BeginPaint(hwnd(), &paint);
      BitBlt(dc, 0, 0, width_, height_, frozen_.Get(), 0, 0, SRCCOPY);
      PaintCaption(dc);
      EndPaint(hwnd(), &paint);
      if (dragging_) DrawOutline();  // the repaint covered it
      return true;
    }
    case WM_TIMER:
      if (message.TimerId() != kBlinkTimer) return false;
      red_ = !red_;
      if (const WindowDc window{hwnd()}) PaintCaption(window.Get());
      if (!dragging_) SetFocus(hwnd());
      return true;
    case WM_SETCURSOR:
      SetCursor(LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(IDC_CAPTURE_CURSOR)));
      result = TRUE;
      return true;
    case WM_LBUTTONDOWN:
      if (finished_) return true;
      SetCapture(hwnd());
      start_ = current_ = POINT{message.X(), message.Y()};
      dragging_ = true;
      DrawOutline();
      return true;
    case WM_MOUSEMOVE:
      if (!dragging_) return false;
      DrawOutline();
      current_ = POINT{message.X(), message.Y()};
      DrawOutline();
      return true;
    case WM_LBUTTONUP: {
      if (!dragging_) return false;
      DrawOutline();
      current_ = POINT{message.X(), message.Y()};
      dragging_ = false;
      ReleaseCapture();
      Finish(TakeRegion());
      return true;
    }
    default:
      return false;
  }
}

}  // namespace quillet::win
