// "모두 제거" over a data folder of 10,000 memo files: the lists read, every file of the program
// deleted, the folder too. The files are made again, untimed, before each round.
#include <benchmark/benchmark.h>

#include <windows.h>

#include <cstdio>
#include <string>

#include "win/Removal.h"

namespace {

constexpr int kMemos = 5000;  // listed content files, and as many named like content files

void WriteWhole(const std::wstring& path, const std::string& bytes) {
  const HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

// A list in the program's format naming listed00000.rtf … in records of version 150.
std::string ListNaming(int count) {
  std::string list = std::string(1, '\x11') + "150MEMO SIGNATURE";
  for (int i = 0; i < count; ++i) {
    char name[32];
    const int length = std::snprintf(name, sizeof name, "listed%05d.rtf", i);
    list += std::string("\x96\0\0\0", 4) + std::string(12 * 4, '\0');  // version, then the numbers
    list += static_cast<char>(length) + std::string(name);                  // the content file
    list += std::string(4, '\0') + std::string(2, '\0');                    // scroll line, title, edit time
    list += std::string(4, '\0') + std::string(1, '\0');                    // reserved, title font
  }
  return list;
}

void MakeDataFolder(const std::wstring& folder, const std::string& list) {
  CreateDirectoryW(folder.c_str(), nullptr);
  WriteWhole(folder + L"DefaultMemo.qld", list);
  for (int i = 0; i < kMemos; ++i) {
    wchar_t name[40];
    std::swprintf(name, 40, L"listed%05d.rtf", i);
    WriteWhole(folder + name, "{\\rtf1 memo}");
    std::swprintf(name, 40, L"20261208%09d.rtf", i);
    WriteWhole(folder + name, "{\\rtf1 memo}");
  }
}

void RemoveEverything(benchmark::State& state) {
  wchar_t temp[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, temp);
  const std::wstring folder = std::wstring(temp) + L"quillet-removal-bench\\";
  const std::string list = ListNaming(kMemos);
  for (auto _ : state) {
    state.PauseTiming();
    MakeDataFolder(folder, list);
    state.ResumeTiming();
    unquill::DeleteProgramFilesIn(folder);
  }
  state.counters["folder_left"] = GetFileAttributesW(folder.c_str()) != INVALID_FILE_ATTRIBUTES ? 1 : 0;
}

BENCHMARK(RemoveEverything)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace

BENCHMARK_MAIN();
