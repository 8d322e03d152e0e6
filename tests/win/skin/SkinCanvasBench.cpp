// One tick of the built-in clock drawn for real with GDI+, as the clock window does every second;
// one month of the shipped calendar skin, as the calendar draws it on a redraw; the shipped
// schedule view refreshed and drawn with 40 items, and the shipped launcher with 40 programs.
#include <benchmark/benchmark.h>

#include "GdiPlusBenchmarkMain.h"

#include <algorithm>
#include <string>

#include "Fakes.h"
#include "calendar/MonthDays.h"
#include "platform/Wide.h"
#include "schedule/ScheduleList.h"
#include "skin/CalendarMeter.h"
#include "skin/LauncherMeter.h"
#include "skin/ScheduleMeter.h"
#include "platform/Win32FileSystem.h"
#include "skin/BuiltInSkins.h"
#include "framework/GdiPlusApi.h"
#include "skin/GdiPlusCanvas.h"
#include "skin/GdiPlusImage.h"
#include "skin/GdiPlusImageLoader.h"
#include "skin/SkinBuilder.h"

namespace quillet::win {
namespace {

void OneClockTickOnGdiPlus(benchmark::State& state) {
  Win32FileSystem files;
  GdiPlusImageLoader images(files);
  const testing::FixedClock clock;
  SkinFile file;
  file.LoadFromText(DefaultClockSkinText());
  std::optional<BuiltSkin> skin = BuildSkin(file, SkinBuildContext{images, clock, "", kClockBackground, 1000});
  GdiPlusCanvas canvas(144, 144);
  if (!skin || !canvas.Valid()) {
    state.SkipWithError("the clock skin could not be built");
    return;
  }
  for (auto _ : state) {
    DrawSkin(*skin, canvas);
    benchmark::DoNotOptimize(canvas.Surface());
  }
}
BENCHMARK(OneClockTickOnGdiPlus)->Unit(benchmark::kMicrosecond);

// A February with anniversaries, holidays, a dated schedule and a period, as the window answers.
class SampleDays final : public CalendarDays {
 public:
  SampleDays() {
    anniversaries_.push_back(DayInfoRecord{2, 7, 3, "생일", false, false, false, 1});
    anniversaries_.push_back(DayInfoRecord{1, 15, 5, "정월 대보름", true, false, false, 2});
    ScheduleRecord dated;
    dated.recurrence = Recurrence::OnDate;
    dated.year = 2027, dated.month = 2, dated.day = 12, dated.imageIndex = 2;
    schedules_.Append(dated);
    ScheduleRecord period;
    period.recurrence = Recurrence::Period;
    period.year = 2027, period.month = 2, period.day = 15;
    period.endDateCode = 2027 * 372 + 2 * 31 + 19;
    schedules_.Append(period);
  }
  CalendarMonth DaysOf(int year, int month) const override {
    return MonthDays(anniversaries_, schedules_, year, month);
  }

 private:
  std::vector<DayInfoRecord> anniversaries_;
  ScheduleList schedules_;
};

// A shipped skin from the source tree, e.g. "CalendarSkin/Quillet calendar/Quillet calendar.ski".
std::optional<BuiltSkin> ShippedSkin(const std::string& path, SkinBuildContext context) {
  std::string file = "Z:" QUILLET_SKINS_FOLDER "/" + path;
  std::replace(file.begin(), file.end(), '/', '\\');
  context.folder = file.substr(0, file.rfind('\\') + 1);
  std::string bytes;
  SkinFile skin;
  Win32FileSystem files;
  if (files.ReadFile(file, bytes) != ReadOutcome::Ok) return std::nullopt;
  skin.LoadFromFileBytes(bytes);
  return BuildSkin(skin, context);
}

void OneCalendarMonthOnGdiPlus(benchmark::State& state) {
  Win32FileSystem files;
  GdiPlusImageLoader images(files);
  const testing::FixedClock clock(LocalTime{2027, 2, 7, 9, 0, 0, 0, 0});
  const SampleDays days;
  std::optional<BuiltSkin> skin = ShippedSkin("CalendarSkin/Quillet calendar/Quillet calendar.ski",
                                              SkinBuildContext{images, clock, "", std::nullopt, 1000, &days});
  if (!skin) {
    state.SkipWithError("the calendar skin could not be built");
    return;
  }
  GdiPlusCanvas canvas(skin->width, skin->height);
  for (auto _ : state) {
    DrawSkin(*skin, canvas);
    benchmark::DoNotOptimize(canvas.Surface());
  }
}

// Forty items of every row kind.
class FortyItems final : public TodaySchedule {
 public:
  std::vector<TodayItem> ItemsOf(const CivilDate&, int, int) const override {
    std::vector<TodayItem> items(40);
    for (int i = 0; i < 40; ++i) {
      TodayItem& item = items[static_cast<std::size_t>(i)];
      item.name = "일정 " + std::to_string(i);
      item.specialDay = i % 6 == 0;
      item.timed = i % 3 != 0;
      item.hour = i % 24;
      item.timeText = "09:00";
      item.order = i;
      item.early = i % 2 == 0;
      item.dayCount = i % 5 == 0 ? i - 20 : 0;
    }
    return items;
  }
};

void ScheduleViewOfFortyItemsOnGdiPlus(benchmark::State& state) {
  Win32FileSystem files;
  GdiPlusImageLoader images(files);
  const testing::FixedClock clock(LocalTime{2027, 2, 7, 9, 0, 0, 0, 0});
  const FortyItems items;
  SkinBuildContext context{images, clock, "", std::nullopt, 1000};
  context.todaySchedule = &items;
  std::optional<BuiltSkin> skin = ShippedSkin("ScheduleSkin/Quillet Schedule/Quillet Schedule.ski", context);
  if (!skin || skin->meters.empty()) {
    state.SkipWithError("the schedule view's skin could not be built");
    return;
  }
  auto& meter = static_cast<ScheduleMeter&>(*skin->meters.front());
  GdiPlusCanvas canvas(skin->width, meter.ContentHeight());
  for (auto _ : state) {
    meter.Refresh();
    DrawSkin(*skin, canvas);
    benchmark::DoNotOptimize(canvas.Surface());
  }
  state.counters["height"] = meter.ContentHeight();
}
BENCHMARK(ScheduleViewOfFortyItemsOnGdiPlus)->Unit(benchmark::kMicrosecond);

// Forty programs sharing one 32 x 32 picture, as the window keeps them cached.
class FortyPrograms final : public LauncherItems {
 public:
  explicit FortyPrograms(const SkinImage* icon) : icon_(icon) {}
  std::vector<LauncherShown> Entries() const override {
    std::vector<LauncherShown> shown;
    for (int i = 0; i < 40; ++i) shown.push_back(LauncherShown{"프로그램 " + std::to_string(i), icon_});
    return shown;
  }

 private:
  const SkinImage* icon_;
};

void LauncherOfFortyProgramsOnGdiPlus(benchmark::State& state) {
  Win32FileSystem files;
  GdiPlusImageLoader images(files);
  const testing::FixedClock clock;
  auto iconBitmap = std::make_unique<Gdiplus::Bitmap>(32, 32, PixelFormat32bppARGB);
  Gdiplus::Graphics(iconBitmap.get()).Clear(Gdiplus::Color(200, 40, 120, 200));
  const auto icon = std::make_unique<GdiPlusImage>(std::move(iconBitmap));
  const FortyPrograms programs(icon.get());
  SkinBuildContext context{images, clock, "", std::nullopt, 1000};
  context.launcherItems = &programs;
  std::optional<BuiltSkin> skin = ShippedSkin("RauncherSkin/Quillet Rauncher/Quillet Rauncher.ski", context);
  if (!skin || skin->meters.empty() || !icon) {
    state.SkipWithError("the launcher's skin could not be built");
    return;
  }
  const auto& meter = static_cast<const LauncherMeter&>(*skin->meters.front());
  GdiPlusCanvas canvas(skin->width, meter.ContentHeight());
  for (auto _ : state) {
    DrawSkin(*skin, canvas);
    benchmark::DoNotOptimize(canvas.Surface());
  }
}
BENCHMARK(LauncherOfFortyProgramsOnGdiPlus)->Unit(benchmark::kMicrosecond);
BENCHMARK(OneCalendarMonthOnGdiPlus)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillet::win

QUILLET_GDIPLUS_BENCHMARK_MAIN()
