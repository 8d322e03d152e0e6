#include "widgets/ClockWindow.h"

#include <mmsystem.h>

#include <algorithm>

#include "memo/PanelZOrder.h"
#include "platform/TestTrace.h"
#include "platform/Wide.h"
#include "ports/Clock.h"
#include "resources/WidgetResources.h"
#include "settings/Settings.h"
#include "skin/BuiltInSkins.h"
#include "widgets/ShowingAtSetTimes.h"

namespace quillet::win {

namespace {

constexpr UINT_PTR kClockTimer = 100;
constexpr UINT kTickMilliseconds = 1000;

const char* TraceWord(SpecialTimeAction action) {
  switch (action) {
    case SpecialTimeAction::Raise:
      return "special-time raise";
    case SpecialTimeAction::Lower:
      return "special-time lower";
    case SpecialTimeAction::PlaySound:
      return "sound";
    case SpecialTimeAction::None:
      break;
  }
  return nullptr;
}

}  // namespace

ClockWindow::ClockWindow(const SkinWindowServices& services, ClockSettings& settings, std::string skinRoot,
                         ClockHost& host)
    : SkinWindow(IDD_CLOCK, IDR_CLOCK_MENU, services, std::move(skinRoot)),
      settings_(settings),
      host_(host) {}

bool ClockWindow::Create() {
  SetMouseOverHidingEnabled(settings_.mouseOverHiding);
  SetMovable(settings_.allowMove);
  const BYTE alpha = static_cast<BYTE>(std::clamp(settings_.transVal, 0, 255));
  if (!SkinWindow::Create(settings_.position, settings_.skinFile, settings_.zPosition, alpha)) return false;
  // A minute handler's message box must not stop the clock or the next minutes' checks; the
  // heartbeat stores its stamps before calling, so a nested tick reports nothing twice.
  AllowReentrantTimer(kClockTimer);
  StartTimer(kClockTimer, kTickMilliseconds);
  return true;
}

void ClockWindow::StoreState() {
  settings_.skinFile = chosenSkin();
  settings_.zPosition = raisedBySpecialTime_ ? zBeforeRaise_ : zPosition();
  settings_.transVal = alpha();
  settings_.mouseOverHiding = IsMouseOverHiding();
  settings_.allowMove = movable();
}

// Named for the tools that look for it; its picture has no caption to show the name.
bool ClockWindow::OnInit() {
  SkinWindow::OnInit();
  SetWindowTextW(hwnd(), L"Quillet Clock");
  return false;
}

void ClockWindow::BuildDefaultSkin() { BuildFromText(DefaultClockSkinText(), kClockBackground); }

// On the clock "<DESTROY_WINDOW>" hides: the heartbeat must go on.
void ClockWindow::DestroyFromCommand() { FadeOut(); }

void ClockWindow::OnDoubleClick() {
  PostMessageW(skinServices().host.CommandTarget(), WM_COMMAND, ID_CLOCK_SETTINGS, 0);
}

void ClockWindow::OnSkinChosen() {
  settings_.skinFile = chosenSkin();
  host_.SaveSettings();
}

void ClockWindow::PrepareMenu(HMENU popup) {
  const auto checked = [this](ClockViewMode mode) { return settings_.viewMode == mode ? MF_CHECKED : MF_UNCHECKED; };
  CheckMenuItem(popup, ID_CLOCK_ALWAYS, MF_BYCOMMAND | checked(ClockViewMode::Always));
  CheckMenuItem(popup, ID_CLOCK_AT_SET_TIMES, MF_BYCOMMAND | checked(ClockViewMode::AtSetTimes));
}

void ClockWindow::OnMoved() {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  settings_.position = Point{window.left, window.top};
}

// Hidden while a special time had raised it (its own end, 숨기기, a skin's hide): the user's
// z-position comes back, so it is never saved as "always on top".
void ClockWindow::HideAfterFade() {
  SkinWindow::HideAfterFade();
  ForgetSpecialTimeRaise();
}

void ClockWindow::ForgetSpecialTimeRaise() {
  if (!raisedBySpecialTime_) return;
  raisedBySpecialTime_ = false;
  if (zPosition() != zBeforeRaise_) SetZPosition(zBeforeRaise_);
}

void ClockWindow::SpecialTime(const LocalTime& now) {
  const SpecialTimeAction action =
      SpecialTimeStep(SpecialTimeSettingsOf(settings_), now, ShowState(), raisedBySpecialTime_);
  if (const char* word = TraceWord(action)) TraceLine(word, now);
  switch (action) {
    case SpecialTimeAction::Raise:
      if (!raisedBySpecialTime_) zBeforeRaise_ = zPosition();
      raisedBySpecialTime_ = true;
      FadeIn();
      Redraw();
      if (zPosition() != ZPosition::AlwaysOnTop) SetZPosition(ZPosition::AlwaysOnTop);
      break;
    case SpecialTimeAction::Lower:
      ForgetSpecialTimeRaise();
      if (settings_.viewMode == ClockViewMode::AtSetTimes) FadeOut();
      break;
    case SpecialTimeAction::PlaySound:
      PlaySoundW(WidenCp949(settings_.specialAlarm).c_str(), nullptr, SND_FILENAME | SND_ASYNC | SND_NODEFAULT);
      break;
    case SpecialTimeAction::None:
      break;
  }
}

void ClockWindow::Tick() {
  const LocalTime now = skinServices().clock.Now();
  switch (settings_.viewMode) {
    case ClockViewMode::Always:
      // Hidden by the user or a skin's button: nothing to show until it comes back, which
      // redraws it first.
      if (IsWindowVisible(hwnd())) Redraw();
      break;
    case ClockViewMode::Hidden:
      if (ShowState() != PanelShowState::Hidden) Redraw();
      break;
    case ClockViewMode::AtSetTimes:
      SpecialTime(now);
      if (IsWindowVisible(hwnd())) Redraw();
      break;
  }
  const HeartbeatEvents events = heartbeat_.Tick(now);
  if (events.newMinute) {
    TraceLine("minute", now);
    host_.OnMinute(events.at);
  }
  if (events.newDay) {
    TraceLine("day", now);
    host_.OnDayChanged(events.at);
  }
}

void ClockWindow::OnCommand(UINT id, UINT notification) {
  if (id != ID_CLOCK_ALWAYS && id != ID_CLOCK_AT_SET_TIMES) {
    SkinWindow::OnCommand(id, notification);
    return;
  }
  SetViewMode(id == ID_CLOCK_ALWAYS ? ClockViewMode::Always : ClockViewMode::AtSetTimes);
}

void ClockWindow::SetViewMode(ClockViewMode mode) {
  settings_.viewMode = mode;
  if (mode != ClockViewMode::Always) {
    FadeOut();
    return;
  }
  BeginTemporaryShow(-1);  // for good, whatever temporary show was running
}

bool ClockWindow::OnMessage(const Message& message, LRESULT& result) {
  if (message.id == WM_TIMER && message.TimerId() == kClockTimer) {
    Tick();
    return true;
  }
  return SkinWindow::OnMessage(message, result);
}

}  // namespace quillet::win
