// Loading and saving a memo of about 100 KB of RTF, as a memo window does when it opens (into an
// empty editor) and at every save.
#include <benchmark/benchmark.h>

#include <richedit.h>

#include <string>
#include <vector>

#include "EditorFixture.h"
#include "memo/OleSession.h"

namespace quillet::win {
namespace {

using testing::EditorFixture;
using testing::OutputPath;
using testing::Type;

constexpr std::uint64_t kMemoBytes = 100 * 1024;
constexpr int kLines = 560;  // about 107 KB of RTF

// Mixed Korean and Latin lines, every one with a bold word and a coloured one. The path, or ""
// when the memo could not be written or came out smaller than kMemoBytes.
std::string WriteHundredKilobyteMemo(EditorFixture& fixture) {
  const HWND edit = fixture.control();
  std::wstring text;
  std::vector<LONG> starts;
  for (int line = 0; line < kLines; ++line) {
    starts.push_back(static_cast<LONG>(text.size()));
    text += L"메모 " + std::to_wstring(line) + L"번째 줄: 한글과 Latin 글자가 섞인 문장입니다.\r";
  }
  SendMessageW(edit, WM_SETREDRAW, FALSE, 0);
  Type(edit, text);
  SelectionFormat format = fixture.editor().Selection();
  for (int line = 0; line < kLines; ++line) {
    testing::Select(edit, starts[line], starts[line] + 2);
    format.ToggleBold();
    testing::Select(edit, starts[line] + 10, starts[line] + 15);
    format.SetColor(RGB(line % 200, 40, 160));
  }
  SendMessageW(edit, WM_SETREDRAW, TRUE, 0);
  const std::string path = OutputPath("bench-100k.rtf");
  const std::optional<FileStatus> status =
      fixture.editor().SaveRtf(path) ? fixture.files.Status(path) : std::nullopt;
  return status && status->size >= kMemoBytes ? path : "";
}

// The memo's path, or "" once the benchmark has been told why there is none.
std::string MemoOrSkip(EditorFixture& fixture, benchmark::State& state) {
  const std::string path = fixture.Ready() ? WriteHundredKilobyteMemo(fixture) : "";
  if (path.empty()) state.SkipWithError("the memo could not be written");
  return path;
}

void LoadHundredKilobyteMemo(benchmark::State& state) {
  EditorFixture fixture;
  const std::string path = MemoOrSkip(fixture, state);
  EditorFixture reader;
  if (path.empty() || !reader.Ready()) return;
  for (auto _ : state) {
    state.PauseTiming();
    reader.editor().Clear();
    state.ResumeTiming();
    if (!reader.editor().LoadRtf(path)) state.SkipWithError("the memo did not load");
  }
  state.counters["bytes"] = static_cast<double>(fixture.files.Status(path).value_or(FileStatus{}).size);
}
BENCHMARK(LoadHundredKilobyteMemo)->Unit(benchmark::kMillisecond);

void SaveHundredKilobyteMemo(benchmark::State& state) {
  EditorFixture fixture;
  if (MemoOrSkip(fixture, state).empty()) return;
  const std::string copy = OutputPath("bench-100k-saved.rtf");
  for (auto _ : state) {
    if (!fixture.editor().SaveRtf(copy)) state.SkipWithError("the memo was not saved");
  }
  state.counters["bytes"] = static_cast<double>(fixture.files.Status(copy).value_or(FileStatus{}).size);
}
BENCHMARK(SaveHundredKilobyteMemo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet::win

int main(int argc, char** argv) {
  quillet::win::OleSession ole;
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
