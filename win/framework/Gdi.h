#pragma once

#include <utility>

#include "platform/UniqueHandle.h"
#include "platform/WinApi.h"

namespace quillet::win {

template <class Object>
struct GdiObjectTraits {
  using Handle = Object;
  static bool Holds(Object object) { return object != nullptr; }
  static bool Close(Object object) { return DeleteObject(object) != FALSE; }
};

// A GDI object (font, bitmap, brush, pen, region) deleted with its owner. Released when Windows
// takes it over: SetWindowRgn's region, SetClipboardData's bitmap.
template <class Object>
using GdiObject = UniqueHandle<GdiObjectTraits<Object>>;

using Font = GdiObject<HFONT>;
using Bitmap = GdiObject<HBITMAP>;
using Brush = GdiObject<HBRUSH>;
using Pen = GdiObject<HPEN>;
using Region = GdiObject<HRGN>;

// The header of an uncompressed DIB whose rows run top down, as GDI+ and a screen copy lay them out.
inline BITMAPINFO TopDownBitmapInfo(int width, int height, WORD bitCount) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = bitCount;
  info.bmiHeader.biCompression = BI_RGB;
  return info;
}

struct OwnedDcTraits {
  using Handle = HDC;
  static bool Holds(HDC dc) { return dc != nullptr; }
  static bool Close(HDC dc) { return DeleteDC(dc) != FALSE; }
};

// A device context made with CreateDC, CreateCompatibleDC or a print dialog, deleted with DeleteDC.
using OwnedDc = UniqueHandle<OwnedDcTraits>;

// A context borrowed from a window (GetDC, GetWindowDC) or the screen (a null window), given back
// with ReleaseDC.
class WindowDc {
 public:
  // The window's client area; the whole screen for nullptr.
  explicit WindowDc(HWND hwnd) : WindowDc(hwnd, GetDC(hwnd)) {}
  // The whole window, frame and caption too.
  static WindowDc WholeWindow(HWND hwnd) { return WindowDc(hwnd, GetWindowDC(hwnd)); }
  ~WindowDc() { Reset(); }
  WindowDc(WindowDc&& other) noexcept : hwnd_(other.hwnd_), dc_(std::exchange(other.dc_, nullptr)) {}
  WindowDc& operator=(WindowDc&& other) noexcept {
    if (this != &other) {
      Reset();
      hwnd_ = other.hwnd_;
      dc_ = std::exchange(other.dc_, nullptr);
    }
    return *this;
  }
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;

  HDC Get() const { return dc_; }
  explicit operator bool() const { return dc_ != nullptr; }
  // Gives the context back now.
  void Reset() {
    if (dc_) ReleaseDC(hwnd_, std::exchange(dc_, nullptr));
  }

 private:
  WindowDc(HWND hwnd, HDC dc) : hwnd_(hwnd), dc_(dc) {}

  HWND hwnd_;
  HDC dc_;
};

// The painting context of WM_PAINT.
class PaintDc {
 public:
  explicit PaintDc(HWND hwnd) : hwnd_(hwnd), dc_(BeginPaint(hwnd, &paint_)) {}
  ~PaintDc() { EndPaint(hwnd_, &paint_); }
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;

  HDC Get() const { return dc_; }

 private:
  HWND hwnd_;
  PAINTSTRUCT paint_{};
  HDC dc_;
};

// An object selected into a context for a scope, the previous one put back after.
class Selection {
 public:
  Selection(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
  ~Selection() { SelectObject(dc_, previous_); }
  Selection(const Selection&) = delete;
  Selection& operator=(const Selection&) = delete;

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace quillet::win
