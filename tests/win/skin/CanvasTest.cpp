#include <gtest/gtest.h>

#include <tuple>

#include "SkinTestSupport.h"
#include "framework/GdiPlusApi.h"

namespace quillet::win {
namespace {

using skintest::InkOf;
using skintest::Keep;
using skintest::PixelAt;

constexpr Argb kNone = 0x00000000;
constexpr Argb kRed = 0xFFFF0000;
constexpr Argb kGreen = 0xFF00FF00;
constexpr Argb kBlue = 0xFF0000FF;
constexpr Argb kYellow = 0xFFFFFF00;

// 4 × 4 in 2 × 2 quadrants: red, green / blue, yellow.
std::unique_ptr<GdiPlusImage> Quadrants() {
  std::vector<Argb> pixels;
  for (int i = 0; i < 16; ++i) pixels.push_back(i < 8 ? (i % 4 < 2 ? kRed : kGreen) : (i % 4 < 2 ? kBlue : kYellow));
  return skintest::MakeImage(4, 4, pixels);
}

TEST(GdiPlusCanvas, FillsExactlyTheRectangleSourceOver) {
  GdiPlusCanvas canvas(20, 20);
  ASSERT_TRUE(canvas.Valid());
  EXPECT_EQ(InkOf(canvas).count, 0);
  canvas.FillRect({2, 3, 7, 9}, 0xFF112233);
  const skintest::Ink ink = InkOf(canvas);
  EXPECT_EQ(ink.count, 5 * 6);
  EXPECT_EQ(std::make_tuple(ink.left, ink.top, ink.right, ink.bottom), std::make_tuple(2, 3, 7, 9));
  EXPECT_EQ(PixelAt(canvas, 6, 8), 0xFF112233u);

  canvas.FillRect({10, 0, 20, 10}, 0xFFFFFFFF);
  canvas.FillRect({10, 0, 15, 20}, 0x80FF0000);  // over white, and over nothing
  canvas.FillRect({0, 0, 20, 20}, 0x00FFFFFF);
  canvas.FillRect({9, 9, 4, 4}, kRed);  // upside down: nothing
  const Argb blended = PixelAt(canvas, 12, 5);
  EXPECT_EQ(blended >> 16, 0xFFFFu);
  EXPECT_NEAR((blended >> 8) & 0xFF, 127, 1);
  EXPECT_NEAR(blended & 0xFF, 127, 1);
  EXPECT_EQ(PixelAt(canvas, 12, 15), 0x80FF0000u);
  EXPECT_EQ(PixelAt(canvas, 0, 0), kNone);
  EXPECT_EQ(PixelAt(canvas, 8, 8), kNone);
  Keep(canvas, "fill-rect");
}

TEST(GdiPlusCanvas, BackgroundReplacesEveryPixelAndClearEmptiesAll) {
  const auto background = skintest::MakeImage(3, 2, skintest::kPattern);
  GdiPlusCanvas canvas(3, 2);
  canvas.FillRect({0, 0, 3, 2}, kGreen);
  canvas.DrawBackground(background.get());
  EXPECT_EQ(skintest::PixelsOf(canvas), skintest::kPattern);  // no green under the transparent pixels

  GdiPlusCanvas larger(5, 4);
  larger.FillRect({0, 0, 5, 4}, kGreen);
  larger.DrawBackground(background.get());
  EXPECT_EQ(PixelAt(larger, 2, 1), 0xFF123456u);
  EXPECT_EQ(PixelAt(larger, 4, 3), kNone);
  larger.DrawBackground(nullptr);
  canvas.Clear();
  EXPECT_EQ(InkOf(larger).count + InkOf(canvas).count, 0);
}

// Wine's GDI+ antialiases no shapes, so only hard pixels can be checked.
TEST(GdiPlusCanvas, LinesCoverWholePixelsAlongTheirCoordinates) {
  GdiPlusCanvas canvas(40, 40);
  canvas.DrawLine(2, 5, 30, 5, kRed, 1, false);
  const skintest::Ink row = InkOf(canvas);
  EXPECT_EQ(row.bottom - row.top, 1);
  EXPECT_EQ(row.top, 5);
  EXPECT_NEAR(row.left, 2, 1);
  EXPECT_NEAR(row.right, 30, 1);
  canvas.DrawLine(3, 10, 35, 30, kRed, 3, false);
  for (Argb pixel : skintest::PixelsOf(canvas)) EXPECT_TRUE(pixel >> 24 == 0 || pixel >> 24 == 255);
  canvas.DrawLine(3, 30, 35, 30, kBlue, 3, true);
  Keep(canvas, "lines");
  // Width 3 across the slope's middle, at y 20.3.
  EXPECT_EQ(PixelAt(canvas, 19, 19), kRed);
  EXPECT_EQ(PixelAt(canvas, 19, 21), kRed);
  EXPECT_EQ(PixelAt(canvas, 19, 17), kNone);
  EXPECT_EQ(PixelAt(canvas, 19, 23), kNone);
  EXPECT_EQ(PixelAt(canvas, 19, 30), kBlue);
}

TEST(GdiPlusCanvas, ImagesAreCopiedExactlyScaledCleanlyAndNothingBeyondThem) {
  const auto picture = Quadrants();
  GdiPlusCanvas canvas(40, 30);
  canvas.DrawImage(*picture, {0, 0, 4, 4}, {5, 5, 9, 9});
  const std::vector<Argb> source = skintest::PixelsOf(*picture);
  for (int i = 0; i < 16; ++i) EXPECT_EQ(PixelAt(canvas, 5 + i % 4, 5 + i / 4), source[i]) << i;

  // The green quadrant alone, four times larger: no neighbour bleeds in.
  canvas.DrawImage(*picture, {2, 0, 4, 2}, {20, 5, 28, 13});
  for (int i = 0; i < 64; ++i) EXPECT_EQ(PixelAt(canvas, 20 + i % 8, 5 + i / 8), kGreen) << i;
  // A frame beyond a strip's end shows nothing; one half beyond only its inside half.
  canvas.DrawImage(*picture, {4, 0, 8, 4}, {0, 20, 4, 24});
  canvas.DrawImage(*picture, {4, 0, 8, 4}, {0, 20, 8, 28});
  canvas.DrawImage(*picture, {2, 2, 6, 6}, {30, 20, 34, 24});
  EXPECT_EQ(PixelAt(canvas, 31, 21), kYellow);
  EXPECT_EQ(PixelAt(canvas, 32, 21), kNone);
  EXPECT_EQ(InkOf(canvas).count, 16 + 64 + 4);
  Keep(canvas, "images");

  // Translucent pixels blend over what is there, on the window's premultiplied surface too.
  const auto pattern = skintest::MakeImage(3, 2, skintest::kPattern);
  for (const Gdiplus::PixelFormat format : {PixelFormat32bppARGB, PixelFormat32bppPARGB}) {
    for (const Argb under : {kGreen, 0x80FF0000u}) {
      Gdiplus::Bitmap target(3, 2, format);
      GdiPlusCanvas over(target);
      over.FillRect({0, 0, 3, 2}, under);
      over.DrawImage(*pattern, {0, 0, 3, 2}, {0, 0, 3, 2});
      const Argb half = PixelAt(over, 0, 1);  // 0x80FFFFFF
      const Argb expected = under == kGreen ? 0xFF80FF80 : 0xC0FFAAAA;
      for (int shift = 0; shift < 32; shift += 8) {
        EXPECT_NEAR((half >> shift) & 0xFF, (expected >> shift) & 0xFF, 2) << format << " " << under << " " << shift;
      }
      EXPECT_EQ(PixelAt(over, 1, 1), under);  // a transparent pixel leaves it
      EXPECT_EQ(PixelAt(over, 2, 1), 0xFF123456u);
    }
  }
}

TEST(GdiPlusCanvas, PiesLeaveTheirHoleAndTheRestOfTheTurnEmpty) {
  GdiPlusCanvas canvas(60, 60);
  // From 3 o'clock a quarter turn clockwise, around (30, 30), radii 8 to 20.
  canvas.FillPie(30, 30, 20, 0, 90, 8, kBlue, true);
  Keep(canvas, "pie-with-hole");
  for (auto [x, y] : {std::pair{33, 33}, {31, 31}, {45, 25}, {20, 40}, {46, 46}}) {
    EXPECT_EQ(PixelAt(canvas, x, y), kNone) << x << "," << y;
  }
  for (auto [x, y] : {std::pair{40, 40}, {45, 33}, {33, 45}}) EXPECT_EQ(PixelAt(canvas, x, y), kBlue) << x << "," << y;
  const skintest::Ink ink = InkOf(canvas);
  EXPECT_TRUE(ink.left >= 30 && ink.top >= 30 && ink.right <= 51 && ink.bottom <= 51);
  EXPECT_NEAR(ink.count, 3.14159 * (400 - 64) / 4, 26);
  canvas.FillRect({29, 29, 35, 35}, kRed);  // the hole is not kept for what comes next
  EXPECT_EQ(PixelAt(canvas, 31, 31), kRed);

  GdiPlusCanvas half(60, 60);
  half.FillPie(30, 30, 20, 180, 180, 0, kBlue, false);
  EXPECT_EQ(PixelAt(half, 29, 29), kBlue);
  EXPECT_EQ(PixelAt(half, 30, 31), kNone);
}

TEST(GdiPlusCanvas, RotatedImagesTurnClockwiseAboutTheirOffsetPoint) {
  // 12 × 6: a red 4 × 4 block top left, green in the last four columns, blue between. Wine samples
  // turned pictures half a pixel off, so only pixels well inside the blocks are checked.
  std::vector<Argb> pixels;
  for (int i = 0; i < 72; ++i) pixels.push_back(i % 12 < 4 && i / 12 < 4 ? kRed : i % 12 >= 8 ? kGreen : kBlue);
  const auto picture = skintest::MakeImage(12, 6, pixels);

  GdiPlusCanvas canvas(40, 40);
  canvas.DrawRotatedImage(*picture, 20, 20, 90, 0, 0);
  Keep(canvas, "rotated-90");
  // A quarter turn clockwise maps (x, y) to (20 − y, 20 + x).
  EXPECT_EQ(PixelAt(canvas, 18, 22), kRed);
  EXPECT_EQ(PixelAt(canvas, 17, 30), kGreen);
  EXPECT_EQ(PixelAt(canvas, 16, 26), kBlue);
  EXPECT_EQ(PixelAt(canvas, 22, 22), kNone);  // where the red would be unturned
  const skintest::Ink ink = InkOf(canvas, 128);
  EXPECT_TRUE(ink.left >= 13 && ink.left <= 15 && ink.right >= 19 && ink.right <= 21) << ink.left << " " << ink.right;
  EXPECT_TRUE(ink.top >= 19 && ink.top <= 21 && ink.bottom >= 31 && ink.bottom <= 33) << ink.top << " " << ink.bottom;

  // The picture's centre (6, 3) on (20, 20): (x, y) goes to (23 − y, 14 + x).
  GdiPlusCanvas centred(40, 40);
  centred.DrawRotatedImage(*picture, 20, 20, 90, 6, 3);
  EXPECT_EQ(PixelAt(centred, 21, 16), kRed);
  EXPECT_EQ(PixelAt(centred, 19, 24), kGreen);
  centred.FillRect({0, 0, 2, 2}, kYellow);  // the turn is not kept for what comes next
  EXPECT_EQ(PixelAt(centred, 1, 1), kYellow);
  EXPECT_EQ(PixelAt(centred, 2, 2), kNone);
}

}  // namespace
}  // namespace quillet::win
