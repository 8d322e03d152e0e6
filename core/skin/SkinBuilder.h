#pragma once

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/Measure.h"
#include "skin/Meter.h"
#include "skin/SkinFile.h"

namespace quillet {

class CalendarDays;
class Clock;
class LauncherItems;
class TodaySchedule;

// A skin ready to draw: its measures and meters in section order, bound by name.
struct BuiltSkin {
  std::unique_ptr<SkinImage> background;  // none: transparent
  int width = 100;
  int height = 100;
  int updateInterval = 1000;
  std::string aboutImage;
  std::string doubleClickCommand;
  std::vector<std::unique_ptr<Measure>> measures;
  std::vector<std::unique_ptr<Meter>> meters;
};

struct SkinBuildContext {
  ImageLoader& images;
  const Clock& clock;
  std::string folder;                   // the skin file's folder with a backslash; "" for built-in skins
  std::optional<int> backgroundResource;  // a PNG resource that replaces the Background key
  int updateInterval = 1000;            // kept when the skin names none
  const CalendarDays* calendarDays = nullptr;  // the calendar window's day data; none elsewhere
  const TodaySchedule* todaySchedule = nullptr;  // the schedule view's items of today; none elsewhere
  const LauncherItems* launcherItems = nullptr;  // the launcher window's entries; none elsewhere
};

// Nothing when the background cannot be loaded: the window then falls back to its built-in skin.
std::optional<BuiltSkin> BuildSkin(const SkinFile& file, const SkinBuildContext& context,
                                   SkinIssues* issues = nullptr);

// One tick of the skin window: the background replaces every pixel, then every measure is
// updated and every meter updated and drawn, in order.
void DrawSkin(BuiltSkin& skin, Canvas& canvas);

}  // namespace quillet
