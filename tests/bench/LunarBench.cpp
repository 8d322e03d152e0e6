// Solar to lunar for every day of the table, as a calendar widget paging through the years does.
#include <benchmark/benchmark.h>

#include <vector>

#include "lunar/LunarCalendar.h"
#include "time/Gregorian.h"

namespace quillet {
namespace {

std::vector<CivilDate> EveryDayOfTheTable() {
  std::vector<CivilDate> days;
  for (long long n = DaysSinceEpoch({1900, 1, 31}); n <= DaysSinceEpoch({2050, 1, 22}); ++n) {
    days.push_back(DateFromDaysSinceEpoch(n));
  }
  return days;
}

void SolarToLunarEveryDay(benchmark::State& state) {
  const std::vector<CivilDate> days = EveryDayOfTheTable();
  for (auto _ : state) {
    int converted = 0;
    for (const CivilDate& d : days) {
      LunarDate lunar;
      converted += SolarToLunar(d.year, d.month, d.day, 0, lunar);
      benchmark::DoNotOptimize(lunar);
    }
    if (converted != static_cast<int>(days.size())) state.SkipWithError("a day of the table was rejected");
  }
  state.counters["days"] = static_cast<double>(days.size());
}
BENCHMARK(SolarToLunarEveryDay)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet

BENCHMARK_MAIN();
