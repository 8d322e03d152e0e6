#pragma once

#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

#include "controls/HotkeyButton.h"
#include "framework/Dialog.h"
#include "prefs/PreferencesHost.h"

namespace quillet {
struct Settings;
struct ValueGrid;
}

namespace quillet::win {

// One page of the preferences: a child dialog laid over the dialog's frame. It shows the settings
// when made, stores them when applied, and shows its reset values on "기본값".
class PreferencesPage : public Dialog {
 public:
  PreferencesPage(int templateId, const PreferencesServices& services) : Dialog(templateId), services_(services) {}

  // Made hidden over `area` of `host`. False when the template could not be made.
  bool Make(HWND host, const RECT& area);
  virtual void Apply() = 0;
  virtual void Reset() = 0;
  // The hotkey buttons show the table again (after a full save).
  void RefreshHotkeys();

 protected:
  // Enter and Esc belong to the dialog around the page.
  void OnOK() override;
  void OnCancel() override;

  Settings& values() const;
  const PreferencesServices& services() const { return services_; }

  // The button `control` shows hotkey `id`; a new combination is stored and registered at once.
  void BindHotkeys(std::initializer_list<std::pair<int, int>> controlsAndIds);

  bool Checked(int control) const;
  void Check(int control, bool checked) const;
  void Enable(int control, bool enabled) const;
  // A drop-down list filled with program texts (CP949).
  void FillCombo(int control, std::initializer_list<const char*> items) const;
  void FillCombo(int control, const std::vector<std::string>& items) const;
  void SelectItem(int control, int index) const;
  // A combo of a grid's numbers, each followed by `unit` ("초"), showing `value`.
  void FillGrid(int control, const ValueGrid& grid, int value, const char* unit = "") const;
  // The chosen number into `value`; nothing chosen leaves it.
  void StoreGrid(int control, const ValueGrid& grid, int& value) const;
  // The selected item; CB_ERR (−1) when none.
  int SelectedItem(int control) const;
  std::string Text(int control) const;
  void SetText(int control, const std::string& text) const;
  // A transparency slider (26–255) and its label.
  void SetupSlider(int slider, int value, int label) const;
  int SliderValue(int slider) const;
  void ShowSliderLabel(int slider, int label) const;

 private:
  void ChangeHotkey(HotkeyButton& button, int id, const HotkeyEntry& chosen);

  const PreferencesServices& services_;
  struct BoundHotkey {
    std::unique_ptr<HotkeyButton> button;
    int id;
  };
  std::vector<BoundHotkey> hotkeys_;
};

}  // namespace quillet::win
