#include "widgets/CalendarWindow.h"

#include <algorithm>
#include <cstdio>

#include "calendar/DayViews.h"
#include "framework/Dpi.h"
#include "framework/PostedCall.h"
#include "schedule/DateKeys.h"
#include "platform/Wide.h"
#include "ports/Clock.h"
#include "resources/WidgetResources.h"
#include "settings/Settings.h"
#include "widgets/DayBalloonWindow.h"

namespace quillet::win {

namespace {

constexpr UINT_PTR kHoverTimer = 101;
constexpr UINT kHoverMilliseconds = 300;
constexpr UINT_PTR kCheckTimer = 102;
constexpr UINT kCheckMilliseconds = 500;

bool SameDay(const std::optional<CivilDate>& a, const std::optional<CivilDate>& b) {
  return a.has_value() == b.has_value() && (!a || *a == *b);
}

}  // namespace

CalendarWindow::CalendarWindow(const SkinWindowServices& services, CalendarSettings& settings, std::string skinRoot,
                               std::string dayInfoPath, CalendarHost& host)
    : SkinWindow(IDD_CALENDAR, IDR_CALENDAR_MENU, services, std::move(skinRoot)),
      settings_(settings),
      host_(host),
      anniversaries_(services.files, services.clock, std::move(dayInfoPath)) {}

CalendarWindow::~CalendarWindow() = default;

bool CalendarWindow::Create() {
  SetMouseOverHidingEnabled(settings_.mouseOverHiding);
  SetMovable(settings_.allowMove);
  const BYTE alpha = static_cast<BYTE>(std::clamp(settings_.transVal, 0, 255));
  anniversaries_.Load(nullptr);
  if (!SkinWindow::Create(settings_.position, settings_.skinFile, settings_.position160, alpha)) return false;
  balloon_ = DayBalloonWindow::Make(skinServices().instance);
  Draw();
  return true;
}

void CalendarWindow::StoreState() {
  settings_.skinFile = chosenSkin();
  settings_.position160 = zPosition();
  settings_.transVal = alpha();
  settings_.mouseOverHiding = IsMouseOverHiding();
  settings_.allowMove = movable();
}

bool CalendarWindow::OnInit() {
  SkinWindow::OnInit();
  SetWindowTextW(hwnd(), L"달력");
  return false;
}

CalendarMonth CalendarWindow::DaysOf(int year, int month) const {
  return MonthDays(anniversaries_.entries(), host_.Schedules(), year, month);
}

void CalendarWindow::Refresh() {
  HideBalloon();
  Draw();
}

bool CalendarWindow::TodayIsHoliday() const {
  const LocalMinute today = ToLocalMinute(skinServices().clock.Now());
  return DaysOf(today.date.year, today.date.month).days[static_cast<std::size_t>(today.date.day)].holiday;
}

std::vector<CalendarMeter*> CalendarWindow::CalendarMeters() const {
  std::vector<CalendarMeter*> meters;
  if (const BuiltSkin* skin = builtSkin()) {
    for (const auto& meter : skin->meters) {
      if (meter->type() == MeterType::Calendar) meters.push_back(static_cast<CalendarMeter*>(meter.get()));
    }
  }
  return meters;
}

std::optional<std::pair<int, int>> CalendarWindow::ShownMonth() const {
  const std::vector<CalendarMeter*> meters = CalendarMeters();
  if (meters.empty()) return std::nullopt;
  return std::pair{meters.front()->ShownYear(), meters.front()->ShownMonth()};
}

// The window's text names the month shown, for screen readers and tools.
void CalendarWindow::Draw() {
  Redraw();
  std::wstring title = L"달력";
  if (const auto shown = ShownMonth()) {
    wchar_t month[48];
    std::swprintf(month, 48, L"달력 %d년 %d월", shown->first, shown->second);
    title = month;
  }
  SetWindowTextW(hwnd(), title.c_str());
}

bool CalendarWindow::RunWidgetCommand(const std::string& word) {
  const std::optional<CalendarNavigation> navigation = CalendarNavigationOf(word);
  if (!navigation) return false;
  const std::vector<CalendarMeter*> meters = CalendarMeters();
  for (CalendarMeter* meter : meters) meter->Navigate(*navigation);
  HideBalloon();
  if (!meters.empty()) Draw();
  return true;
}

std::optional<CalendarCell> CalendarWindow::CellAt(POINT client) const {
  for (const CalendarMeter* meter : CalendarMeters()) {
    if (std::optional<CalendarCell> cell = meter->CellAt(client.x, client.y)) return cell;
  }
  return std::nullopt;
}

std::optional<CalendarCell> CalendarWindow::CellUnderCursor() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  if (WindowFromPoint(cursor) != hwnd()) return std::nullopt;
  return CellAt(CursorInSkin());
}

// Over a day the day dialog; elsewhere the skin's double-click command, or the settings.
void CalendarWindow::OnDoubleClick() {
  if (const std::optional<CalendarCell> cell = CellUnderCursor()) {
    HideBalloon();
    menuDay_ = cell->date;
    host_.OpenDayDialog(cell->date, -1);
    return;
  }
  const BuiltSkin* skin = builtSkin();
  if (skin && !skin->doubleClickCommand.empty()) {
    SkinWindow::OnDoubleClick();
  } else {
    host_.OpenCalendarSettings();
  }
}

int CalendarWindow::MenuAt(POINT client) const {
  return CellAt(client) ? IDR_CALENDAR_DAY_MENU : IDR_CALENDAR_MENU;
}

void CalendarWindow::PrepareMenu(HMENU popup) {
  HideBalloon();
  const std::optional<CalendarCell> cell = CellAt(CursorInSkin());
  if (!cell) return;
  menuDay_ = cell->date;
  wchar_t text[64];
  std::swprintf(text, 64, L"%d월 %d일 일정 등록", menuDay_.month, menuDay_.day);
  ModifyMenuW(popup, ID_DAY_ADD_SCHEDULE, MF_BYCOMMAND | MF_STRING, ID_DAY_ADD_SCHEDULE, text);
  std::swprintf(text, 64, L"%d월 %d일 정보", menuDay_.month, menuDay_.day);
  ModifyMenuW(popup, ID_DAY_INFORMATION, MF_BYCOMMAND | MF_STRING, ID_DAY_INFORMATION, text);
}

void CalendarWindow::OnSkinChosen() {
  settings_.skinFile = chosenSkin();
  Draw();
  host_.SaveCalendarSettings();
}

void CalendarWindow::OnMoved() {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  settings_.position = Point{window.left, window.top};
}

void CalendarWindow::OnCommand(UINT id, UINT notification) {
  switch (id) {
    case ID_DAY_ADD_SCHEDULE:
      host_.OpenDayDialog(menuDay_, 1);
      return;
    case ID_DAY_INFORMATION:
      host_.OpenDayDialog(menuDay_, 0);
      return;
    case ID_CALENDAR_SETTINGS:
      host_.OpenCalendarSettings();
      return;
    default:
      SkinWindow::OnCommand(id, notification);
  }
}

// The balloon waits for the pointer to rest on a day, then follows it every half second.
void CalendarWindow::WatchHover() {
  if (settings_.showToolTip == DayTips::Off || balloonDay_) return;
  const std::optional<CalendarCell> cell = CellUnderCursor();
  const std::optional<CivilDate> day = cell ? std::optional<CivilDate>(cell->date) : std::nullopt;
  if (SameDay(day, hoveredDay_)) return;
  hoveredDay_ = day;
  if (day) {
    StartTimer(kHoverTimer, kHoverMilliseconds);
  } else {
    StopTimer(kHoverTimer);
  }
}

void CalendarWindow::OnHoverTimer() {
  StopTimer(kHoverTimer);
  const std::optional<CalendarCell> cell = CellUnderCursor();
  if (!cell || !hoveredDay_ || !(cell->date == *hoveredDay_) || !balloon_) return;
  if (!ShowsDayBalloon(settings_.showToolTip, anniversaries_.entries(), host_.Schedules(), cell->date)) return;
  RECT onScreen = FromSkin(RECT{cell->cell.left, cell->cell.top, cell->cell.right, cell->cell.bottom});
  MapWindowPoints(hwnd(), nullptr, reinterpret_cast<POINT*>(&onScreen), 2);
  balloon_->Show(DayBalloonOf(anniversaries_.entries(), host_.Schedules(), cell->date), onScreen, WindowDpi(hwnd()));
  balloonDay_ = cell->date;
  StartTimer(kCheckTimer, kCheckMilliseconds);
}

void CalendarWindow::OnCheckTimer() {
  const std::optional<CalendarCell> cell = CellUnderCursor();
  if (cell && balloonDay_ && cell->date == *balloonDay_) return;
  HideBalloon();
  WatchHover();
}

void CalendarWindow::HideBalloon() {
  StopTimer(kCheckTimer);
  StopTimer(kHoverTimer);
  if (balloon_) balloon_->Hide();
  balloonDay_.reset();
  hoveredDay_.reset();
}

// An anniversary's slide: today's day dialog.
void CalendarWindow::NotificationSlideClicked() {
  host_.OpenDayDialog(ToLocalMinute(skinServices().clock.Now()).date, -1);
}

// The frame keeps the notifications, whoever they belong to.
void CalendarWindow::NotificationClosed() {
  PostCall<NotificationOwner>(skinServices().host.CommandTarget(),
                              [](NotificationOwner& owner) { owner.NotificationClosed(); });
}

bool CalendarWindow::OnMessage(const Message& message, LRESULT& result) {
  switch (message.id) {
    case WM_NCMOUSEMOVE:
    case WM_MOUSEMOVE:
      WatchHover();
      break;
    case WM_TIMER:
      if (message.TimerId() == kHoverTimer) {
        OnHoverTimer();
        return true;
      }
      if (message.TimerId() == kCheckTimer) {
        OnCheckTimer();
        return true;
      }
      break;
    default:
      break;
  }
  return SkinWindow::OnMessage(message, result);
}

}  // namespace quillet::win
