#include "skin/Meter.h"

#include <cmath>
#include <limits>

#include "geometry/Saturate.h"
#include "skin/CalendarMeter.h"
#include "skin/LauncherMeter.h"
#include "skin/Measure.h"
#include "skin/Meters.h"
#include "skin/ScheduleMeter.h"
#include "skin/SkinFile.h"

namespace quillet {

namespace {

constexpr Argb kOpaqueWhite = 0xFFFFFFFF;
constexpr Argb kOpaqueBlack = 0xFF000000;

}  // namespace

std::string SkinFilePath(const MeterContext& context, const std::string& name) {
  const bool absolute = (name.size() > 1 && name[1] == ':') || (!name.empty() && (name[0] == '\\' || name[0] == '/'));
  return absolute ? name : context.folder + name;
}

long long TruncateToInteger(double value) {
  if (std::isnan(value)) return 0;
  constexpr double kLimit = 9.2e18;
  if (value >= kLimit) return std::numeric_limits<long long>::max();
  if (value <= -kLimit) return std::numeric_limits<long long>::min();
  return static_cast<long long>(value);
}

std::uint32_t TruncateToUnsigned(double value) {
  // Conversion to unsigned wraps as the runtime does for values that fit in 64 bits.
  return static_cast<std::uint32_t>(static_cast<unsigned long long>(TruncateToInteger(value)));
}

void Meter::Configure(const SkinSection& section, MeterContext& context) {
  x_ = section.Int("X", 0);
  y_ = section.Int("Y", 0);
  width_ = section.Int("W", 1);
  height_ = section.Int("H", 1);
  hidden_ = section.Bool("Hidden", false);
  bevelType_ = section.Int("BevelType", 0);
  solidColor_ = section.Color("SolidColor", 0);
  measureName_ = section.String("MeasureSection", "");
  updateDivider_ = updateCounter_ = section.Int("UpdateDivider", 1);
  ConfigureType(section, context);
}

bool Meter::Update() {
  if (++updateCounter_ < updateDivider_) return false;
  updateCounter_ = 0;
  if (measure_) {
    UpdateFrom(*measure_);
  } else {
    UpdateUnbound();
  }
  return true;
}

void Meter::Draw(Canvas& canvas) const {
  if (hidden_) return;
  if (solidColor_ > 0x00FFFFFF) canvas.FillRect(RectAt(x_, y_, width_, height_), solidColor_);
  if (bevelType_ != 0) {
    const Argb light = bevelType_ == 2 ? kOpaqueBlack : kOpaqueWhite;
    const Argb dark = bevelType_ == 2 ? kOpaqueWhite : kOpaqueBlack;
    // In float from the start: the box may reach the ends of int.
    const float l = static_cast<float>(x_) - 2, t = static_cast<float>(y_) - 2;
    const float r = l + static_cast<float>(width_) + 3, b = t + static_cast<float>(height_) + 3;
    const auto line = [&](float x1, float y1, float x2, float y2, Argb color) {
      canvas.DrawLine(x1, y1, x2, y2, color, 1.0f, false);
    };
    line(l, t, l, b, light);
    line(l, t, r, t, light);
    line(l + 1, t + 1, l + 1, b - 1, light);
    line(l + 1, t + 1, r - 1, t + 1, light);
    line(l, b, r, b, dark);
    line(r, t, r, b, dark);
    line(l + 1, b - 1, r - 1, b - 1, dark);
    line(r - 1, t + 1, r - 1, b - 1, dark);
  }
  DrawType(canvas);
}

bool Meter::HitTest(int x, int y) const {
  const Rect box = RectAt(X(), Y(), Width(), Height());
  return box.left <= x && x <= box.right && box.top <= y && y <= box.bottom;
}

std::unique_ptr<SkinImage> Meter::LoadImage(const SkinSection& section, MeterContext& context, bool takeSize) {
  const std::string name = section.String("ImageName", "");
  std::unique_ptr<SkinImage> image;
  if (!name.empty()) {
    image = context.images.LoadFile(SkinFilePath(context, name));
  } else {
    const int id = section.Int("ImageID", -1);
    if (id != -1) image = context.images.LoadResource(id);
  }
  if (image && takeSize && (section.Int("W", -1) == -1 || section.Int("H", -1) == -1)) {
    width_ = image->Width();
    height_ = image->Height();
  }
  return image;
}

std::unique_ptr<Meter> MakeMeter(const std::string& drawType) {
  if (drawType == "BITMAP") return std::make_unique<BitmapMeter>();
  if (drawType == "IMAGE") return std::make_unique<ImageMeter>();
  if (drawType == "NUMIMAGE") return std::make_unique<NumImageMeter>();
  if (drawType == "ROUNDLINE") return std::make_unique<RoundLineMeter>();
  if (drawType == "STRING") return std::make_unique<StringMeter>();
  if (drawType == "ROTATOR") return std::make_unique<RotatorMeter>();
  if (drawType == "BUTTON") return std::make_unique<ButtonMeter>();
  if (drawType == "FRAMEIMAGE") return std::make_unique<FrameImageMeter>();
  if (drawType == "CALENDAR") return std::make_unique<CalendarMeter>();
  if (drawType == "SCHEDULE") return std::make_unique<ScheduleMeter>();
  if (drawType == "RAUNCHER") return std::make_unique<LauncherMeter>();
  return nullptr;
}

}  // namespace quillet
