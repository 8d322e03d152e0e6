// The restore dialog opened over a bin of 5,000 deleted memos: one folder listing, the owner-data
// list and the first preview.
#include <benchmark/benchmark.h>

#include <string>

#include "memo/RestoreDialog.h"
#include "memo/RichEditLibrary.h"
#include "platform/Win32FileSystem.h"
#include "platform/Win32TextCodec.h"

#include <commctrl.h>

namespace quillet::win {
namespace {

constexpr int kDeletedMemos = 5000;

std::string TemporaryBin() {
  wchar_t base[MAX_PATH] = {};
  GetTempPathW(MAX_PATH, base);
  const std::wstring folder = std::wstring(base) + L"quillet-bin-bench\\";
  CreateDirectoryW(folder.c_str(), nullptr);
  for (int i = 0; i < kDeletedMemos; ++i) {
    const std::wstring path = folder + L"2027020709" + std::to_wstring(100000 + i) + L".brt";
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_ARCHIVE, nullptr);
    if (file == INVALID_HANDLE_VALUE) continue;
    static const char kRtf[] = "{\\rtf1\\ansi deleted memo\\par}";
    DWORD written = 0;
    WriteFile(file, kRtf, sizeof kRtf - 1, &written, nullptr);
    CloseHandle(file);
  }
  char narrow[MAX_PATH * 2] = {};
  WideCharToMultiByte(949, 0, folder.c_str(), -1, narrow, sizeof narrow, nullptr, nullptr);
  return narrow;
}

void RestoreDialogOverFiveThousandDeletedMemos(benchmark::State& state) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_LISTVIEW_CLASSES};
  InitCommonControlsEx(&controls);
  if (!LoadRichEdit20()) {
    state.SkipWithError("no rich edit control");
    return;
  }
  const std::string folder = TemporaryBin();
  Win32FileSystem files;
  Win32TextCodec codec;
  const RestoreDialog::Services services{GetModuleHandleW(nullptr), files, codec, [&] { return folder; },
                                         [](const std::string&, bool) { return true; }};
  for (auto _ : state) {
    WindowPtr<RestoreDialog> dialog = RestoreDialog::Make(nullptr, services, RestoreMode::RecycleBin);
    if (!dialog) {
      state.SkipWithError("the dialog could not be made");
      return;
    }
  }
}
BENCHMARK(RestoreDialogOverFiveThousandDeletedMemos)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet::win

BENCHMARK_MAIN();
