#pragma once

#include "controls/ColorButton.h"
#include "framework/Gdi.h"
#include "prefs/PreferencesPage.h"

namespace quillet::win {

// Page 0: new memos, folded and expanded memos, their look, and three hotkeys.
class MemoPage final : public PreferencesPage {
 public:
  explicit MemoPage(const PreferencesServices& services);
  void Apply() override;
  void Reset() override;

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;

  // A slider moved: stored, and every memo of its kind shows it.
  void OnSlider(HWND slider);
  void ShowHidingBox();
  void OnSimpleViewBox();
  void ShowFontSample();

  ColorButton textColor_;
  ColorButton timeColor_;
  Font bold_, italic_, underline_, sample_;
};

}  // namespace quillet::win
