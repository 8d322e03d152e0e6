#include <gtest/gtest.h>

#include "SkinTestSupport.h"
#include "framework/GdiPlusApi.h"
#include "platform/Wide.h"

namespace quillet::win {
namespace {

using skintest::DifferentPixels;
using skintest::InkOf;
using skintest::Keep;

TextStyle Style(const char* face, int size, TextAlign horizontal = TextAlign::Near,
                TextAlign vertical = TextAlign::Near) {
  TextStyle style;
  style.face = face;
  style.size = size;
  style.horizontal = horizontal;
  style.vertical = vertical;
  return style;
}

TEST(GdiPlusCanvasText, HangulInAFaceWithoutItIsDrawnInAKoreanFaceNotAsBoxes) {
  const RectF box{4, 4, 190, 30};
  for (const std::string text : {"한글", "오전 10:30 일정"}) {
    GdiPlusCanvas tahoma(200, 40), nanum(200, 40), missing(200, 40), boxes(200, 40);
    tahoma.DrawText(text, box, Style("Tahoma", 14));
    nanum.DrawText(text, box, Style("NanumGothic", 14));
    missing.DrawText(text, box, Style("NoSuchFont", 14));
    // The same text with a box wherever a Korean glyph would be: a character no font has.
    std::wstring asBoxes = WidenCp949(text);
    for (wchar_t& c : asBoxes) c = c < 0x80 ? c : 0xE000;
    skintest::DrawWithoutFallback(boxes, asBoxes, L"Tahoma", 14, box);
    Keep(tahoma, "hangul-" + std::to_string(text.size()) + "-tahoma");
    Keep(boxes, "hangul-" + std::to_string(text.size()) + "-boxes");

    EXPECT_GT(InkOf(tahoma).count, 40);
    EXPECT_EQ(DifferentPixels(tahoma, nanum), 0);
    EXPECT_EQ(DifferentPixels(missing, nanum), 0);
    EXPECT_GT(DifferentPixels(tahoma, boxes), 40);
  }
  // Text with every glyph in Tahoma stays in Tahoma; a missing face is the generic sans serif.
  GdiPlusCanvas latin(200, 40), nanumLatin(200, 40), missing(200, 40), generic(200, 40);
  latin.DrawText("Quillet 12:34", box, Style("Tahoma", 14));
  nanumLatin.DrawText("Quillet 12:34", box, Style("NanumGothic", 14));
  missing.DrawText("Quillet 12:34", box, Style("NoSuchFont", 14));
  skintest::DrawWithoutFallback(generic, L"Quillet 12:34", L"", 14, box);
  EXPECT_GT(DifferentPixels(latin, nanumLatin), 40);
  EXPECT_GT(InkOf(missing).count, 40);
  EXPECT_EQ(DifferentPixels(missing, generic), 0);
}

TEST(GdiPlusCanvasText, SizesArePointsAt96DotsPerInchAndStylesApply) {
  const RectF box{2, 2, 96, 56};
  GdiPlusCanvas small(100, 60), large(100, 60), none(100, 60);
  small.DrawText("H", box, Style("Tahoma", 10));
  large.DrawText("H", box, Style("Tahoma", 20));
  none.DrawText("H", box, Style("Tahoma", 0));
  // Tahoma's capitals are 0.72 em high; 20 points at 96 dots per inch are 26.7 pixels.
  EXPECT_NEAR(InkOf(small, 128).bottom - InkOf(small, 128).top, 9.6, 1);
  EXPECT_NEAR(InkOf(large, 128).bottom - InkOf(large, 128).top, 19.2, 1);
  EXPECT_EQ(InkOf(none).count, 0);

  // Wine draws Tahoma's bold as its regular, so another face.
  GdiPlusCanvas regular(100, 60), bold(100, 60);
  TextStyle style = Style("NanumGothic", 14);
  regular.DrawText("Quillet", box, style);
  style.style = FontStyle::Bold;
  bold.DrawText("Quillet", box, style);
  EXPECT_GT(InkOf(bold, 128).count, InkOf(regular, 128).count * 5 / 4);
}

TEST(GdiPlusCanvasText, AlignmentPutsTheInkAtTheNearEdgeTheMiddleOrTheFarEdge) {
  const RectF box{10, 10, 180, 40};
  const auto inked = [&](TextAlign align, const std::string& name) {
    GdiPlusCanvas canvas(200, 60);
    TextStyle style = Style("Tahoma", 12, align, align);
    style.color = 0xFF0000FF;
    canvas.DrawText("12:34", box, style);
    Keep(canvas, "align-" + name);
    for (Argb pixel : skintest::PixelsOf(canvas)) EXPECT_TRUE(pixel == 0 || (pixel & 0xFFFFFF) == 0x0000FF);
    return InkOf(canvas, 128);
  };
  const skintest::Ink near = inked(TextAlign::Near, "near");
  const skintest::Ink middle = inked(TextAlign::Center, "center");
  const skintest::Ink far = inked(TextAlign::Far, "far");
  EXPECT_TRUE(near.left >= 10 && near.left <= 15 && near.top >= 10 && near.top <= 16) << near.left << " " << near.top;
  EXPECT_NEAR((middle.left + middle.right) / 2.0, 100, 2);
  EXPECT_NEAR((middle.top + middle.bottom) / 2.0, 30, 3);
  EXPECT_TRUE(far.right >= 185 && far.right <= 190 && far.bottom >= 42 && far.bottom <= 50)
      << far.right << " " << far.bottom;
  EXPECT_EQ(far.right - far.left, near.right - near.left);
}

TEST(GdiPlusCanvasText, ClippedTextWrapsInsideTheBoxOtherwiseRunsPastIt) {
  const char* const text = "가나다라마바사아자차카타파하 ABCDEFGHIJ";
  const RectF box{40, 20, 60, 40};
  TextStyle style = Style("Tahoma", 12);
  style.clip = true;
  GdiPlusCanvas clipped(300, 100), running(300, 100), leftwards(300, 100);
  clipped.DrawText(text, box, style);
  Keep(clipped, "clip-on");
  const skintest::Ink inside = InkOf(clipped);
  EXPECT_TRUE(inside.left >= 40 && inside.top >= 20 && inside.right <= 100 && inside.bottom <= 60);
  EXPECT_GT(inside.bottom - inside.top, 24);  // more than one line

  style.clip = false;
  running.DrawText(text, box, style);
  Keep(running, "clip-off");
  EXPECT_GT(InkOf(running).right, 160);
  EXPECT_LT(InkOf(running).bottom - InkOf(running).top, 20);  // one line
  style.horizontal = TextAlign::Far;
  leftwards.DrawText(text, box, style);
  EXPECT_LT(InkOf(leftwards).left, 40);
  EXPECT_LE(InkOf(leftwards).right, 100);
}

// A text drawn again comes from a picture made on its second drawing; it must look as drawn anew,
// over a background, at fractional places, on the window's premultiplied surface too.
TEST(GdiPlusCanvasText, TextDrawnAgainFromItsPictureLooksAsDrawnAnew) {
  struct Case {
    const char* text;
    RectF box;
    TextAlign align;
    bool clip, antiAlias, premultiplied;
  };
  const Case cases[] = {
      {"2월 7일 (음력 1/1 )", {30, 1, 190, 28}, TextAlign::Near, false, true, false},
      {"시험 -  [ 10 ]일 남음", {30.5f, 40.25f, 120, 22}, TextAlign::Near, true, true, true},
      {"가나다라마바사아자차카타파하", {10, 70, 60, 40}, TextAlign::Near, true, false, false},
      {"프로그램 12", {0, 120, 46, 14}, TextAlign::Center, false, false, true},
      {"12:34", {100, 130, 90, 40}, TextAlign::Far, false, true, false},
  };
  int index = 0;
  for (const Case& c : cases) {
    auto surface = [&c] {
      return std::make_unique<Gdiplus::Bitmap>(200, 180, c.premultiplied ? PixelFormat32bppPARGB : PixelFormat32bppARGB);
    };
    auto onceBitmap = surface(), againBitmap = surface();
    GdiPlusCanvas once(*onceBitmap), again(*againBitmap);
    TextStyle style = Style("Tahoma", 10, c.align, TextAlign::Center);
    style.clip = c.clip;
    style.antiAlias = c.antiAlias;
    style.color = 0xFF385488;
    const auto draw = [&](GdiPlusCanvas& canvas) {
      canvas.Clear();
      canvas.FillRect({0, 0, 200, 90}, 0xC0F4E8C8);  // a translucent tile under some texts
      canvas.DrawText(c.text, c.box, style);
    };
    draw(once);
    for (int time = 0; time < 3; ++time) draw(again);
    Keep(again, "again-" + std::to_string(index++));
    EXPECT_GT(InkOf(again).count, 0) << c.text;
    // Blends round apart by a step or two, which reading premultiplied pixels back can make three.
    EXPECT_EQ(DifferentPixels(once, again, 3), 0) << c.text;
  }
}

}  // namespace
}  // namespace quillet::win
