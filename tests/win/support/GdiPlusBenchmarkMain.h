#pragma once

#include <benchmark/benchmark.h>

#include "framework/GdiPlusSession.h"

// The main of a benchmark program whose windows or canvases draw with GDI+.
#define QUILLET_GDIPLUS_BENCHMARK_MAIN()        \
  int main(int argc, char** argv) {             \
    quillet::win::GdiPlusSession gdiPlus;       \
    benchmark::Initialize(&argc, argv);         \
    benchmark::RunSpecifiedBenchmarks();        \
    benchmark::Shutdown();                      \
    return 0;                                   \
  }
