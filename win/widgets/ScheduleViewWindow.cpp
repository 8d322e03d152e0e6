#include "widgets/ScheduleViewWindow.h"

#include <algorithm>

#include "platform/Wide.h"
#include "resources/WidgetResources.h"
#include "schedule/TodayItems.h"
#include "settings/Settings.h"

namespace quillet::win {

ScheduleViewWindow::ScheduleViewWindow(const SkinWindowServices& services, WidgetSettings& settings,
                                       std::string skinRoot, ScheduleViewHost& host)
    : SkinWindow(IDD_SCHEDULE_VIEW, IDR_SKIN_MENU, services, std::move(skinRoot)), settings_(settings), host_(host) {}

bool ScheduleViewWindow::Create() {
  SetMouseOverHidingEnabled(settings_.mouseOverHiding);
  SetMovable(settings_.allowMove);
  const BYTE alpha = static_cast<BYTE>(std::clamp(settings_.transVal, 0, 255));
  if (!SkinWindow::Create(settings_.position, settings_.skinFile, settings_.zPosition, alpha)) return false;
  FitToRows();
  return true;
}

bool ScheduleViewWindow::OnInit() {
  SkinWindow::OnInit();
  SetWindowTextW(hwnd(), L"Quillet Schedule");
  return false;
}

void ScheduleViewWindow::StoreState() {
  settings_.skinFile = chosenSkin();
  settings_.zPosition = zPosition();
  settings_.transVal = alpha();
  settings_.mouseOverHiding = IsMouseOverHiding();
  settings_.allowMove = movable();
}

std::vector<TodayItem> ScheduleViewWindow::ItemsOf(const CivilDate& date, int hour, int minute) const {
  return TodayItems(host_.Schedules(), host_.Anniversaries(), date, hour, minute);
}

void ScheduleViewWindow::Refresh() {
  if (BuiltSkin* skin = builtSkin()) {
    for (const auto& meter : skin->meters) {
      if (meter->type() == MeterType::Schedule) static_cast<ScheduleMeter*>(meter.get())->Refresh();
    }
  }
  FitToRows();
}

// A skin without a background picture is as tall as its rows (at least its own height, at most
// the work area), so the later schedules of a busy day are never cut off. The window's text says
// what the rows say, for screen readers.
void ScheduleViewWindow::FitToRows() {
  const BuiltSkin* skin = builtSkin();
  std::string text = "Quillet Schedule";
  if (skin) {
    for (const auto& meter : skin->meters) {
      if (meter->type() != MeterType::Schedule) continue;
      for (const std::string& line : static_cast<const ScheduleMeter*>(meter.get())->Lines()) text += "\n" + line;
    }
  }
  SetWindowTextW(hwnd(), WidenCp949(text).c_str());
  if (!skin || skin->background) {
    Redraw();
    return;
  }
  int content = 0;
  for (const auto& meter : skin->meters) {
    if (meter->type() == MeterType::Schedule) {
      content = std::max(content, meter->Y() + static_cast<const ScheduleMeter*>(meter.get())->ContentHeight());
    }
  }
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  ResizeSkin(std::clamp(content, skinHeight(), std::max<int>(skinHeight(), area.bottom - area.top)));
}

void ScheduleViewWindow::OnSkinChosen() {
  settings_.skinFile = chosenSkin();
  FitToRows();
  host_.SaveScheduleViewSettings();
}

void ScheduleViewWindow::OnMoved() {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  settings_.position = Point{window.left, window.top};
}

}  // namespace quillet::win
