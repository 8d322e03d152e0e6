#pragma once

#include <string>
#include <vector>

#include "prefs/PreferencesPage.h"
#include "skin/SkinList.h"

namespace quillet::win {

// What the clock and the calendar page share: the skin combo ("Default" and the skins of the
// widget's folder) and the live transparency slider.
class WidgetPage : public PreferencesPage {
 public:
  using PreferencesPage::PreferencesPage;

 protected:
  void FillSkins(const std::string& skinRoot, const std::string& chosen);
  // The chosen skin file; "" for "Default".
  std::string ChosenSkin() const;
  bool OnMessage(const Message& message, LRESULT& result) override;
  // The slider moved: stored and shown on the widget at once.
  virtual void OnAlpha(int value) = 0;

  int sliderId_ = 0;
  int labelId_ = 0;

 private:
  std::vector<SkinChoice> skins_;
};

// Page 4: the clock.
class ClockPage final : public WidgetPage {
 public:
  explicit ClockPage(const PreferencesServices& services);
  void Apply() override;
  void Reset() override;

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  void OnAlpha(int value) override;
  void ChooseSound();
};

// Page 5: the calendar, its anniversaries and the schedule view's start mode.
class CalendarPage final : public WidgetPage {
 public:
  explicit CalendarPage(const PreferencesServices& services);
  void Apply() override;
  void Reset() override;

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  void OnAlpha(int value) override;
  void FillAnniversaries();
  // The identifier of the selected entry, or −1.
  int SelectedAnniversary() const;
  void AddAnniversary();
  void EditAnniversary();
  void DeleteAnniversary();
};

}  // namespace quillet::win
