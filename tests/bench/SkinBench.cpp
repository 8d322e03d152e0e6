// The clock's work: building its skin at every load, and one tick of update and drawing every second.
#include <benchmark/benchmark.h>

#include "Fakes.h"
#include "RecordingCanvas.h"
#include "skin/BuiltInSkins.h"
#include "skin/SkinBuilder.h"
#include "skin/SkinResources.h"

namespace quillet {
namespace {

testing::TableImageLoader ProgramPictures() {
  testing::TableImageLoader images;
  for (const SkinResource& resource : kSkinResources) images.AddResource(resource.id, resource.width, resource.height);
  return images;
}

void ParseAndBuildTheDefaultClock(benchmark::State& state) {
  testing::TableImageLoader images = ProgramPictures();
  const testing::FixedClock clock;
  const std::string text = DefaultClockSkinText();
  for (auto _ : state) {
    SkinFile file;
    file.LoadFromText(text);
    auto skin = BuildSkin(file, SkinBuildContext{images, clock, "", kClockBackground, 1000});
    benchmark::DoNotOptimize(skin);
  }
}
BENCHMARK(ParseAndBuildTheDefaultClock)->Unit(benchmark::kMicrosecond);

void OneClockTickOnARecordingCanvas(benchmark::State& state) {
  testing::TableImageLoader images = ProgramPictures();
  const testing::FixedClock clock;
  SkinFile file;
  file.LoadFromText(DefaultClockSkinText());
  auto skin = BuildSkin(file, SkinBuildContext{images, clock, "", kClockBackground, 1000});
  testing::RecordingCanvas canvas;
  for (auto _ : state) {
    canvas.Reset();
    DrawSkin(*skin, canvas);
    benchmark::DoNotOptimize(canvas.calls().size());
  }
}
BENCHMARK(OneClockTickOnARecordingCanvas)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillet

BENCHMARK_MAIN();
