#pragma once

#include "widgets/ClockWindow.h"

namespace quillet::win {

// A program around skin windows and the clock that asks nothing and answers nothing, for
// benchmarks that time the windows alone.
class QuietHost final : public WidgetHost, public ClockHost {
 public:
  PanelNeighbours Neighbours(const DesktopPanel&) const override { return {}; }
  void ArrangePanel(DesktopPanel&) override {}
  HWND CommandTarget() const override { return nullptr; }
  OwnedMenu MakeProgramMenu() override { return {}; }
  void DestroyWidget(SkinWindow&) override {}
  void RunSetupCommand(SkinCommand) override {}
  void OnMinute(const LocalMinute&) override {}
  void OnDayChanged(const LocalMinute&) override {}
  void SaveSettings() override {}
};

}  // namespace quillet::win
