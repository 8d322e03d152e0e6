#pragma once

#include "prefs/PreferencesPage.h"
#include "settings/RunHistory.h"

namespace quillet::win {

// Page 3: the four program and four address hotkeys with their targets, and the run box.
class ShortcutPage final : public PreferencesPage {
 public:
  explicit ShortcutPage(const PreferencesServices& services);
  void Apply() override;
  void Reset() override {}
  // Program edit `index` (0–7), or the run box for 9, gets the keyboard.
  void FocusTarget(int index);
  // Enter in the run box runs it.
  bool RunBoxHasFocus() const;
  void RunBox();

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;

  void Browse(int index);
  void RunTarget(int index);
  void ShowHistory();
  void ClearHistory();
  // "확인" of the dialog around the page.
  void PressOk() const;

  RunHistory history_;
};

}  // namespace quillet::win
