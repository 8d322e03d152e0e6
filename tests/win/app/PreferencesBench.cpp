// Opening "Quillet 환경설정" on its first page (argument 0), and then visiting the other five
// (1), the dialog destroyed again each time: the user waits for it each time it opens.
#include <benchmark/benchmark.h>

#include "platform/WinApi.h"

#include <commctrl.h>

#include "prefs/PreferencesDialog.h"
#include "support/MemoryProgram.h"

namespace quillet::win {
namespace {

// The dialog's side of the frame, doing nothing.
class IdleHost final : public PreferencesHost {
 public:
  void ApplyMemoAlpha(bool) override {}
  void ApplyMemoSettings() override {}
  void ShowTrayIcon(bool) override {}
  void UpdateScheduleView() override {}
  ClockWindow* ClockWidget() override { return nullptr; }
  CalendarWindow* CalendarWidget() override { return nullptr; }
  void ApplyClockSettings() override {}
  void ApplyCalendarSettings() override {}
  bool ReregisterHotkey(int) override { return true; }
  bool SaveSettings() override { return true; }
  void AnniversariesChanged() override {}
  void PreferencesClosed(bool) override {}
};

void OpenThePreferences(benchmark::State& state) {
  INITCOMMONCONTROLSEX controls{sizeof controls, ICC_STANDARD_CLASSES | ICC_WIN95_CLASSES};
  InitCommonControlsEx(&controls);
  testing::MemoryProgram program;
  SettingsStore& settings = program.settings;
  IdleHost host;
  const HWND frame = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                     nullptr, nullptr);
  const PreferencesServices services{frame, settings, program.files, program.clock, 1, host};
  for (auto _ : state) {
    WindowPtr<PreferencesDialog> dialog = PreferencesDialog::Make(services, PreferencesDialog::kMemoPage, -1);
    if (!dialog) {
      state.SkipWithError("the dialog could not be made");
      break;
    }
    UpdateWindow(dialog->hwnd());
    if (state.range(0) == 0) continue;
    for (int page = PreferencesDialog::kProgramPage; page < PreferencesDialog::kPageCount; ++page) {
      dialog->ShowPage(static_cast<PreferencesDialog::Page>(page));
      UpdateWindow(dialog->hwnd());
    }
  }
  DestroyWindow(frame);
}

BENCHMARK(OpenThePreferences)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace quillet::win

BENCHMARK_MAIN();
