#pragma once

#include <array>

#include "framework/BitmapButton.h"
#include "framework/Dialog.h"
#include "framework/ToolTips.h"
#include "prefs/PreferencesHost.h"

namespace quillet::win {

class PreferencesPage;

// "Quillet 환경설정": six pages chosen by the picture buttons on the left. "확인" and "적용"
// store the page shown; "기본값" shows its reset values; the frame destroys the dialog when told
// (1224) that it closed.
class PreferencesDialog final : public Dialog {
 public:
  enum Page { kMemoPage, kProgramPage, kColorPage, kShortcutPage, kClockPage, kCalendarPage, kPageCount };

  // Shown on `page`; on the shortcut page, `focus` (0–7 a target, 9 the run box) gets the
  // keyboard half a second later. Nothing when it cannot be made.
  static WindowPtr<PreferencesDialog> Make(const PreferencesServices& services, Page page, int focus);
  ~PreferencesDialog() override;

  void ShowPage(Page page, int focus = -1);
  // After a full save: the hotkey buttons show the table again.
  void RefreshHotkeys();

 private:
  explicit PreferencesDialog(const PreferencesServices& services);

  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  bool OnMessage(const Message& message, LRESULT& result) override;
  void OnOK() override;
  void OnCancel() override;
  void TellHostClosed(bool applied) const;
  void Apply();
  // The page, made the first time it is asked for; nothing when it cannot be made.
  PreferencesPage* PageAt(Page page);

  const PreferencesServices& services_;
  std::array<BitmapButton, kPageCount> buttons_;
  std::array<WindowPtr<PreferencesPage>, kPageCount> pages_;
  RECT pageArea_{};  // the frame inset by 1, in client coordinates
  ToolTips tips_;
  Page shown_ = kMemoPage;
  int focus_ = -1;
};

}  // namespace quillet::win
