#pragma once

#include <array>

#include "controls/ColorButton.h"
#include "prefs/PreferencesPage.h"
#include "settings/Settings.h"

namespace quillet::win {

class SampleMemo;

// Page 2: the twelve memo colours with a sample memo of the last one chosen, and "RandomColor".
class ColorPage final : public PreferencesPage {
 public:
  explicit ColorPage(const PreferencesServices& services);
  ~ColorPage() override;
  void Apply() override;
  void Reset() override;

 private:
  bool OnInit() override;
  void OnCommand(UINT id, UINT notification) override;
  void ShowColors(const ColorSettings& colors);
  void ShowSample(int index);

  std::array<ColorButton, kPaletteSize> swatches_;
  WindowPtr<SampleMemo> sample_;
};

}  // namespace quillet::win
