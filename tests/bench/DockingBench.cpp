// Snapping a dragged memo among a crowded desktop: 200 candidates, as on every WM_MOVING.
#include <benchmark/benchmark.h>

#include <vector>

#include "memo/Docking.h"

namespace quillet {
namespace {

constexpr int kCandidates = 200;

// Memos of a 1920 × 1080 screen in overlapping columns, then the screen and its work area.
std::vector<Rect> Desktop() {
  std::vector<Rect> rects;
  for (int n = 0; n < kCandidates - 2; ++n) {
    const int left = 1720 - (n / 9) * 85 - (n % 3) * 7;
    const int top = (n % 9) * 115 + (n / 9) % 5;
    rects.push_back(Rect{left, top, left + 180, top + 150});
  }
  rects.push_back(Rect{0, 0, 1918, 1080});
  rects.push_back(Rect{0, 0, 1918, 1038});
  return rects;
}

void DockMovingAmongTwoHundred(benchmark::State& state) {
  const std::vector<Rect> candidates = Desktop();
  int step = 0;
  for (auto _ : state) {
    // The drag wanders over the desktop, so no two calls see the same picture.
    const int left = (step * 37) % 1700;
    const int top = (step * 23) % 900;
    step = (step + 1) % 1000;
    Rect docked = DockMoving(Rect{left, top, left + 180, top + 150}, candidates, 10);
    benchmark::DoNotOptimize(docked);
  }
  state.counters["candidates"] = static_cast<double>(candidates.size());
}
BENCHMARK(DockMovingAmongTwoHundred)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace quillet

BENCHMARK_MAIN();
