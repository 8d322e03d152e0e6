// One tick of the built-in clock drawn for real with GDI+, as the clock window does every second;
// one month of the shipped calendar skin, as the calendar draws it on a redraw.
#include <benchmark/benchmark.h>

#include "GdiPlusBenchmarkMain.h"

#include <algorithm>
#include <string>

#include "Fakes.h"
#include "calendar/MonthDays.h"
#include "platform/Wide.h"
#include "schedule/ScheduleList.h"
#include "skin/CalendarMeter.h"
#include "platform/Win32FileSystem.h"
#include "skin/BuiltInSkins.h"
#include "skin/GdiPlusCanvas.h"
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

// The skin as shipped, from the source tree.
void OneCalendarMonthOnGdiPlus(benchmark::State& state) {
  Win32FileSystem files;
  GdiPlusImageLoader images(files);
  const testing::FixedClock clock(LocalTime{2027, 2, 7, 9, 0, 0, 0, 0});
  const SampleDays days;
  std::string folder = "Z:" QUILLET_SKINS_FOLDER "/CalendarSkin/Quillet calendar/";
  std::replace(folder.begin(), folder.end(), '/', '\\');
  std::string bytes;
  SkinFile file;
  if (files.ReadFile(folder + "Quillet calendar.ski", bytes) == ReadOutcome::Ok) file.LoadFromFileBytes(bytes);
  std::optional<BuiltSkin> skin = BuildSkin(file, SkinBuildContext{images, clock, folder, std::nullopt, 1000, &days});
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
BENCHMARK(OneCalendarMonthOnGdiPlus)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillet::win

QUILLET_GDIPLUS_BENCHMARK_MAIN()
