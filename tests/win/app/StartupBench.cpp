// Starting Quillet.exe with a hundred memos in its group, from the process's start to the last
// memo on the screen, beside a bare Win32 window started the same way: time and working set.
#include <benchmark/benchmark.h>

#include "platform/WinApi.h"

#include <psapi.h>

#include <cstdio>
#include <string>
#include <vector>

#include "memo/MemoListFormat.h"
#include "platform/Wide.h"
#include "platform/Win32FileSystem.h"
#include "settings/Settings.h"

namespace quillet::win {
namespace {

constexpr int kMemos = 100;
constexpr ULONGLONG kPatienceMs = 60000;

std::wstring Folder(const std::wstring& path) { return path.substr(0, path.find_last_of(L'\\') + 1); }

std::wstring BenchFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  return Folder(path);
}

// A program folder holding a copy of Quillet.exe and a group of a hundred memos; "" on failure.
std::wstring PrepareProgramFolder() {
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
  for (int i = 0; i < kMemos; ++i) {
    char name[32];
    std::snprintf(name, sizeof name, "memo%03d.rtf", i);
    files.ReplaceFile(data + name, "{\\rtf1\\ansi memo " + std::to_string(i) + "\\par second line\\par}");
    MemoRecord record;
    record.windowRect = Rect{20 + (i % 10) * 120, 20 + (i / 10) * 90, 135 + (i % 10) * 120, 105 + (i / 10) * 90};
    record.expandedSize = Size{115, 85};
    record.paletteColor = 0xC6C6C6;
    record.contentFile = name;
    records.push_back(record);
  }
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

// Starts `program` from `folder` until `wanted` of its windows show; the seconds that took and
// the working set then, or a failure for the benchmark.
bool TimeStart(benchmark::State& state, const std::wstring& program, const std::wstring& folder, int wanted,
               double& megabytes) {
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
  Windows windows{process.dwProcessId};
  const ULONGLONG deadline = GetTickCount64() + kPatienceMs;
  while (windows.shown < wanted && GetTickCount64() < deadline) {
    Sleep(2);
    windows = Windows{process.dwProcessId};
    EnumWindows(&Count, reinterpret_cast<LPARAM>(&windows));
  }
  QueryPerformanceCounter(&end);
  PROCESS_MEMORY_COUNTERS memory{};
  memory.cb = sizeof memory;
  GetProcessMemoryInfo(process.hProcess, &memory, sizeof memory);
  megabytes = static_cast<double>(memory.WorkingSetSize) / (1024.0 * 1024.0);
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
  state.SetIterationTime(static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart));
  return true;
}

void StartQuilletWithHundredMemos(benchmark::State& state) {
  RegDeleteTreeW(HKEY_CURRENT_USER, L"Software\\Quillet Program");
  const std::wstring folder = PrepareProgramFolder();
  if (folder.empty()) {
    state.SkipWithError("no program folder");
    return;
  }
  double megabytes = 0;
  for (auto _ : state) {
    if (!TimeStart(state, folder + L"Quillet.exe", folder, kMemos, megabytes)) return;
  }
  state.counters["working_set_MB"] = megabytes;
}

void StartBareWindow(benchmark::State& state) {
  const std::wstring program = BenchFolder() + L"bench_bare_window.exe";
  double megabytes = 0;
  for (auto _ : state) {
    if (!TimeStart(state, program, BenchFolder(), 1, megabytes)) return;
  }
  state.counters["working_set_MB"] = megabytes;
}

BENCHMARK(StartBareWindow)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(StartQuilletWithHundredMemos)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
}  // namespace quillet::win

BENCHMARK_MAIN();
