#include "app/DesktopWidgets.h"

#include "memo/MemoBoard.h"
#include "calendar/DayInfoStore.h"
#include "memo/PanelZOrder.h"
#include "settings/SettingsStore.h"

namespace quillet::win {

DesktopWidgets::DesktopWidgets(const Services& services) : services_(services) {
  services_.memos.SetWidgetPlaces([this](HWND except) { return Places(except); });
}

DesktopWidgets::~DesktopWidgets() { services_.memos.SetWidgetPlaces(nullptr); }

SkinWindowServices DesktopWidgets::WidgetServices() {
  Settings& values = services_.settings.values();
  const SettingsEnvironment& where = services_.settings.Environment();
  return SkinWindowServices{PanelServices{values.general, *this},
                            *this,
                            services_.files,
                            services_.clock,
                            services_.instance,
                            where.programFolder,
                            where.UserFilesFolder()};
}

void DesktopWidgets::CreateClock() {
  if (clock_) return;
  Settings& values = services_.settings.values();
  ClockSettings& settings = values.clock;
  WindowPtr<ClockWindow> clock(new ClockWindow(WidgetServices(), settings, values.clockSkinFolder, *this));
  if (!clock->Create()) return;
  PlaceOnScreen(*clock, settings.position);
  clock_ = std::move(clock);
  if (settings.viewMode == ClockViewMode::Always) {
    clock_->FadeIn();
  } else if (settings.startView) {
    clock_->ShowFor(values.general.hotKeyClockViewTime * 1000);
  }
}

// A widget whose saved place is off every work area comes back beside the memos, and the
// settings keep the corrected place.
void DesktopWidgets::PlaceOnScreen(SkinWindow& widget, Point& position) {
  const Point checked = widget.CheckedPosition(position, services_.memos.NewMemoPlace());
  if (checked.x != position.x || checked.y != position.y) {
    SetWindowPos(widget.hwnd(), nullptr, checked.x, checked.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    position = checked;
  }
  widget.ClearModified();
}

void DesktopWidgets::CreateCalendar() {
  if (calendar_) return;
  Settings& values = services_.settings.values();
  CalendarSettings& settings = values.calendar;
  WindowPtr<CalendarWindow> calendar(new CalendarWindow(WidgetServices(), settings, values.calendarSkinFolder,
                                                        DayInfoPath(services_.settings.Environment().UserFilesFolder()),
                                                        services_.calendarHost));
  if (!calendar->Create()) return;
  PlaceOnScreen(*calendar, settings.position);
  calendar_ = std::move(calendar);
  if (settings.autoStart) calendar_->FadeIn();
}

void DesktopWidgets::ApplyLook(SkinWindow& widget, const std::string& skinFile, ZPosition zPosition,
                               bool mouseOverHiding, int transVal) {
  if (skinFile != widget.chosenSkin()) {
    if (skinFile.empty()) {
      widget.LoadDefaultSkin();
    } else {
      widget.LoadSkin(skinFile);
    }
  }
  widget.SetZPosition(zPosition);
  widget.SetMouseOverHidingEnabled(mouseOverHiding);
  widget.SetTransparency(static_cast<BYTE>(transVal));
}

void DesktopWidgets::ApplyClockSettings() {
  if (!clock_) return;
  const ClockSettings& settings = services_.settings.values().clock;
  ApplyLook(*clock_, settings.skinFile, settings.zPosition, settings.mouseOverHiding, settings.transVal);
  clock_->SetViewMode(settings.viewMode);
}

void DesktopWidgets::ApplyCalendarSettings() {
  if (!calendar_) return;
  const CalendarSettings& settings = services_.settings.values().calendar;
  ApplyLook(*calendar_, settings.skinFile, settings.position160, settings.mouseOverHiding, settings.transVal);
  if (settings.autoStart && !IsWindowVisible(calendar_->hwnd())) calendar_->FadeIn();
}

void DesktopWidgets::ShowCalendar() {
  if (calendar_) calendar_->FadeIn();
}

bool DesktopWidgets::MakeScheduleView() {
  if (scheduleView_) return true;
  Settings& values = services_.settings.values();
  WindowPtr<ScheduleViewWindow> view(new ScheduleViewWindow(WidgetServices(), values.schedule,
                                                            values.scheduleSkinFolder, services_.scheduleViewHost));
  if (!view->Create()) return false;
  PlaceOnScreen(*view, values.schedule.position);
  scheduleView_ = std::move(view);
  return true;
}

void DesktopWidgets::StartScheduleView(bool todayHasSomething) {
  using Mode = WidgetStartMode;
  const Mode mode = services_.settings.values().schedule.startMode;
  if (mode == Mode::Never || (mode == Mode::WhenNeeded && !todayHasSomething)) return;
  if (MakeScheduleView()) scheduleView_->FadeIn();
}

void DesktopWidgets::ScheduleViewOnNewDay(bool todayHasSomething) {
  using Mode = WidgetStartMode;
  const Mode mode = services_.settings.values().schedule.startMode;
  if (!scheduleView_) {
    StartScheduleView(todayHasSomething);
    return;
  }
  if (mode == Mode::Always) scheduleView_->Refresh();
  if (mode == Mode::Never || (mode == Mode::WhenNeeded && !todayHasSomething)) {
    scheduleView_->FadeOut();
  } else if (mode == Mode::WhenNeeded) {
    scheduleView_->Refresh();
    scheduleView_->FadeIn();
  }
}

void DesktopWidgets::ScheduleViewFollowsToday(bool todayHasSomething) {
  if (services_.settings.values().schedule.startMode != WidgetStartMode::WhenNeeded) return;
  if (!scheduleView_) {
    StartScheduleView(todayHasSomething);
    return;
  }
  const bool shown = IsWindowVisible(scheduleView_->hwnd()) != FALSE;
  if (todayHasSomething && !shown) scheduleView_->FadeIn();
  if (!todayHasSomething && shown) scheduleView_->FadeOut();
}

void DesktopWidgets::ShowScheduleView() {
  if (!MakeScheduleView()) return;
  scheduleView_->Refresh();
  scheduleView_->FadeIn();
}

bool DesktopWidgets::MakeLauncher() {
  if (launcher_) return true;
  Settings& values = services_.settings.values();
  WindowPtr<LauncherWindow> launcher(
      new LauncherWindow(WidgetServices(), values.rauncher, values.rauncherSkinFolder, values.rauncherFile));
  if (!launcher->Create()) return false;
  PlaceOnScreen(*launcher, values.rauncher.position);
  launcher_ = std::move(launcher);
  return true;
}

void DesktopWidgets::StartLauncher() {
  const WidgetStartMode mode = services_.settings.values().rauncher.startMode;
  if (mode == WidgetStartMode::Never || !MakeLauncher()) return;
  if (mode == WidgetStartMode::Always || launcher_->HasEntries()) launcher_->FadeIn();
}

void DesktopWidgets::ShowLauncher() {
  if (MakeLauncher()) launcher_->FadeIn();
}

void DesktopWidgets::ShowClock() {
  if (!clock_) return;
  const Settings& values = services_.settings.values();
  clock_->ShowFor(values.clock.viewMode != ClockViewMode::Always ? values.general.hotKeyClockViewTime * 1000 : -1);
}

void DesktopWidgets::ToggleFromHotkey(Widget which) {
  const Settings& values = services_.settings.values();
  if (which == Widget::Clock && values.clock.viewMode != ClockViewMode::Always) return ShowClock();
  SkinWindow* widget = which == Widget::Clock      ? static_cast<SkinWindow*>(clock_.get())
                       : which == Widget::Calendar ? static_cast<SkinWindow*>(calendar_.get())
                       : MakeScheduleView()        ? static_cast<SkinWindow*>(scheduleView_.get())
                                                   : nullptr;
  if (!widget) return;
  if (IsWindowVisible(widget->hwnd()) && values.general.hotKeyToggle) {
    widget->FadeOut();
    return;
  }
  if (which == Widget::Clock) {
    clock_->ShowFor(-1);
  } else {
    if (which == Widget::ScheduleView) scheduleView_->Refresh();
    widget->FadeIn();
  }
  // One always on top goes on top again; a normal one just comes forward.
  if (widget->zPosition() == ZPosition::AlwaysOnTop) widget->SetZPosition(ZPosition::AlwaysOnTop);
  if (widget->zPosition() == ZPosition::AlwaysOnTop || widget->zPosition() == ZPosition::Normal) {
    SetForegroundWindow(widget->hwnd());
  }
}

void DesktopWidgets::SaveMovedPositions() {
  if (!clock_ || !clock_->modified()) return;
  services_.settings.SaveClockPosition();
  clock_->ClearModified();
}

void DesktopWidgets::StoreStates() {
  if (clock_) clock_->StoreState();
  if (calendar_) calendar_->StoreState();
  if (scheduleView_) scheduleView_->StoreState();
  if (launcher_) launcher_->StoreState();
}

void DesktopWidgets::CloseAll() {
  StoreStates();
  launcher_.reset();
  scheduleView_.reset();
  calendar_.reset();
  clock_.reset();
}

void DesktopWidgets::SaveSettings() {
  StoreStates();
  services_.settings.SaveAll();
}

std::vector<Rect> DesktopWidgets::Places(HWND except) const {
  std::vector<Rect> places;
  for (const SkinWindow* widget :
       {static_cast<const SkinWindow*>(clock_.get()), static_cast<const SkinWindow*>(calendar_.get()),
        static_cast<const SkinWindow*>(scheduleView_.get()), static_cast<const SkinWindow*>(launcher_.get())}) {
    if (widget && widget->hwnd() != except && IsWindowVisible(widget->hwnd())) places.push_back(widget->GetPanelRect());
  }
  return places;
}

PanelNeighbours DesktopWidgets::Neighbours(const DesktopPanel& panel) const {
  return services_.memos.Neighbours(panel);
}

void DesktopWidgets::ArrangePanel(DesktopPanel& panel) { services_.memos.ArrangePanel(panel); }

// The clock and the calendar hide instead.
void DesktopWidgets::DestroyWidget(SkinWindow&) {}

}  // namespace quillet::win
