#pragma once

#include <memory>
#include <string>

#include "ports/Canvas.h"

namespace quillet {

class CalendarDays;
class Clock;
class LauncherItems;
class Measure;
class SkinSection;
class TodaySchedule;

enum class MeterType {
  Button = 1, Bitmap = 2, Image = 3, String = 4, FrameImage = 5, NumImage = 6, Rotator = 7, RoundLine = 8,
  Calendar = 9, Schedule = 10, Launcher = 11,
};

// What meters need while they are configured: where the skin's files are and how to load pictures,
// and for the calendar "now" and the window's day data (both must outlive the meters).
struct MeterContext {
  ImageLoader& images;
  std::string folder;  // the skin file's folder, ending with a backslash; "" for skins from text
  const Clock* clock = nullptr;
  const CalendarDays* calendarDays = nullptr;
  const TodaySchedule* todaySchedule = nullptr;  // the schedule view's items of today
  const LauncherItems* launcherItems = nullptr;  // the launcher window's entries
};

// One drawing element of a skin. Each tick the window updates it from its measure, then draws it.
class Meter {
 public:
  explicit Meter(MeterType type) : type_(type) {}
  virtual ~Meter() = default;
  Meter(const Meter&) = delete;
  Meter& operator=(const Meter&) = delete;

  MeterType type() const { return type_; }
  const std::string& measureName() const { return measureName_; }
  void Bind(const Measure* measure) { measure_ = measure; }

  // The common keys, then the type's own.
  virtual void Configure(const SkinSection& section, MeterContext& context);
  // False when the update divider holds the value back this tick.
  bool Update();
  void Draw(Canvas& canvas) const;

  virtual int X() const { return x_; }
  int Y() const { return y_; }
  int Width() const { return hidden_ ? 0 : width_; }
  int Height() const { return hidden_ ? 0 : height_; }
  bool HitTest(int x, int y) const;
  // For meters that place a child anew before each draw.
  void MoveTo(int x, int y) {
    x_ = x;
    y_ = y;
  }

 protected:
  virtual void ConfigureType(const SkinSection& section, MeterContext& context) = 0;
  virtual void UpdateFrom(const Measure& measure) = 0;
  // The update of a tick without a bound measure; most meters then keep their value.
  virtual void UpdateUnbound() {}
  virtual void DrawType(Canvas& canvas) const = 0;

  // The picture of ImageName (relative to the skin folder) or ImageID; the meter's size follows it
  // unless the skin gives both W and H.
  std::unique_ptr<SkinImage> LoadImage(const SkinSection& section, MeterContext& context, bool takeSize);

  int x_ = 0;
  int y_ = 0;
  int width_ = 1;
  int height_ = 1;

 private:
  MeterType type_;
  std::string measureName_;
  const Measure* measure_ = nullptr;
  bool hidden_ = false;
  int updateDivider_ = 1;
  int updateCounter_ = 1;
  int bevelType_ = 0;
  Argb solidColor_ = 0;
};

// The meter of a DrawType word (compared exactly), or nothing for a word the engine does not know.
std::unique_ptr<Meter> MakeMeter(const std::string& drawType);

// A file a skin names: relative names are in the skin's folder.
std::string SkinFilePath(const MeterContext& context, const std::string& name);

// Helpers for the number-to-cell meters: the measure's number as the engine truncates it.
std::uint32_t TruncateToUnsigned(double value);
long long TruncateToInteger(double value);

}  // namespace quillet
