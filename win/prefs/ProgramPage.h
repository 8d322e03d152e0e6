#pragma once

#include "prefs/PreferencesPage.h"

namespace quillet::win {

// Page 1: docking, autostart, the tray icon, the desktop option, portable mode, seven hotkeys.
class ProgramPage final : public PreferencesPage {
 public:
  explicit ProgramPage(const PreferencesServices& services);
  void Apply() override;
  void Reset() override;

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;

  // The portable box, acting at once.
  void SwitchPortable(bool on);
  void ShowAutostartBox();
};

}  // namespace quillet::win
