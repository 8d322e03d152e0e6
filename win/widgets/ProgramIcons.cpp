#include "widgets/ProgramIcons.h"

#include <algorithm>
#include <cstdint>
#include <vector>

#include "framework/Gdi.h"
#include "framework/GdiPlusApi.h"
#include "framework/Handles.h"

#include <shellapi.h>

namespace quillet::win {

namespace {

constexpr int kIconSize = 32;

// The icon drawn on a solid background, as 32-bit pixels.
std::vector<std::uint32_t> DrawnOn(HICON icon, COLORREF background) {
  const BITMAPINFO info = TopDownBitmapInfo(kIconSize, kIconSize, 32);
  void* bits = nullptr;
  const Bitmap dib(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  std::vector<std::uint32_t> pixels;
  if (!dib || !bits) return pixels;
  const OwnedDc dc(CreateCompatibleDC(nullptr));
  const Selection selected(dc.Get(), dib.Get());
  const RECT all{0, 0, kIconSize, kIconSize};
  FillRect(dc.Get(), &all, Brush(CreateSolidBrush(background)).Get());
  DrawIconEx(dc.Get(), 0, 0, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  pixels.assign(first, first + kIconSize * kIconSize);
  return pixels;
}

}  // namespace

std::wstring WidenUtf8(const std::string& text) {
  if (text.empty()) return {};
  const int length = MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<std::size_t>(length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), wide.data(), length);
  return wide;
}

// Drawn once on black and once on white: where the two differ the icon lets the background
// through, which gives every icon (with or without an alpha channel) its true transparency.
std::unique_ptr<GdiPlusImage> ProgramIcon(const std::wstring& path) {
  SHFILEINFOW file{};
  if (!SHGetFileInfoW(path.c_str(), 0, &file, sizeof file, SHGFI_ICON | SHGFI_LARGEICON) || !file.hIcon) {
    // A program on a drive not there now still shows the icon of its kind of file.
    file = SHFILEINFOW{};
    if (!SHGetFileInfoW(path.c_str(), FILE_ATTRIBUTE_NORMAL, &file, sizeof file,
                        SHGFI_ICON | SHGFI_LARGEICON | SHGFI_USEFILEATTRIBUTES) ||
        !file.hIcon) {
      return nullptr;
    }
  }
  const OwnedIcon icon(file.hIcon);
  const std::vector<std::uint32_t> onBlack = DrawnOn(icon.Get(), RGB(0, 0, 0));
  const std::vector<std::uint32_t> onWhite = DrawnOn(icon.Get(), RGB(255, 255, 255));
  if (onBlack.empty() || onWhite.empty()) return nullptr;
  std::vector<std::uint32_t> premultiplied(onBlack.size());
  for (std::size_t i = 0; i < onBlack.size(); ++i) {
    const int through = static_cast<int>(onWhite[i] & 0xFF) - static_cast<int>(onBlack[i] & 0xFF);
    const auto alpha = static_cast<std::uint32_t>(std::clamp(255 - through, 0, 255));
    // On black the colour is already multiplied by its alpha.
    premultiplied[i] = (alpha << 24) | (onBlack[i] & 0x00FFFFFF);
  }
  Gdiplus::Bitmap bitmap(kIconSize, kIconSize, kIconSize * 4, PixelFormat32bppPARGB,
                         reinterpret_cast<BYTE*>(premultiplied.data()));
  return GdiPlusImage::CopyOf(bitmap);
}

}  // namespace quillet::win
