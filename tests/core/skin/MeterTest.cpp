#include <gtest/gtest.h>

#include <cmath>

#include "Fakes.h"
#include "RecordingCanvas.h"
#include "skin/Measure.h"
#include "skin/Meters.h"
#include "skin/SkinFile.h"

namespace quillet {
namespace {

using testing::DrawCall;
using testing::FixedClock;
using testing::RecordingCanvas;
using testing::TableImageLoader;

using Keys = std::initializer_list<std::pair<const char*, const char*>>;

SkinSection Section(Keys keys) {
  SkinSection section("S");
  for (const auto& [key, value] : keys) section.Set(key, value);
  return section;
}

// A measure with a value of the test's choosing.
class FixedMeasure final : public Measure {
 public:
  FixedMeasure(double value, std::string text = "") : Measure("M"), text_(std::move(text)) { value_ = value; }
  void Update() override {}
  std::string Text() const override { return text_; }

 private:
  void ConfigureType(const SkinSection&) override {}
  std::string text_;
};

class MeterTest : public ::testing::Test {
 protected:
  MeterTest() {
    images.AddFile("C:\\Skin\\digits.png", 100, 12);
    images.AddFile("C:\\Skin\\strip.png", 90, 30);
    images.AddFile("C:\\Skin\\face.png", 40, 20);
    images.AddFile("C:\\Skin\\one.png", 30, 30);
    images.AddResource(207, 8, 9);
  }

  // Configures, binds, updates and draws one meter; returns what it drew.
  std::vector<DrawCall> Drawn(std::unique_ptr<Meter>& meter, Keys keys, const Measure* measure = nullptr) {
    MeterContext context{images, "C:\\Skin\\"};
    meter->Configure(Section(keys), context);
    meter->Bind(measure);
    meter->Update();
    canvas.Reset();
    meter->Draw(canvas);
    return canvas.calls();
  }

  TableImageLoader images;
  RecordingCanvas canvas;
};

TEST_F(MeterTest, CommonKeysFillBevelAndHide) {
  std::unique_ptr<Meter> meter = std::make_unique<ImageMeter>();
  std::vector<DrawCall> calls =
      Drawn(meter, {{"X", "10"}, {"Y", "20"}, {"W", "5"}, {"H", "4"}, {"SolidColor", "255,0,0,128"}, {"BevelType", "2"}});
  ASSERT_EQ(calls.size(), 9u);  // fill, eight bevel lines, no image
  EXPECT_EQ(calls[0].destination, (Rect{10, 20, 15, 24}));
  EXPECT_EQ(calls[0].color, 0x80FF0000u);
  // Bevel type 2 swaps the light and dark pens; the first line is the left edge of (8, 18, 9 × 8).
  EXPECT_EQ(calls[1].color, 0xFF000000u);
  EXPECT_EQ(calls[1].x1, 8);
  EXPECT_EQ(calls[1].y2, 25);
  EXPECT_EQ(calls[5].color, 0xFFFFFFFFu);

  calls = Drawn(meter, {{"SolidColor", "255,0,0,0"}});
  EXPECT_TRUE(calls.empty());  // no alpha: no fill

  meter = std::make_unique<ImageMeter>();
  calls = Drawn(meter, {{"Hidden", "1"}, {"SolidColor", "FF0000"}, {"ImageName", "face.png"}});
  EXPECT_TRUE(calls.empty());
  EXPECT_EQ(meter->Width(), 0);
  EXPECT_EQ(meter->Height(), 0);
}

TEST_F(MeterTest, ImagesTakeTheirSizeUnlessBothSidesAreGiven) {
  std::unique_ptr<Meter> image = std::make_unique<ImageMeter>();
  std::vector<DrawCall> calls = Drawn(image, {{"ImageName", "\"face.png\""}, {"X", "3"}, {"Y", "4"}});
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].image, "C:\\Skin\\face.png");
  EXPECT_EQ(calls[0].destination, (Rect{3, 4, 43, 24}));

  image = std::make_unique<ImageMeter>();
  calls = Drawn(image, {{"ImageName", "face.png"}, {"W", "10"}, {"H", "10"}});
  EXPECT_EQ(calls[0].destination, (Rect{0, 0, 10, 10}));
  EXPECT_EQ(calls[0].source, (Rect{0, 0, 40, 20}));  // scaled into the box

  image = std::make_unique<ImageMeter>();
  calls = Drawn(image, {{"ImageID", "207"}, {"W", "0"}, {"H", "0"}, {"X", "69"}, {"Y", "64"}});
  EXPECT_EQ(calls[0].destination, (Rect{69, 64, 77, 73}));

  image = std::make_unique<ImageMeter>();
  EXPECT_TRUE(Drawn(image, {{"ImageName", "missing.png"}}).empty());
}

TEST_F(MeterTest, FramesFromTheMeasuresNumber) {
  std::unique_ptr<Meter> frames = std::make_unique<FrameImageMeter>();
  FixedMeasure seven(7.9);
  std::vector<DrawCall> calls = Drawn(frames, {{"ImageName", "strip.png"}, {"W", "30"}, {"H", "30"}}, &seven);
  EXPECT_EQ(calls[0].source, (Rect{210, 0, 240, 30}));  // frame 7 of a strip of three: outside, as it always was

  frames = std::make_unique<FrameImageMeter>();
  calls = Drawn(frames,
                {{"ImageName", "strip.png"}, {"W", "30"}, {"H", "30"}, {"ValueMax", "3"}, {"RevisionVal", "1"}},
                &seven);
  EXPECT_EQ(calls[0].source, (Rect{60, 0, 90, 30}));  // (1 + 7) mod 3 = 2

  frames = std::make_unique<FrameImageMeter>();
  calls = Drawn(frames, {{"ImageName", "strip.png"}, {"W", "90"}, {"H", "10"}, {"VerticalFrame", "1"},
                         {"ValueDiv", "0"}},
                &seven);
  EXPECT_EQ(calls[0].source, (Rect{0, 10, 90, 20}));  // the relative value at the top of the range: frame 1
}

TEST_F(MeterTest, NumbersDrawOneCellPerDigit) {
  FixedMeasure seven(7);
  std::unique_ptr<Meter> number = std::make_unique<NumImageMeter>();
  std::vector<DrawCall> calls =
      Drawn(number, {{"ImageName", "digits.png"}, {"W", "10"}, {"H", "12"}, {"Cipher", "2"}, {"X", "50"}}, &seven);
  ASSERT_EQ(calls.size(), 2u);
  EXPECT_EQ(calls[0].source, (Rect{0, 0, 10, 12}));
  EXPECT_EQ(calls[1].source, (Rect{70, 0, 80, 12}));
  EXPECT_EQ(calls[1].destination, (Rect{60, 0, 70, 12}));

  number = std::make_unique<NumImageMeter>();
  calls = Drawn(number, {{"ImageName", "digits.png"}, {"W", "10"}, {"H", "12"}, {"Cipher", "2"}, {"FitCipher", "0"}},
                &seven);
  ASSERT_EQ(calls.size(), 1u);  // the padding space leaves its cell empty
  EXPECT_EQ(calls[0].destination, (Rect{10, 0, 20, 12}));

  FixedMeasure many(123);
  number = std::make_unique<NumImageMeter>();
  calls = Drawn(number, {{"ImageName", "digits.png"}, {"W", "10"}, {"H", "12"}, {"Space", "2"}, {"X", "100"},
                         {"AlignLeftTop", "0"}},
                &many);
  ASSERT_EQ(calls.size(), 3u);
  EXPECT_EQ(calls[2].destination.left, 100 - 2 * 12);  // towards decreasing x

  number = std::make_unique<NumImageMeter>();
  calls = Drawn(number, {{"ImageName", "digits.png"}, {"W", "10"}, {"H", "12"}, {"Vertical", "1"}, {"Space", "3"}},
                &many);
  EXPECT_EQ(calls[1].destination, (Rect{0, 15, 10, 27}));

  number = std::make_unique<NumImageMeter>();
  EXPECT_EQ(Drawn(number, {{"ImageName", "digits.png"}, {"W", "10"}, {"H", "12"}, {"Cipher", "1000000000"}}, &seven)
                .size(),
            64u);  // a damaged Cipher is held to 64 cells
}

TEST_F(MeterTest, TheDayOfTheWeekFromTheTimeMeasure) {
  // Seconds of a Sunday and of a Thursday (1970-01-01 was a Thursday).
  for (const auto& [seconds, cell] : {std::pair{3 * 86400.0 + 100, 0}, std::pair{0.0 + 500, 4}}) {
    FixedMeasure time(seconds);
    std::unique_ptr<Meter> day = std::make_unique<NumImageMeter>();
    const std::vector<DrawCall> calls = Drawn(day,
                                              {{"ImageName", "digits.png"}, {"W", "10"}, {"H", "6"},
                                               {"ValueDiv", "86400"}, {"ValueMax", "7"}, {"RevisionVal", "4"}},
                                              &time);
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].source.left, cell * 10) << seconds;
  }
}

TEST_F(MeterTest, HandsPointByTheRemainderOfTheirModulus) {
  const auto endOf = [&](double seconds) {
    FixedMeasure time(seconds);
    std::unique_ptr<Meter> hand = std::make_unique<RoundLineMeter>();
    const std::vector<DrawCall> calls =
        Drawn(hand,
              {{"X", "8"}, {"Y", "4"}, {"W", "128"}, {"H", "128"}, {"LineLength", "46"}, {"StartAngle", "4.7124"},
               {"ValueRemainder", "60"}, {"LineColor", "200, 0, 0, 255"}, {"AntiAlias", "1"}, {"LineWidth", "2"}},
              &time);
    EXPECT_EQ(calls.size(), 1u);
    EXPECT_TRUE(calls[0].antiAlias);
    EXPECT_EQ(calls[0].color, 0xFFC80000u);
    EXPECT_EQ(calls[0].x1, 72);  // from the centre of the box
    EXPECT_EQ(calls[0].y1, 68);
    return std::pair{calls[0].x2, calls[0].y2};
  };
  const auto [rightX, rightY] = endOf(12 * 3600 + 15);  // 3 o'clock
  EXPECT_NEAR(rightX, 72 + 46, 0.05);
  EXPECT_NEAR(rightY, 68, 0.05);
  const auto [upX, upY] = endOf(12 * 3600);
  EXPECT_NEAR(upX, 72, 0.05);
  EXPECT_NEAR(upY, 68 - 46, 0.05);

  // ValueRemainder overrides ValueReminder; without a modulus the relative value turns the hand.
  FixedMeasure half(0.5);
  std::unique_ptr<Meter> relative = std::make_unique<RoundLineMeter>();
  std::vector<DrawCall> calls = Drawn(relative, {{"W", "0"}, {"H", "0"}, {"LineLength", "10"}, {"LineStart", "4"}},
                                      &half);
  EXPECT_NEAR(calls[0].x1, -4, 0.01);  // half a turn from pointing right, starting 4 out
  EXPECT_NEAR(calls[0].x2, -10, 0.01);
}

TEST_F(MeterTest, PiesLeaveOutTheirHole) {
  FixedMeasure quarter(0.25);
  std::unique_ptr<Meter> pie = std::make_unique<RoundLineMeter>();
  std::vector<DrawCall> calls = Drawn(pie,
                                      {{"W", "60"}, {"H", "60"}, {"Solid", "1"}, {"LineStart", "10"},
                                       {"LineLength", "30"}, {"StartAngle", "-1.5708"}, {"LineColor", "00FF00"}},
                                      &quarter);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].kind, DrawCall::Pie);
  EXPECT_EQ(calls[0].width, 30);
  EXPECT_EQ(calls[0].hole, 10);
  EXPECT_NEAR(calls[0].start, -90, 0.01);
  EXPECT_NEAR(calls[0].sweep, 90, 0.01);
  EXPECT_EQ(calls[0].x1, 30);
}

TEST_F(MeterTest, RotatorsTurnTheirImageAboutTheBoxCentre) {
  FixedMeasure thirty(30);
  std::unique_ptr<Meter> rotator = std::make_unique<RotatorMeter>();
  const std::vector<DrawCall> calls = Drawn(rotator,
                                            {{"ImageName", "one.png"}, {"X", "10"}, {"Y", "10"}, {"W", "40"},
                                             {"H", "40"}, {"ValueReminder", "60"}, {"OffsetX", "15"}, {"OffsetY", "28"}},
                                            &thirty);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].x1, 30);
  EXPECT_EQ(calls[0].y1, 30);
  EXPECT_NEAR(calls[0].start, 180, 0.01);
  EXPECT_EQ(calls[0].x2, 15);
  EXPECT_EQ(calls[0].y2, 28);
}

TEST_F(MeterTest, StringsJoinTheirPartsAndAnchorTheirBox) {
  FixedMeasure fifteen(15, "15");
  std::unique_ptr<Meter> text = std::make_unique<StringMeter>();
  std::vector<DrawCall> calls =
      Drawn(text, {{"Prefix", "<"}, {"Text", "Day %1 of month, %1"}, {"Postfix", ">"}, {"X", "100"}, {"W", "80"},
                   {"H", "20"}, {"StringAlign", "right"}, {"StringVAlign", "CENTER"}, {"StringStyle", "BoldItalic"},
                   {"FontFace", "\"굴림\""}, {"FontSize", "9"}, {"ClipString", "1"}, {"AntiAlias", "1"}},
            &fifteen);
  ASSERT_EQ(calls.size(), 1u);
  EXPECT_EQ(calls[0].text, "<Day 15 of month, 15>");
  EXPECT_EQ(calls[0].box, (RectF{20, 0, 80, 20}));
  EXPECT_EQ(calls[0].style.horizontal, TextAlign::Far);
  EXPECT_EQ(calls[0].style.vertical, TextAlign::Center);
  EXPECT_EQ(calls[0].style.style, FontStyle::BoldItalic);
  EXPECT_EQ(calls[0].style.face, "굴림");
  EXPECT_EQ(calls[0].style.size, 9);
  EXPECT_TRUE(calls[0].style.clip);
  EXPECT_TRUE(calls[0].style.antiAlias);
  EXPECT_EQ(text->X(), 20);

  text = std::make_unique<StringMeter>();
  calls = Drawn(text, {{"X", "100"}, {"W", "81"}, {"StringAlign", "CENTER"}}, &fifteen);
  EXPECT_EQ(calls[0].text, "15");  // no Text: the measure's text alone
  EXPECT_EQ(calls[0].box.x, 60);
  EXPECT_EQ(calls[0].style.face, "Tahoma");
  EXPECT_EQ(calls[0].style.vertical, TextAlign::Near);

  text = std::make_unique<StringMeter>();
  calls = Drawn(text, {{"Text", "Day %1"}, {"StringAlign", "middle"}});
  EXPECT_EQ(calls[0].text, "Day %1");  // no measure: no substitution
  EXPECT_EQ(calls[0].style.horizontal, TextAlign::Near);
}

TEST_F(MeterTest, ButtonsFollowTheMouse) {
  auto button = std::make_unique<ButtonMeter>();
  std::unique_ptr<Meter> asMeter(button.release());
  auto* raw = static_cast<ButtonMeter*>(asMeter.get());
  std::vector<DrawCall> calls =
      Drawn(asMeter, {{"ImageName", "strip.png"}, {"W", "30"}, {"H", "30"}, {"X", "5"}, {"Command", "\"Close\""}});
  EXPECT_EQ(raw->command(), "Close");
  EXPECT_EQ(calls[0].source, (Rect{30, 0, 60, 30}));  // normal
  EXPECT_TRUE(raw->TrackMouse(10, 10, false));
  EXPECT_EQ(raw->state(), ButtonMeter::Hover);
  EXPECT_FALSE(raw->TrackMouse(11, 10, false));
  EXPECT_TRUE(raw->TrackMouse(10, 10, true));
  EXPECT_EQ(raw->state(), ButtonMeter::Pressed);
  EXPECT_TRUE(raw->TrackMouse(100, 10, true));
  EXPECT_EQ(raw->state(), ButtonMeter::Normal);
  canvas.Reset();
  raw->TrackMouse(35, 30, true);  // the far corner still hits
  raw->Draw(canvas);
  EXPECT_EQ(canvas.calls()[0].source, (Rect{0, 0, 30, 30}));

  // One frame and no size: the whole image is the frame; the other states draw outside it.
  std::unique_ptr<Meter> single = std::make_unique<ButtonMeter>();
  calls = Drawn(single, {{"ImageName", "one.png"}});
  EXPECT_EQ(calls[0].source, (Rect{30, 0, 60, 30}));
}

TEST_F(MeterTest, ExtremeSkinValuesSaturateInsteadOfOverflowing) {
  constexpr const char* kMax = "2147483647";
  constexpr const char* kMin = "-2147483648";
  const struct {
    const char* drawType;
    std::vector<std::pair<std::string, std::string>> keys;
  } cases[] = {
      {"IMAGE", {{"ImageName", "face.png"}, {"X", kMax}, {"Y", kMax}, {"W", "10"}, {"H", "10"}, {"SolidColor", "FF0000"}}},
      {"IMAGE", {{"X", kMin}, {"Y", kMin}, {"BevelType", "1"}}},
      {"IMAGE", {{"W", kMax}, {"H", kMax}, {"BevelType", "2"}}},
      {"FRAMEIMAGE", {{"ImageName", "strip.png"}, {"X", kMax}, {"W", "30"}, {"H", "30"}}},
      {"NUMIMAGE", {{"ImageName", "digits.png"}, {"W", "10"}, {"H", "12"}, {"Cipher", "3"}, {"Space", kMax}}},
      {"NUMIMAGE", {{"ImageName", "digits.png"}, {"W", "10"}, {"H", "12"}, {"Cipher", "3"}, {"Space", kMax},
                    {"Vertical", "1"}}},
      {"NUMIMAGE", {{"ImageName", "digits.png"}, {"X", kMin}, {"W", "10"}, {"H", "12"}, {"Cipher", "3"},
                    {"Space", kMax}, {"AlignLeftTop", "0"}}},
      {"STRING", {{"X", kMin}, {"W", "10"}, {"StringAlign", "RIGHT"}}},
      {"STRING", {{"X", kMin}, {"W", kMax}, {"StringAlign", "CENTER"}}},
      {"BUTTON", {{"ImageName", "strip.png"}, {"X", kMax}, {"Y", kMax}, {"W", "30"}, {"H", "30"}}},
  };
  FixedMeasure many(123);
  for (const auto& c : cases) {
    std::unique_ptr<Meter> meter = MakeMeter(c.drawType);
    MeterContext context{images, "C:\\Skin\\"};
    SkinSection section("S");
    for (const auto& [key, value] : c.keys) section.Set(key, value);
    meter->Configure(section, context);
    meter->Bind(&many);
    meter->Update();
    canvas.Reset();
    meter->Draw(canvas);
    EXPECT_FALSE(canvas.calls().empty()) << c.drawType;
    for (const DrawCall& call : canvas.calls()) {
      EXPECT_LE(call.destination.left, call.destination.right) << c.drawType;
      EXPECT_LE(call.destination.top, call.destination.bottom) << c.drawType;
    }
    EXPECT_TRUE(meter->HitTest(meter->X(), meter->Y())) << c.drawType;
  }
}

TEST_F(MeterTest, UpdateDividersHoldValuesBack) {
  FixedMeasure first(1);
  std::unique_ptr<Meter> frames = std::make_unique<FrameImageMeter>();
  MeterContext context{images, "C:\\Skin\\"};
  frames->Configure(Section({{"ImageName", "strip.png"}, {"W", "30"}, {"H", "30"}, {"UpdateDivider", "3"}}), context);
  frames->Bind(&first);
  EXPECT_TRUE(frames->Update());  // the first tick always updates
  EXPECT_FALSE(frames->Update());
  EXPECT_FALSE(frames->Update());
  EXPECT_TRUE(frames->Update());
}

}  // namespace
}  // namespace quillet
