// Starting Quillet.exe with a group of 10, 100 or 1,000 memos holding a few Hangul words, from the
// process's start to its first and to its last memo on the screen, beside a bare Win32 window
// started the same way: times and working set. A second series names a memo font the system lacks.
#include <benchmark/benchmark.h>

#include "platform/WinApi.h"

#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "memo/MemoListFormat.h"
#include "platform/Wide.h"
#include "platform/Win32FileSystem.h"
#include "settings/Settings.h"

namespace quillet::win {
namespace {

constexpr ULONGLONG kPatienceMs = 180000;
// Starts of each case; QUILLET_STARTUP_STARTS=N for a quick run.
int StartsPerCase() {
  const char* starts = std::getenv("QUILLET_STARTUP_STARTS");
  const int wanted = starts ? std::atoi(starts) : 0;
  return wanted > 0 ? wanted : 5;
}

std::wstring Folder(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

std::wstring BenchFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return Folder(path);
}

// A memo's RTF: a few Hangul words in `face` (CP949), escaped as a rich edit writes them.
std::string MemoRtf(int number, const std::string& face) {
  std::string rtf = "{\\rtf1\\ansi\\ansicpg949\\deff0{\\fonttbl{\\f0\\fnil\\fcharset129 ";
  const auto escaped = [&rtf](const std::string& text) {
    for (const unsigned char c : text) {
      char hex[8];
      std::snprintf(hex, sizeof hex, "\\'%02x", c);
      if (c >= 0x80) {
        rtf += hex;
      } else {
        rtf += static_cast<char>(c);
      }
    }
  };
  escaped(face);
  rtf += ";}}\\f0\\fs18 ";
  escaped("오늘 할 일 " + std::to_string(number) + ": 회의 자료 정리");
  return rtf + "\\par}";
}

// A program folder holding a copy of Quillet.exe and a group of `count` memos in `face`; "" on
// failure.
std::wstring PrepareProgramFolder(int count, const std::string& face) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"quillet-startup-bench\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"memo_data").c_str(), nullptr);
  if (!CopyFileW((BenchFolder() + L"..\\..\\..\\win\\Quillet.exe").c_str(), (folder + L"Quillet.exe").c_str(),
                 FALSE)) {
    return L"";
  }
  Win32FileSystem files;
  const std::string data = NarrowToCp949(folder) + "memo_data\\";
  std::vector<MemoRecord> records;
  for (int i = 0; i < count; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "memo%04d.rtf", i);
    files.ReplaceFile(data + name, MemoRtf(i, face));
    MemoRecord record;
    const int x = 20 + (i % 10) * 120 + (i / 100) * 7, y = 20 + (i / 10 % 10) * 90 + (i / 100) * 7;
    record.windowRect = Rect{x, y, x + 115, y + 85};
    record.expandedSize = Size{115, 85};
    record.paletteColor = 0xC6C6C6;
    record.contentFile = name;
    records.push_back(record);
  }
  DeleteFileW((folder + L"memo_data\\DefaultMemo.qld").c_str());
  if (!files.ReplaceFile(data + "DefaultMemo.qld", SerializeMemoList(records))) return L"";
  return folder;
}

struct Windows {
  DWORD process;
  int shown = 0;
  HWND frame = nullptr;
};

BOOL CALLBACK Count(HWND hwnd, LPARAM data) {
  auto* windows = reinterpret_cast<Windows*>(data);
  DWORD process = 0;
  GetWindowThreadProcessId(hwnd, &process);
  if (process != windows->process) return TRUE;
  wchar_t className[32] = {};
  GetClassNameW(hwnd, className, 32);
  if (lstrcmpW(className, L"QuilletMainFrame") == 0) windows->frame = hwnd;
  if (IsWindowVisible(hwnd) && lstrcmpW(className, L"tooltips_class32") != 0) ++windows->shown;
  return TRUE;
}

struct Start {
  double first = 0;  // seconds to the first window shown
  double last = 0;   // to the `wanted`th
  double megabytes = 0;
};

// Starts `program` from `folder` until `wanted` of its windows show; the times and the working set
// then, or a failure for the benchmark.
bool TimeStart(benchmark::State& state, const std::wstring& program, const std::wstring& folder, int wanted,
               Start& result) {
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process{};
  std::wstring commandLine = L"\"" + program + L"\"";
  LARGE_INTEGER frequency, start, end;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                      &startup, &process)) {
    state.SkipWithError("the program did not start");
    return false;
  }
  const auto seconds = [&](const LARGE_INTEGER& at) {
    return static_cast<double>(at.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
  };
  Windows windows{process.dwProcessId};
  const ULONGLONG deadline = GetTickCount64() + kPatienceMs;
  bool firstSeen = false;
  while (windows.shown < wanted && GetTickCount64() < deadline) {
    Sleep(2);
    windows = Windows{process.dwProcessId};
    EnumWindows(&Count, reinterpret_cast<LPARAM>(&windows));
    if (!firstSeen && windows.shown > 0) {
      firstSeen = true;
      QueryPerformanceCounter(&end);
      result.first = seconds(end);
    }
  }
  QueryPerformanceCounter(&end);
  result.last = seconds(end);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
  result.megabytes = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
  const bool shown = windows.shown >= wanted;
  // Closed as the user would, so that the next start finds no running instance.
  EnumWindows(&Count, reinterpret_cast<LPARAM>(&windows));
  if (windows.frame) PostMessageW(windows.frame, WM_CLOSE, 0, 0);
  EnumThreadWindows(process.dwThreadId, [](HWND hwnd, LPARAM) -> BOOL {
    PostMessageW(hwnd, WM_CLOSE, 0, 0);
    return TRUE;
  }, 0);
  if (WaitForSingleObject(process.hProcess, 20000) != WAIT_OBJECT_0) TerminateProcess(process.hProcess, 1);
  CloseHandle(process.hThread);
  CloseHandle(process.hProcess);
  if (!shown) {
    state.SkipWithError("the windows did not all show");
    return false;
  }
  state.SetIterationTime(result.last);
  return true;
}

void Report(benchmark::State& state, const Start& start) {
  state.counters["first_ms"] = start.first * 1000;
  state.counters["last_ms"] = start.last * 1000;
  state.counters["working_set_MB"] = start.megabytes;
}

// Present on a Korean Windows (the test prefix maps it to an installed Korean font), and absent.
const std::string kPresentFace = "굴림";
const std::string kMissingFace = "HY견고딕";

void StartQuillet(benchmark::State& state) {
  const int count = static_cast<int>(state.range(0));
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quillet Program");
  const std::wstring folder = PrepareProgramFolder(count, state.range(1) ? kPresentFace : kMissingFace);
  if (folder.empty()) {
    state.SkipWithError("no program folder");
    return;
  }
  Start start;
  for (auto _ : state) {
    if (!TimeStart(state, folder + L"Quillet.exe", folder, count, start)) return;
  }
  Report(state, start);
}

void StartBareWindow(benchmark::State& state) {
  const std::wstring program = BenchFolder() + L"bench_bare_window.exe";
  Start start;
  for (auto _ : state) {
    if (!TimeStart(state, program, BenchFolder(), 1, start)) return;
  }
  Report(state, start);
}

double Least(const std::vector<double>& values) { return *std::min_element(values.begin(), values.end()); }

// One start an iteration; the minimum and the median of five starts.
void FiveStarts(benchmark::internal::Benchmark* bench) {
  bench->UseManualTime()
      ->Unit(benchmark::kMillisecond)
      ->Iterations(1)
      ->Repetitions(StartsPerCase())
      ->ComputeStatistics("min", Least)
      ->ReportAggregatesOnly(true);
}

BENCHMARK(StartBareWindow)->Apply(FiveStarts);
// Arguments: the memos, and whether their font is installed.
BENCHMARK(StartQuillet)->ArgNames({"memos", "font_present"})->Args({10, 1})->Args({100, 1})->Args({1000, 1})
    ->Args({100, 0})->Apply(FiveStarts);

}  // namespace
}  // namespace quillet::win

BENCHMARK_MAIN();
