#pragma once

#include <memory>
#include <optional>
#include <vector>

#include "launcher/LauncherFile.h"
#include "skin/LauncherMeter.h"
#include "skin/SkinWindow.h"

namespace quillet {
struct WidgetSettings;
}

namespace quillet::win {

class GdiPlusImage;

// A skinned grid of program icons: a click on an icon starts its program. Programs come from the
// menu's file box or are dropped on it; the list lives in "RauncherFile".
class LauncherWindow final : public SkinWindow, private LauncherItems {
 public:
  LauncherWindow(const SkinWindowServices& services, WidgetSettings& settings, std::string skinRoot,
                 std::string listPath);
  ~LauncherWindow() override;

  // Hidden, with everything from the settings and the list read.
  bool Create();
  void StoreState();
  bool HasEntries() const { return !entries_.empty(); }

 private:
  std::vector<LauncherShown> Entries() const override;
  const LauncherItems* LauncherData() const override { return this; }

  bool OnInit() override;
  void DestroyFromCommand() override { FadeOut(); }
  void PrepareMenu(HMENU popup) override;
  void OnSkinChosen() override;
  void OnMoved() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;
  // The icons take clicks; the rest of the picture drags the window.
  bool TakesClicksAt(POINT client) const override { return EntryAt(client).has_value(); }

  std::optional<std::size_t> EntryAt(POINT client) const;
  void Start(std::size_t entry);
  void Add(const std::wstring& path);
  void AskToAdd();
  void RemoveChosen();
  void ListChanged();
  void Save();
  void Fit();

  WidgetSettings& settings_;
  LauncherFile file_;
  std::vector<LauncherEntry> entries_;
  std::vector<std::unique_ptr<GdiPlusImage>> icons_;  // one per entry, made when the list changes
  std::optional<std::size_t> menuEntry_;              // under the last right click
  std::optional<std::size_t> pressedEntry_;
};

}  // namespace quillet::win
