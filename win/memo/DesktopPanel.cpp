#include "memo/DesktopPanel.h"

#include <algorithm>

#include "framework/Dpi.h"
#include "framework/Keys.h"
#include "framework/ProgramMessageBox.h"
#include "memo/Docking.h"
#include "memo/PanelZOrder.h"
#include "memo/Placement.h"
#include "platform/Shell.h"
#include "platform/SystemInfo.h"
#include "resources/ProgramMessages.h"
#include "resources/resource.h"
#include "settings/Settings.h"

namespace quillet::win {

namespace {

constexpr UINT_PTR kHidingTimer = 1004;
constexpr UINT kHidingStepMilliseconds = 30;
constexpr UINT_PTR kHiddenCheckTimer = 1005;
constexpr UINT kHiddenCheckMilliseconds = 700;
constexpr UINT_PTR kFadeInTimer = 3004;
constexpr UINT_PTR kFadeOutTimer = 3005;
constexpr UINT kFadeStepMilliseconds = 15;
constexpr UINT_PTR kTemporaryShowTimer = 3006;

constexpr int kFadeSteps = 15;
constexpr int kHidingSteps = 5;
constexpr UINT kPositionFlags = SWP_NOACTIVATE | SWP_NOREDRAW | SWP_NOMOVE | SWP_NOSIZE;
constexpr const char* kExitQuestion = "Quillet를 종료하시겠습니까?";

Rect ToRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }

// The rectangles every drag snaps to after the neighbours: the screen and the work areas, both
// kept 2 pixels short of the right and bottom.
void AddScreenEdges(std::vector<Rect>& candidates) {
  candidates.push_back(Rect{0, 0, GetSystemMetrics(SM_CXSCREEN) - 2, GetSystemMetrics(SM_CYSCREEN)});
  for (Rect area : WorkAreas()) {
    area.right -= 2;
    area.bottom -= 2;
    candidates.push_back(area);
  }
}

HWND InsertAfter(ZPlace place) {
  switch (place) {
    case ZPlace::Topmost:
      return HWND_TOPMOST;
    case ZPlace::Bottom:
      return HWND_BOTTOM;
    default:
      return HWND_NOTOPMOST;
  }
}

}  // namespace

DesktopPanel::DesktopPanel(int templateId, const PanelServices& services)
    : Dialog(templateId), services_(services) {}

bool DesktopPanel::Create() { return CreateModeless({nullptr, false, false}); }

bool DesktopPanel::OnInit() {
  const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style | WS_EX_TOOLWINDOW);
  SetWindowLongPtrW(hwnd(), GWLP_HWNDPARENT, 0);
  return true;
}

Rect DesktopPanel::GetPanelRect() const {
  RECT r{};
  GetWindowRect(hwnd(), &r);
  return ToRect(r);
}

bool DesktopPanel::SetPanelAlpha(COLORREF key, BYTE alpha, DWORD flags) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  if (alpha == 255) {
    if (style & WS_EX_LAYERED) {
      SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style & ~static_cast<LONG_PTR>(WS_EX_LAYERED));
      // A window that stops being layered must be painted again from scratch.
      RedrawWindow(hwnd(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME | RDW_ALLCHILDREN);
    }
    return true;
  }
  if (!(style & WS_EX_LAYERED)) SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, style | WS_EX_LAYERED);
  return SetLayeredWindowAttributes(hwnd(), key, alpha, flags);
}

void DesktopPanel::OnActivatePanel(bool active) { active_ = active; }

PanelShowState DesktopPanel::ShowState() const {
  if (!IsWindowVisible(hwnd())) return PanelShowState::Hidden;
  switch (fade_) {
    case Fade::FadingOut:
      return PanelShowState::Hiding;
    case Fade::FadingIn:
    case Fade::InRequested:
      return PanelShowState::Showing;
    case Fade::Idle:
      break;
  }
  return PanelShowState::Shown;
}

void DesktopPanel::ApplyAlpha(double alpha) {
  SetPanelAlpha(0, static_cast<BYTE>(std::clamp(alpha, 0.0, 255.0)), LWA_ALPHA);
}

void DesktopPanel::MakeClickThrough(bool through) {
  const LONG_PTR style = GetWindowLongPtrW(hwnd(), GWL_EXSTYLE);
  const LONG_PTR wanted = through ? style | WS_EX_TRANSPARENT : style & ~static_cast<LONG_PTR>(WS_EX_TRANSPARENT);
  if (wanted != style) SetWindowLongPtrW(hwnd(), GWL_EXSTYLE, wanted);
}

bool DesktopPanel::CursorInside() const {
  POINT cursor{};
  GetCursorPos(&cursor);
  const Rect r = GetPanelRect();
  return cursor.x >= r.left && cursor.x < r.right && cursor.y >= r.top && cursor.y < r.bottom;
}

void DesktopPanel::SetZPosition(ZPosition z) {
  if (zPosition_ == ZPosition::AlwaysOnTop && z != ZPosition::AlwaysOnTop) {
    SetWindowPos(hwnd(), HWND_NOTOPMOST, 0, 0, 0, 0, kPositionFlags);
  }
  zPosition_ = z;
  const ZPlace place = PlaceForZPosition(z, MonitorCount(), services_.general.enableDesktop);
  const HWND parent = GetAncestor(hwnd(), GA_PARENT);
  if (place == ZPlace::Desktop) {
    // Without the shell's desktop window nothing changes.
    const HWND desktop = FindWindowW(L"Progman", L"Program Manager");
    if (desktop && parent != desktop) {
      SetParent(hwnd(), desktop);
      SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, kPositionFlags);
    }
    return;
  }
  if (parent && parent != GetDesktopWindow()) SetParent(hwnd(), nullptr);
  SetWindowPos(hwnd(), InsertAfter(place), 0, 0, 0, 0, kPositionFlags);
}

void DesktopPanel::FadeIn() {
  StopTimer(kFadeInTimer);
  StopTimer(kFadeOutTimer);
  fadeStep_ = std::max(fadeStep_, 0);
  fade_ = Fade::InRequested;
  if (fadeStep_ != kFadeSteps) ApplyAlpha(0);
  FadeInStep();
  if (fade_ != Fade::Idle) StartTimer(kFadeInTimer, kFadeStepMilliseconds);
}

void DesktopPanel::FadeInStep() {
  if (fadeStep_ == 0) {
    MakeClickThrough(false);
    ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
    fade_ = Fade::FadingIn;
  }
  fadeStep_ = std::min(fadeStep_ + 1, kFadeSteps);
  ApplyAlpha(static_cast<double>(GetTargetAlpha()) * fadeStep_ / kFadeSteps);
  if (fadeStep_ >= kFadeSteps) {
    StopTimer(kFadeInTimer);
    fade_ = Fade::Idle;
  }
}

void DesktopPanel::FadeOut() {
  StopTimer(kFadeInTimer);
  StopTimer(kFadeOutTimer);
  // A panel that was shown without a fade is fully there: it fades from the top.
  if (fadeStep_ == 0 && IsWindowVisible(hwnd())) fadeStep_ = kFadeSteps;
  fadeStep_ = std::min(fadeStep_, kFadeSteps);
  fade_ = Fade::FadingOut;
  FadeOutStep();
  if (fade_ != Fade::Idle) StartTimer(kFadeOutTimer, kFadeStepMilliseconds);
}

void DesktopPanel::FadeOutStep() {
  if (fadeStep_ <= 1) {
    StopTimer(kFadeInTimer);
    StopTimer(kFadeOutTimer);
    StopTimer(kHiddenCheckTimer);
    ApplyAlpha(0);
    MakeClickThrough(true);
    ShowWindow(hwnd(), SW_HIDE);
    fade_ = Fade::Idle;
    fadeStep_ = 0;
    HideAfterFade();
    return;
  }
  --fadeStep_;
  ApplyAlpha(static_cast<double>(GetTargetAlpha()) * fadeStep_ / kFadeSteps);
}

void DesktopPanel::StartMouseOverHiding() {
  if (hidingInProgress_) return;
  hidingInProgress_ = true;
  hiding_ = true;
  HidingStep();
  StartTimer(kHidingTimer, kHidingStepMilliseconds);
}

// Fades out while the mouse rests on the panel (Ctrl turns it back), fades in otherwise.
void DesktopPanel::HidingStep() {
  if (hiding_ && !KeyHeld(VK_CONTROL) && CursorInside()) {
    if (hidingStep_ <= 1) {
      StopTimer(kHidingTimer);
      hidingStep_ = 0;
      ApplyAlpha(0);
      MakeClickThrough(true);
      ShowWindow(hwnd(), SW_HIDE);
      StartTimer(kHiddenCheckTimer, kHiddenCheckMilliseconds);
      return;
    }
    --hidingStep_;
  } else if (hidingStep_ > kHidingSteps - 1) {
    hidingStep_ = kHidingSteps;
    StopTimer(kHidingTimer);
    hidingInProgress_ = false;
  } else {
    ++hidingStep_;
  }
  ApplyAlpha(hidingStep_ * 0.2 * GetTargetAlpha());
}

// A hidden panel comes back once the mouse has left its place.
void DesktopPanel::HiddenCheck() {
  if (CursorInside() && IsMouseOverHiding()) return;
  hiding_ = false;
  MakeClickThrough(false);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  StopTimer(kHiddenCheckTimer);
  StartTimer(kHidingTimer, kHidingStepMilliseconds);
}

void DesktopPanel::BeginTemporaryShow(int milliseconds) {
  StopTimer(kTemporaryShowTimer);
  if (zPosition_ == ZPosition::Desktop && MonitorCount() == 1 && services_.general.allowAllMinimize) MinimizeAllWindows();
  ShowPanel();
  SetWindowPos(hwnd(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  if (milliseconds == -1) {
    if (zPosition_ != ZPosition::AlwaysOnTop) SetForegroundWindow(hwnd());
    return;
  }
  StartTimer(kTemporaryShowTimer, static_cast<UINT>(std::max(milliseconds, 0)));
}

void DesktopPanel::EndTemporaryShow() {
  StopTimer(kTemporaryShowTimer);
  FadeOut();
}

void DesktopPanel::Raise(bool on) {
  if (!on) {
    SetZPosition(raisedFrom_);
    return;
  }
  raisedFrom_ = zPosition_;
  const bool visible = IsWindowVisible(hwnd()) != FALSE;
  SetZPosition(ZPosition::AlwaysOnTop);
  if (visible) {
    SetForegroundWindow(hwnd());
  } else {
    ShowWindow(hwnd(), SW_SHOW);
  }
}

Point DesktopPanel::CheckedPosition(Point saved, const Rect& newMemoRect) const {
  RECT client{};
  GetClientRect(hwnd(), &client);
  return CheckPanelPosition(saved, Size{client.right, client.bottom}, WorkAreas(), newMemoRect);
}

void DesktopPanel::OnMoving(RECT& proposed) const {
  POINT cursor{};
  GetCursorPos(&cursor);
  Rect moved = ToRect(pressRect_);
  if (movable_) {
    const int dx = cursor.x - pressPoint_.x;
    const int dy = cursor.y - pressPoint_.y;
    moved = Rect{moved.left + dx, moved.top + dy, moved.right + dx, moved.bottom + dy};
  }
  const GeneralSettings& general = services_.general;
  if (general.docking && movable_) {
    PanelNeighbours neighbours = services_.host.Neighbours(*this);
    std::vector<Rect> candidates = std::move(neighbours.memos);
    candidates.insert(candidates.end(), neighbours.widgets.begin(), neighbours.widgets.end());
    AddScreenEdges(candidates);
    moved = DockMoving(moved, candidates, AtDpi(general.dockingSize, WindowDpi(hwnd())));
  }
  proposed = ToRECT(moved);
}

void DesktopPanel::OnSizing(WPARAM edge, RECT& proposed) const {
  const GeneralSettings& general = services_.general;
  if (!general.docking || edge < WMSZ_LEFT || edge > WMSZ_BOTTOMRIGHT) return;
  const std::vector<Rect> memos = services_.host.Neighbours(*this).memos;
  proposed = ToRECT(DockSizing(ToRect(proposed), static_cast<SizingEdge>(edge), memos,
                                AtDpi(general.dockingSize, WindowDpi(hwnd()))));
}

void DesktopPanel::MoveToCorner(bool right, bool bottom) {
  RECT client{};
  GetClientRect(hwnd(), &client);
  constexpr int kMargin = 2;
  const int x = right ? GetSystemMetrics(SM_CXSCREEN) - client.right - kMargin : kMargin;
  const int y = bottom ? GetSystemMetrics(SM_CYSCREEN) - client.bottom - kMargin : kMargin;
  savedPosition_ = Point{x, y};
  SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  modified_ = true;
}

// Alt+F4 and the system menu never close a single panel: they offer to end the program.
void DesktopPanel::AskToExit() {
  if (ShowProgramMessage(hwnd(), kExitQuestion, MessageKind::Question) != IDYES) return;
  SendMessageW(services_.host.CommandTarget(), WM_COMMAND, ID_APP_EXIT, 0);
}

void DesktopPanel::OnCommand(UINT id, UINT notification) {
  if (notification == 0 && IsFrameCommand(id)) {
    PostMessageW(services_.host.CommandTarget(), WM_COMMAND, id, 0);
    return;
  }
  switch (id) {
    case ID_PANEL_NORMAL:
      SetZPosition(ZPosition::Normal);
      break;
    case ID_PANEL_ALWAYS_ON_TOP:
      SetZPosition(ZPosition::AlwaysOnTop);
      break;
    case ID_PANEL_DESKTOP:
      SetZPosition(ZPosition::Desktop);
      break;
    case ID_PANEL_HIDE:
      FadeOut();
      break;
    case ID_PANEL_FIX_POSITION:
      movable_ = !movable_;
      break;
    case ID_PANEL_ARRANGE:
      services_.host.ArrangePanel(*this);
      modified_ = true;
      break;
    case ID_PANEL_TOP_LEFT:
      MoveToCorner(false, false);
      break;
    case ID_PANEL_BOTTOM_LEFT:
      MoveToCorner(false, true);
      break;
    case ID_PANEL_TOP_RIGHT:
      MoveToCorner(true, false);
      break;
    case ID_PANEL_BOTTOM_RIGHT:
      MoveToCorner(true, true);
      break;
    default:
      Dialog::OnCommand(id, notification);
  }
}

bool DesktopPanel::OnMessage(const Message& message, LRESULT& result) {
  switch (message.id) {
    case WM_NCACTIVATE:
      OnActivatePanel(message.wParam != FALSE);
      return false;  // the dialog manager draws the change
    case WM_NCLBUTTONDOWN:
      pressPoint_ = POINT{message.X(), message.Y()};
      GetWindowRect(hwnd(), &pressRect_);
      return false;  // the system's dragging follows
    case WM_MOVING:
      OnMoving(*reinterpret_cast<RECT*>(message.lParam));
      result = TRUE;
      return true;
    case WM_SIZING:
      OnSizing(message.wParam, *reinterpret_cast<RECT*>(message.lParam));
      result = TRUE;
      return true;
    case WM_MOUSEMOVE:
      if (IsMouseOverHiding()) StartMouseOverHiding();
      return false;
    case WM_SYSCOMMAND:
      if ((message.wParam & 0xFFF0) != SC_CLOSE) return false;
      AskToExit();
      return true;
    case WM_TIMER:
      switch (message.TimerId()) {
        case kHidingTimer:
          HidingStep();
          return true;
        case kHiddenCheckTimer:
          HiddenCheck();
          return true;
        case kFadeInTimer:
          FadeInStep();
          return true;
        case kFadeOutTimer:
          FadeOutStep();
          return true;
        case kTemporaryShowTimer:
          EndTemporaryShow();
          return true;
        default:
          return false;
      }
    default:
      return false;
  }
}

}  // namespace quillet::win
