#include "SkinTestSupport.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "framework/GdiPlusApi.h"
#include "framework/GdiPlusSession.h"
#include "platform/Wide.h"

namespace quillet::win::skintest {

namespace {

class GdiPlusEnvironment : public ::testing::Environment {
  void SetUp() override { session_ = std::make_unique<GdiPlusSession>(); }
  void TearDown() override { session_.reset(); }
  std::unique_ptr<GdiPlusSession> session_;
};

const auto* const kGdiPlus = ::testing::AddGlobalTestEnvironment(new GdiPlusEnvironment);

}  // namespace

std::unique_ptr<GdiPlusImage> MakeImage(int width, int height, const std::vector<Argb>& rows) {
  auto bitmap = std::make_unique<Gdiplus::Bitmap>(width, height, PixelFormat32bppARGB);
  for (int i = 0; i < width * height; ++i) {
    bitmap->SetPixel(i % width, i / width, Gdiplus::Color(rows[static_cast<std::size_t>(i)]));
  }
  return std::make_unique<GdiPlusImage>(std::move(bitmap));
}

std::vector<Argb> PixelsOf(GdiPlusImage& image) {
  std::vector<Argb> pixels;
  for (int i = 0; i < image.Width() * image.Height(); ++i) {
    Gdiplus::Color color;
    image.Bitmap().GetPixel(i % image.Width(), i / image.Width(), &color);
    pixels.push_back(color.GetValue());
  }
  return pixels;
}

std::vector<Argb> PixelsOf(GdiPlusCanvas& canvas) {
  std::vector<Argb> pixels;
  Gdiplus::Rect all(0, 0, canvas.Width(), canvas.Height());
  Gdiplus::BitmapData data{};
  if (canvas.Surface()->LockBits(&all, Gdiplus::ImageLockModeRead, PixelFormat32bppARGB, &data) != Gdiplus::Ok) {
    ADD_FAILURE() << "cannot read the canvas";
    return pixels;
  }
  for (int y = 0; y < canvas.Height(); ++y) {
    const auto* row = reinterpret_cast<const Argb*>(static_cast<const unsigned char*>(data.Scan0) + y * data.Stride);
    pixels.insert(pixels.end(), row, row + canvas.Width());
  }
  canvas.Surface()->UnlockBits(&data);
  return pixels;
}

Argb PixelAt(GdiPlusCanvas& canvas, int x, int y) {
  Gdiplus::Color color;
  canvas.Surface()->GetPixel(x, y, &color);
  return color.GetValue();
}

int DifferentPixels(GdiPlusCanvas& a, GdiPlusCanvas& b, int tolerance) {
  const std::vector<Argb> first = PixelsOf(a);
  const std::vector<Argb> second = PixelsOf(b);
  if (first.size() != second.size()) return -1;
  int different = 0;
  for (std::size_t i = 0; i < first.size(); ++i) {
    for (int shift = 0; shift < 32; shift += 8) {
      const int apart = static_cast<int>((first[i] >> shift) & 0xFF) - static_cast<int>((second[i] >> shift) & 0xFF);
      if (apart > tolerance || apart < -tolerance) {
        ++different;
        break;
      }
    }
  }
  return different;
}

Ink InkOf(GdiPlusCanvas& canvas, int threshold) {
  Ink ink{0, canvas.Width(), canvas.Height(), 0, 0};
  const std::vector<Argb> pixels = PixelsOf(canvas);
  for (int i = 0; i < static_cast<int>(pixels.size()); ++i) {
    if (static_cast<int>(pixels[static_cast<std::size_t>(i)] >> 24) <= threshold) continue;
    const int x = i % canvas.Width();
    const int y = i / canvas.Width();
    ink = {ink.count + 1, std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x + 1),
           std::max(ink.bottom, y + 1)};
  }
  return ink.count ? ink : Ink{};
}

void DrawWithoutFallback(GdiPlusCanvas& canvas, const std::wstring& text, const std::wstring& face, int points,
                         const RectF& box) {
  std::unique_ptr<Gdiplus::FontFamily> family(face.empty() ? Gdiplus::FontFamily::GenericSansSerif()->Clone()
                                                           : new Gdiplus::FontFamily(face.c_str()));
  HDC screen = GetDC(nullptr);
  const auto dpi = static_cast<Gdiplus::REAL>(GetDeviceCaps(screen, LOGPIXELSX));
  ReleaseDC(nullptr, screen);
  Gdiplus::Font font(family.get(), static_cast<Gdiplus::REAL>(points) * 96 / dpi, Gdiplus::FontStyleRegular,
                     Gdiplus::UnitPoint);
  Gdiplus::StringFormat format(Gdiplus::StringFormatFlagsNoWrap | Gdiplus::StringFormatFlagsNoClip);
  Gdiplus::SolidBrush black(Gdiplus::Color(0xFF000000));
  Gdiplus::Graphics(canvas.Surface())
      .DrawString(text.c_str(), static_cast<INT>(text.size()), &font, Gdiplus::RectF(box.x, box.y, box.width, box.height),
                  &format, &black);
}

void Keep(GdiPlusCanvas& canvas, const std::string& name) {
  wchar_t program[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, program, MAX_PATH);
  std::wstring folder = program;
  folder = folder.substr(0, folder.find_last_of(L'\\') + 1) + L"skin-canvas-output";
  CreateDirectoryW(folder.c_str(), nullptr);
  EXPECT_TRUE(canvas.SavePng(NarrowToCp949(folder) + "\\" + name + ".png")) << name;
}

}  // namespace quillet::win::skintest
