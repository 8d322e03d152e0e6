#include "memo/PictureRtf.h"

#include "framework/Gdi.h"

#include <cstdio>
#include <vector>

namespace quillet::win {

namespace {

// HIMETRIC (0.01 mm) and twips of a length in pixels at the screen's resolution.
int Himetric(int pixels, int dpi) { return MulDiv(pixels, 2540, dpi); }
int Twips(int pixels, int dpi) { return MulDiv(pixels, 1440, dpi); }

}  // namespace

std::string PictureRtf(HBITMAP bitmap) {
  BITMAP info{};
  if (!bitmap || !GetObjectW(bitmap, sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0) return {};
  const int width = info.bmWidth;
  const int height = info.bmHeight;
  WindowDc screenDc(nullptr);
  if (!screenDc) return {};
  const HDC screen = screenDc.Get();
  const int dpiX = GetDeviceCaps(screen, LOGPIXELSX);
  const int dpiY = GetDeviceCaps(screen, LOGPIXELSY);
  const RECT frame{0, 0, Himetric(width, dpiX), Himetric(height, dpiY)};
  // The pixels as a top-down 24-bit DIB (rows padded to four bytes), drawn into the metafile as
  // such: a screen has no alpha, and a quarter less to write and read back.
  BITMAPINFO dib = TopDownBitmapInfo(width, height, 24);
  const std::size_t stride = (static_cast<std::size_t>(width) * 3 + 3) & ~std::size_t{3};
  std::vector<BYTE> pixels(stride * static_cast<std::size_t>(height));
  const bool read = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &dib, DIB_RGB_COLORS) == height;
  HDC metafile = read ? CreateEnhMetaFileW(screen, nullptr, &frame, nullptr) : nullptr;
  HENHMETAFILE picture = nullptr;
  if (metafile) {
    StretchDIBits(metafile, 0, 0, width, height, 0, 0, width, height, pixels.data(), &dib, DIB_RGB_COLORS, SRCCOPY);
    picture = CloseEnhMetaFile(metafile);
  }
  screenDc.Reset();
  if (!picture) return {};
  std::vector<BYTE> bytes(GetEnhMetaFileBits(picture, 0, nullptr));
  const bool stored = !bytes.empty() && GetEnhMetaFileBits(picture, static_cast<UINT>(bytes.size()), bytes.data());
  DeleteEnhMetaFile(picture);
  if (!stored) return {};

  char head[160];
  std::snprintf(head, sizeof head, "{\\rtf1{\\pict\\emfblip\\picw%d\\pich%d\\picwgoal%d\\pichgoal%d ",
                static_cast<int>(frame.right), static_cast<int>(frame.bottom), Twips(width, dpiX), Twips(height, dpiY));
  std::string rtf = head;
  rtf.reserve(rtf.size() + bytes.size() * 2 + bytes.size() / 64 + 8);
  static const char kHex[] = "0123456789abcdef";
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    rtf += kHex[bytes[i] >> 4];
    rtf += kHex[bytes[i] & 0xF];
    if (i % 64 == 63) rtf += '\n';
  }
  rtf += "}}";
  return rtf;
}

}  // namespace quillet::win
