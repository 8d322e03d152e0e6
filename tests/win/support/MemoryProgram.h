#pragma once

#include "Fakes.h"
#include "MemoryFileSystem.h"
#include "memo/MemoWindow.h"
#include "settings/SettingsStore.h"

namespace quillet::win::testing {

// The settings of a program in "C:\Quillet\" held in memory, loaded with their defaults, and its
// data folder made.
struct MemoryProgram {
  MemoryProgram() {
    files.AddFolder("C:\\Quillet");
    settings.LoadAll();
    files.AddFolder(settings.values().general.dataFolder);
  }

  quillet::testing::MemoryFileSystem files;
  quillet::testing::MemorySettingsBackend registry;
  quillet::testing::FixedClock clock;
  SettingsStore settings{files, registry, clock, SettingsEnvironment{"C:\\Quillet\\", "", 1},
                         [](const std::string&) {}};
};

// A program around memo windows that asks nothing of them; `bulk` as during start-up.
class QuietMemoHost final : public MemoWindowHost {
 public:
  explicit QuietMemoHost(bool bulk) : bulk_(bulk) {}
  PanelNeighbours Neighbours(const DesktopPanel&) const override { return {}; }
  void ArrangePanel(DesktopPanel&) override {}
  HWND CommandTarget() const override { return nullptr; }
  bool BulkOperation() const override { return bulk_; }
  void ShowMemoTip(const MemoWindow&) override {}
  void HideMemoTip() override {}
  void FoldedMemoMoved(const MemoWindow&) override {}
  std::vector<std::string> FillGroupMenus(HMENU, HMENU) override { return {}; }
  OwnedMenu MakeProgramMenu() override { return {}; }

 private:
  bool bulk_;
};

}  // namespace quillet::win::testing
