// One tick of the built-in clock drawn for real with GDI+, as the clock window does every second.
#include <benchmark/benchmark.h>

#include "GdiPlusBenchmarkMain.h"

#include "Fakes.h"
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

}  // namespace
}  // namespace quillet::win

QUILLET_GDIPLUS_BENCHMARK_MAIN()
