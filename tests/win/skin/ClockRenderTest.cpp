#include <gtest/gtest.h>

#include <cmath>

#include "Fakes.h"
#include "SkinTestSupport.h"
#include "platform/Win32FileSystem.h"
#include "skin/BuiltInSkins.h"
#include "skin/GdiPlusImageLoader.h"
#include "skin/SkinBuilder.h"
#include "skin/SkinResources.h"

namespace quillet::win {
namespace {

constexpr float kCentreX = 72;
constexpr float kCentreY = 68;
constexpr double kPi = 3.14159265358979323846;

// The built-in analog clock at a moment, drawn for real and kept as a picture.
class ClockPicture {
 public:
  ClockPicture(const LocalTime& now, const std::string& name) : clock_(now), canvas_(144, 144) {
    SkinFile file;
    file.LoadFromText(DefaultClockSkinText());
    std::optional<BuiltSkin> skin = BuildSkin(file, SkinBuildContext{images_, clock_, "", kClockBackground, 1000});
    EXPECT_TRUE(skin);
    if (skin) DrawSkin(*skin, canvas_);
    skintest::Keep(canvas_, name);
  }

  // Whether a pixel within two of the point `radius` from the pivot towards a clock position (0–12,
  // 3 is right) is of the kind asked: the hands are black with a pale stripe down the middle.
  template <class Kind>
  bool Near(double clockPosition, double radius, Kind kind) {
    const double angle = (clockPosition / 12.0) * 2 * kPi - kPi / 2;
    const int x = static_cast<int>(std::lround(kCentreX + radius * std::cos(angle)));
    const int y = static_cast<int>(std::lround(kCentreY + radius * std::sin(angle)));
    for (int dy = -2; dy <= 2; ++dy) {
      for (int dx = -2; dx <= 2; ++dx) {
        if (kind(skintest::PixelAt(canvas_, x + dx, y + dy))) return true;
      }
    }
    return false;
  }

 private:
  Win32FileSystem files_;
  GdiPlusImageLoader images_{files_};
  testing::FixedClock clock_;
  GdiPlusCanvas canvas_;
};

int Red(Argb c) { return (c >> 16) & 0xFF; }
int Green(Argb c) { return (c >> 8) & 0xFF; }
int Blue(Argb c) { return c & 0xFF; }
bool IsHand(Argb c) { return Red(c) + Green(c) + Blue(c) < 3 * 90; }
bool IsSecondHand(Argb c) { return Red(c) > 140 && Green(c) < 80 && Blue(c) < 80; }

TEST(DefaultClock, NoonAndAQuarterMinute) {
  ClockPicture clock(LocalTime{2009, 1, 15, 12, 0, 15, 0, 4}, "clock-12-00-15");
  EXPECT_TRUE(clock.Near(0, 25, IsHand));            // the hour hand, up
  EXPECT_TRUE(clock.Near(0.03, 40, IsHand));         // the minute hand, just right of up
  EXPECT_TRUE(clock.Near(3, 35, IsSecondHand));      // the second hand at 3 o'clock
  EXPECT_FALSE(clock.Near(6, 30, IsHand));
  EXPECT_FALSE(clock.Near(9, 35, IsSecondHand));
  EXPECT_FALSE(clock.Near(1.5, 30, IsHand));
}

TEST(DefaultClock, TenPastTenAndHalfAMinute) {
  ClockPicture clock(LocalTime{2009, 1, 15, 10, 10, 30, 0, 4}, "clock-10-10-30");
  EXPECT_TRUE(clock.Near(10 + 10.5 / 60, 25, IsHand));
  EXPECT_TRUE(clock.Near(2.1, 38, IsHand));
  EXPECT_TRUE(clock.Near(6, 35, IsSecondHand));
  EXPECT_FALSE(clock.Near(4, 30, IsHand));
  EXPECT_FALSE(clock.Near(8, 30, IsHand));
  EXPECT_FALSE(clock.Near(0, 30, IsHand));
}

TEST(ProgramPictures, EveryBuiltInSkinPictureIsInTheProgramWithItsSize) {
  Win32FileSystem files;
  GdiPlusImageLoader images(files);
  for (const SkinResource& resource : kSkinResources) {
    const std::unique_ptr<SkinImage> picture = images.LoadResource(resource.id);
    ASSERT_TRUE(picture) << resource.id << " " << resource.use;
    EXPECT_EQ(picture->Width(), resource.width) << resource.id;
    EXPECT_EQ(picture->Height(), resource.height) << resource.id;
  }
}

}  // namespace
}  // namespace quillet::win
