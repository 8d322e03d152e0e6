// What an idle Quillet costs: the processor time of Quillet.exe over a stretch of seconds in
// which nobody touches it, with the clock shown for good and with the clock hidden (only its
// heartbeat runs), beside a bare layered window presenting once a second. The counter
// cpu_percent is the share of one core. QUILLET_IDLE_SECONDS sets the stretch (60 by default).
#include <benchmark/benchmark.h>

#include "platform/WinApi.h"

#include <tlhelp32.h>

#include <algorithm>
#include <cstdlib>
#include <string>
#include <vector>

#include "memo/MemoListFormat.h"
#include "platform/Wide.h"
#include "platform/Win32FileSystem.h"

namespace quillet::win {
namespace {

constexpr ULONGLONG kPatienceMs = 60000;
constexpr DWORD kSettleMs = 2000;  // start-up work and the clock's fade-in end before measuring
constexpr const wchar_t* kProgramKey = L"Software\\Quillet Program";
constexpr const wchar_t* kClockKey = L"Software\\Quillet Program\\Quillet\\Clock";

DWORD IdleSeconds() {
  const char* text = std::getenv("QUILLET_IDLE_SECONDS");
  const int seconds = text ? std::atoi(text) : 0;
  return seconds > 0 ? static_cast<DWORD>(seconds) : 60;
}

std::wstring BenchFolder() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  const std::wstring program = path;
  return program.substr(0, program.find_last_of(L'\\') + 1);
}

// A program folder with a copy of Quillet.exe, no portable settings file and an empty group;
// "" on failure.
std::wstring PrepareProgramFolder() {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"quillet-idle-bench\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  CreateDirectoryW((folder + L"memo_data").c_str(), nullptr);
  DeleteFileW((folder + L"QuilletDB.xml").c_str());
  if (!CopyFileW((BenchFolder() + L"..\\..\\..\\win\\Quillet.exe").c_str(), (folder + L"Quillet.exe").c_str(),
                 FALSE)) {
    return L"";
  }
  Win32FileSystem files;
  if (!files.ReplaceFile(NarrowToCp949(folder) + "memo_data\\DefaultMemo.qld", SerializeMemoList({}))) return L"";
  return folder;
}

bool WriteClockSettings(const std::vector<std::pair<const wchar_t*, int>>& values) {
  RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
  HKEY key = nullptr;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, kClockKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key, nullptr) !=
      ERROR_SUCCESS) {
    return false;
  }
  bool written = true;
  for (const auto& [name, value] : values) {
    const auto dword = static_cast<DWORD>(value);
    written &= RegSetValueExW(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&dword), sizeof dword) ==
               ERROR_SUCCESS;
  }
  RegCloseKey(key);
  return written;
}

struct Found {
  DWORD process;
  const wchar_t* title;
  HWND window = nullptr;
};

HWND FindTitled(DWORD process, const wchar_t* title) {
  Found found{process, title};
  EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* wanted = reinterpret_cast<Found*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        wchar_t text[64] = {};
        GetWindowTextW(hwnd, text, 64);
        if (owner != wanted->process || lstrcmpW(text, wanted->title) != 0) return TRUE;
        wanted->window = hwnd;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found.window;
}

ULONGLONG Ticks(const FILETIME& t) { return (ULONGLONG{t.dwHighDateTime} << 32) | t.dwLowDateTime; }

// Kernel and user time in 100 ns units: the larger of the process's and the sum of its threads'.
// Wine reports another process's times short; its threads' times it reads from the system.
ULONGLONG ProcessorTime(const PROCESS_INFORMATION& process) {
  FILETIME created, exited, kernel, user;
  ULONGLONG whole = 0;
  if (GetProcessTimes(process.hProcess, &created, &exited, &kernel, &user)) whole = Ticks(kernel) + Ticks(user);
  ULONGLONG total = 0;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
  if (snapshot == INVALID_HANDLE_VALUE) return whole;
  THREADENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
    if (entry.th32OwnerProcessID != process.dwProcessId) continue;
    const HANDLE thread = OpenThread(THREAD_QUERY_LIMITED_INFORMATION, FALSE, entry.th32ThreadID);
    if (!thread) continue;
    if (GetThreadTimes(thread, &created, &exited, &kernel, &user)) total += Ticks(kernel) + Ticks(user);
    CloseHandle(thread);
  }
  CloseHandle(snapshot);
  return std::max(whole, total);
}

// Starts `program`, waits for `ready`, lets it settle, then measures its processor time over the
// idle stretch, after which `ready` must still hold; ends it with WM_CLOSE to `closeTitle` (to
// every window of its main thread when null).
void MeasureIdle(benchmark::State& state, const std::wstring& program, const std::wstring& arguments,
                 const std::wstring& folder, bool (*ready)(DWORD process), const wchar_t* closeTitle) {
  const DWORD seconds = IdleSeconds();
  for (auto _ : state) {
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::wstring commandLine = L"\"" + program + L"\"" + arguments;
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process)) {
      state.SkipWithError("the program did not start");
      return;
    }
    const ULONGLONG deadline = GetTickCount64() + kPatienceMs;
    bool isReady = false;
    while (!(isReady = ready(process.dwProcessId)) && GetTickCount64() < deadline) Sleep(50);
    double percent = 0;
    if (isReady) {
      Sleep(kSettleMs);
      const ULONGLONG before = ProcessorTime(process);
      LARGE_INTEGER frequency, start, end;
      QueryPerformanceFrequency(&frequency);
      QueryPerformanceCounter(&start);
      Sleep(seconds * 1000);
      QueryPerformanceCounter(&end);
      const double wall = static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
      percent = static_cast<double>(ProcessorTime(process) - before) / 1e7 / wall * 100;
      state.SetIterationTime(wall);
      isReady = ready(process.dwProcessId);  // still as it was measured
    }
    HWND closing = closeTitle ? FindTitled(process.dwProcessId, closeTitle) : nullptr;
    if (!closeTitle) {
      EnumThreadWindows(process.dwThreadId, [](HWND hwnd, LPARAM) -> BOOL {
        PostMessageW(hwnd, WM_CLOSE, 0, 0);
        return TRUE;
      }, 0);
    } else if (closing) {
      PostMessageW(closing, WM_CLOSE, 0, 0);
    }
    const bool ended = WaitForSingleObject(process.hProcess, 20000) == WAIT_OBJECT_0;
    if (!ended) TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    if (!isReady) {
      state.SkipWithError("the program was not as wanted, before or after the idle stretch");
      return;
    }
    if (!ended) {
      state.SkipWithError("the program did not end when closed");
      return;
    }
    state.counters["cpu_percent"] = percent;
  }
}

bool ClockShown(DWORD process) {
  const HWND clock = FindTitled(process, L"Quillet Clock");
  return clock && IsWindowVisible(clock);
}

bool ClockHidden(DWORD process) {
  const HWND clock = FindTitled(process, L"Quillet Clock");
  return clock && !IsWindowVisible(clock);
}

bool AnyWindowShown(DWORD process) {
  struct Search {
    DWORD process;
    bool shown = false;
  } search{process};
  EnumWindows(
      [](HWND hwnd, LPARAM data) -> BOOL {
        auto* looking = reinterpret_cast<Search*>(data);
        DWORD owner = 0;
        GetWindowThreadProcessId(hwnd, &owner);
        looking->shown |= owner == looking->process && IsWindowVisible(hwnd);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.shown;
}

void IdleQuillet(benchmark::State& state, bool clockShown) {
  const std::wstring folder = PrepareProgramFolder();
  if (folder.empty()) {
    state.SkipWithError("no program folder");
    return;
  }
  const bool written =
      clockShown ? WriteClockSettings({{L"ViewMode", 0}, {L"StartView", 1}})
                 : WriteClockSettings({{L"ViewMode", 2}, {L"StartView", 0}, {L"SpecialTime_0", -1},
                                       {L"SpecialTime_30", -1}, {L"SpecialTime_2", -1}, {L"SpecialTime_3", -1},
                                       {L"SpecialTime_4", -1}});
  if (!written) {
    state.SkipWithError("the clock settings could not be written");
  } else {
    MeasureIdle(state, folder + L"Quillet.exe", L"", folder, clockShown ? &ClockShown : &ClockHidden,
                L"Quillet Program");
  }
  RegDeleteTreeW(HKEY_CURRENT_USER, kProgramKey);
}

void IdleQuilletClockShown(benchmark::State& state) { IdleQuillet(state, true); }
void IdleQuilletClockHidden(benchmark::State& state) { IdleQuillet(state, false); }

void IdleBareWindowPresentingEverySecond(benchmark::State& state) {
  MeasureIdle(state, BenchFolder() + L"bench_bare_window.exe", L" present", BenchFolder(), &AnyWindowShown, nullptr);
}

BENCHMARK(IdleBareWindowPresentingEverySecond)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(IdleQuilletClockShown)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);
BENCHMARK(IdleQuilletClockHidden)->UseManualTime()->Unit(benchmark::kSecond)->Iterations(1);

}  // namespace
}  // namespace quillet::win

BENCHMARK_MAIN();
