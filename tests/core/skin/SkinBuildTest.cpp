#include <gtest/gtest.h>

#include "Fakes.h"
#include "RecordingCanvas.h"
#include "skin/BuiltInSkins.h"
#include "skin/Meters.h"
#include "skin/SkinBuilder.h"

namespace quillet {
namespace {

using testing::DrawCall;
using testing::FixedClock;
using testing::RecordingCanvas;
using testing::TableImageLoader;

class SkinBuildTest : public ::testing::Test {
 protected:
  SkinBuildTest() {
    images.AddFile("C:\\Skins\\A\\back.png", 200, 120);
    for (int id : {205, 207, 208, 211, 212, 239, 242, 247, 250, 251}) images.AddResource(id, 16, 16);
    images.AddResource(205, 144, 144);
  }

  std::optional<BuiltSkin> Build(const std::string& text, std::optional<int> resource = std::nullopt) {
    SkinFile file;
    file.LoadFromText(text);
    return BuildSkin(file, SkinBuildContext{images, clock, "C:\\Skins\\A\\", resource, 1000});
  }

  TableImageLoader images;
  FixedClock clock{LocalTime{2009, 1, 15, 12, 0, 15, 0, 4}};
};

TEST_F(SkinBuildTest, RolesMeasuresMetersAndBinding) {
  const std::optional<BuiltSkin> skin = Build(
      "[Background]\nBackground=back.png\nUpdate=500\nAboutSkin=about.png\n"
      "[RunCommand]\nLButtonDblClk=\"<HIDE_WINDOW>\"\n"
      "[Clock]\nMeasureType=time\n"
      "[Clock]\nMeasureType=Calendar\n"
      "[Cpu]\nMeasureType=CPU\n"
      "[Hand]\nDrawType=ROUNDLINE\nMeasureSection=Clock\n"
      "[Lower]\nDrawType=image\n"
      "[Label]\nDrawType=STRING\nMeasureSection=Cpu\n");
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->width, 200);
  EXPECT_EQ(skin->height, 120);
  EXPECT_EQ(skin->updateInterval, 500);
  EXPECT_EQ(skin->aboutImage, "about.png");
  EXPECT_EQ(skin->doubleClickCommand, "<HIDE_WINDOW>");
  ASSERT_EQ(skin->measures.size(), 2u);
  ASSERT_EQ(skin->meters.size(), 2u);  // "image" in lower case creates nothing
  EXPECT_EQ(skin->meters[0]->type(), MeterType::RoundLine);

  // The hand is bound to the first "Clock": the time, not the month count.
  RecordingCanvas canvas;
  BuiltSkin& built = const_cast<BuiltSkin&>(*skin);
  DrawSkin(built, canvas);
  ASSERT_FALSE(canvas.calls().empty());
  EXPECT_EQ(canvas.calls()[0].kind, DrawCall::Background);
  EXPECT_EQ(canvas.calls()[0].image, "C:\\Skins\\A\\back.png");
  const std::vector<DrawCall> lines = canvas.Of(DrawCall::Line);
  ASSERT_EQ(lines.size(), 1u);
  // Relative value of a huge seconds count, clamped to 1: a full turn, pointing right again.
  EXPECT_NEAR(lines[0].x2, 20.5, 0.05);
  // The label's measure does not exist: it draws its (empty) text unbound.
  EXPECT_EQ(canvas.Of(DrawCall::Text)[0].text, "");
}

TEST_F(SkinBuildTest, BackgroundSizesAndFailures) {
  std::optional<BuiltSkin> skin = Build("[Background]\nWindowWidth=300\nWindowHeight=50\n[A]\nDrawType=BITMAP\nX=1\n");
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->width, 300);
  EXPECT_EQ(skin->height, 50);
  EXPECT_FALSE(skin->background);
  EXPECT_EQ(skin->meters.size(), 1u);

  skin = Build("[Background]\nWindowWidth=1000000\nWindowHeight=-5\n");
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->width, 4096);
  EXPECT_EQ(skin->height, 1);

  EXPECT_FALSE(Build("[Background]\nBackground=missing.png\n"));
  skin = Build("[Background]\nBackground=missing.png\n", 205);  // a resource replaces the file
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->width, 144);
  EXPECT_FALSE(Build("[Background]\nBackground=x\n", 9999));
}

TEST_F(SkinBuildTest, TheDefaultClockAtNoonAndAQuarterMinute) {
  const std::optional<BuiltSkin> skin = Build(DefaultClockSkinText(), kClockBackground);
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->width, 144);
  ASSERT_EQ(skin->measures.size(), 2u);
  ASSERT_EQ(skin->meters.size(), 20u);
  RecordingCanvas canvas;
  DrawSkin(const_cast<BuiltSkin&>(*skin), canvas);
  const std::vector<DrawCall> drawn = canvas.Of(DrawCall::Image);
  ASSERT_EQ(drawn.size(), 1u + 2u + 2u);  // day name, two day digits, knob, gloss
  EXPECT_EQ(drawn[0].source.left, 4 * 10);  // Thursday
  EXPECT_EQ(drawn[1].source.left, 1 * 5);   // "15"
  EXPECT_EQ(drawn[2].source.left, 5 * 5);
  EXPECT_EQ(drawn[3].destination, (Rect{69, 64, 85, 80}));

  const std::vector<DrawCall> lines = canvas.Of(DrawCall::Line);
  ASSERT_EQ(lines.size(), 16u);
  const DrawCall& hour = lines[3];     // Hours02
  const DrawCall& minute = lines[9];   // Minutes02
  const DrawCall& second = lines[15];  // DrawTypeSeconds02
  EXPECT_NEAR(hour.x2, 72, 0.1);  // up
  EXPECT_LT(hour.y2, 68 - 34);
  EXPECT_GT(minute.x2, 72);  // just right of up
  EXPECT_LT(minute.x2, 72 + 3);
  EXPECT_NEAR(second.x2, 72 + 46, 0.1);  // 3 o'clock
  EXPECT_NEAR(second.y2, 68, 0.1);
  EXPECT_EQ(second.color, 0xFFC80000u);
  EXPECT_EQ(lines[0].color, 0x37000000u);  // shadows drawn first, with alpha 55
  EXPECT_EQ(lines[0].x1, 74);
}

TEST_F(SkinBuildTest, ThePlaceholderSkin) {
  const std::optional<BuiltSkin> skin = Build(kNoSkinText, kNoSkinBackground);
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->doubleClickCommand, "<CHANGE_SKIN>");
  EXPECT_TRUE(skin->meters.empty());
}

TEST_F(SkinBuildTest, NotificationsKeepEveryLineOfTheirMessage) {
  NotificationLook look;
  look.title = "[일 정]   2026/12/08 09:30";
  look.titleRed = 90;
  look.titleGreen = 100;
  look.titleBlue = 255;
  look.body = "첫째 줄\r\n둘째 줄 = 둘\r\n[셋째]";
  const SkinFile file = NotificationSkin(look);
  ASSERT_EQ(file.sections().size(), 3u);
  std::optional<BuiltSkin> skin = BuildSkin(file, SkinBuildContext{images, clock, "", 250, 1000});
  ASSERT_TRUE(skin);
  EXPECT_EQ(skin->background.get() != nullptr, true);  // the program's picture, though the text names none
  RecordingCanvas canvas;
  DrawSkin(*skin, canvas);
  const std::vector<DrawCall> texts = canvas.Of(DrawCall::Text);
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(texts[0].text, look.title);
  EXPECT_EQ(texts[0].style.color, 0xFF5A64FFu);
  EXPECT_EQ(texts[0].style.style, FontStyle::Bold);
  EXPECT_EQ(texts[1].text, look.body);
  EXPECT_EQ(texts[1].style.size, 10);  // between 20 and 159 bytes
  EXPECT_EQ(texts[1].box, (RectF{15, 33, 220, 90}));
  const std::vector<DrawCall> close = canvas.Of(DrawCall::Image);
  ASSERT_EQ(close.size(), 1u);
  EXPECT_EQ(close[0].image, "#242");
  EXPECT_EQ(close[0].destination, (Rect{215, 11, 230, 26}));

  look.layout = NotificationLayout::PostIt;
  skin = BuildSkin(NotificationSkin(look), SkinBuildContext{images, clock, "", 251, 1000});
  canvas.Reset();
  DrawSkin(*skin, canvas);
  EXPECT_EQ(canvas.Of(DrawCall::Text)[1].box, (RectF{15, 33, 210, 125}));
  EXPECT_EQ(canvas.Of(DrawCall::Image)[0].image, "#247");
}

TEST(NotificationBodySize, ByLengthInBytes) {
  EXPECT_EQ(NotificationBodySize(std::string(9, 'x')), 20);
  EXPECT_EQ(NotificationBodySize(std::string(10, 'x')), 12);
  EXPECT_EQ(NotificationBodySize(std::string(19, 'x')), 12);
  EXPECT_EQ(NotificationBodySize(std::string(20, 'x')), 10);
  EXPECT_EQ(NotificationBodySize(std::string(159, 'x')), 10);
  EXPECT_EQ(NotificationBodySize(std::string(160, 'x')), 8);
}

}  // namespace
}  // namespace quillet
