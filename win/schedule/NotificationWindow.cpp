#include "schedule/NotificationWindow.h"

#include "framework/PostedCall.h"
#include "memo/PanelZOrder.h"
#include "platform/Wide.h"
#include "resources/WidgetResources.h"
#include "skin/BuiltInSkins.h"

namespace quillet::win {

namespace {

constexpr UINT_PTR kSlideStepTimer = 1;
constexpr UINT_PTR kStayTimer = 2;
constexpr UINT_PTR kAutoCloseTimer = 3;


NotificationLook LookOf(const NotificationRequest& request) {
  NotificationLook look;
  look.layout = request.style == AlertStyle::PostIt ? NotificationLayout::PostIt : NotificationLayout::Standard;
  look.title = request.title;
  look.titleRed = request.titleColor.red;
  look.titleGreen = request.titleColor.green;
  look.titleBlue = request.titleColor.blue;
  look.body = request.body;
  look.bodyRed = request.bodyColor.red;
  look.bodyGreen = request.bodyColor.green;
  look.bodyBlue = request.bodyColor.blue;
  return look;
}

Rect WorkArea() {
  RECT area{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
  return Rect{area.left, area.top, area.right, area.bottom};
}

}  // namespace

WindowPtr<NotificationWindow> NotificationWindow::Show(const SkinWindowServices& services, HWND parent,
                                                       const NotificationRequest& request,
                                                       NotificationCounters& counters) {
  if (!ShowsNotification(request.style)) return nullptr;
  WindowPtr<NotificationWindow> window(new NotificationWindow(services, parent, request));
  if (!window->Open(counters)) return nullptr;
  return window;
}

NotificationWindow::NotificationWindow(const SkinWindowServices& services, HWND parent,
                                       const NotificationRequest& request)
    : SkinWindow(request.style == AlertStyle::Slide ? IDD_SLIDE_NOTIFICATION : IDD_POPUP_NOTIFICATION, 0, services, ""),
      parent_(parent),
      request_(request),
      sliding_(request.style == AlertStyle::Slide) {}

bool NotificationWindow::OnInit() {
  SkinWindow::OnInit();
  // Title and body for screen readers and tools.
  SetWindowTextW(hwnd(), WidenCp949(request_.title + "\n" + request_.body).c_str());
  return false;
}

bool NotificationWindow::Open(NotificationCounters& counters) {
  if (!DesktopPanel::Create()) return false;
  SetTransparency(255);
  const int background =
      request_.style == AlertStyle::PostIt ? kNoteNotificationBackground : kNotificationBackground;
  BuildFromSkinFile(NotificationSkin(LookOf(request_)), background);
  if (!HasSkin()) {
    Destroy();
    return false;
  }
  SetZPosition(ZPosition::AlwaysOnTop);
  if (sliding_) {
    OpenSliding(counters);
  } else {
    OpenCentred(counters);
  }
  return true;
}

void NotificationWindow::MoveTo(int x, int y) {
  SetWindowPos(hwnd(), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void NotificationWindow::OpenCentred(NotificationCounters& counters) {
  const Point at = CentredPopupPosition(Size{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)},
                                        counters.NextCascade());
  MoveTo(at.x, at.y);
  if (request_.autoCloseMilliseconds == kStaysOpen) {
    ShowWindow(hwnd(), SW_SHOW);
    SetForegroundWindow(hwnd());
    return;
  }
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  StartTimer(kAutoCloseTimer, static_cast<UINT>(request_.autoCloseMilliseconds));
}

// In from the right edge of the work area, in its column of stacked slides.
void NotificationWindow::OpenSliding(NotificationCounters& counters) {
  workArea_ = WorkArea();
  slidePlace_ = SlidePosition(workArea_, size(), counters.NextStacking());
  MoveTo(slidePlace_.restRight, slidePlace_.y);
  ShowWindow(hwnd(), SW_SHOWNOACTIVATE);
  slide_ = Slide::Appearing;
  StartTimer(kSlideStepTimer, static_cast<UINT>(SlideStepMilliseconds(size().width)));
}

int NotificationWindow::SlideX() const {
  RECT window{};
  GetWindowRect(hwnd(), &window);
  return window.left;
}

void NotificationWindow::SlideStep() {
  const int x = SlideX();
  if (slide_ == Slide::Appearing) {
    if (x > slidePlace_.restRight - size().width) {
      MoveTo(x - kSlideStepPixels, slidePlace_.y);
      return;
    }
    StopTimer(kSlideStepTimer);
    slide_ = Slide::Staying;
    if (request_.autoCloseMilliseconds != kStaysOpen) {
      StartTimer(kStayTimer, static_cast<UINT>(request_.autoCloseMilliseconds));
    }
    return;
  }
  if (x < slidePlace_.restRight) {
    MoveTo(x + kSlideStepPixels, slidePlace_.y);
    return;
  }
  StopTimer(kSlideStepTimer);
  Close();
}

void NotificationWindow::StartDisappearing() {
  StopTimer(kStayTimer);
  slide_ = Slide::Disappearing;
  StartTimer(kSlideStepTimer, static_cast<UINT>(SlideStepMilliseconds(size().width)));
}

// The mouse holds a slide fully in view until it leaves.
void NotificationWindow::Hold() {
  StopTimer(kSlideStepTimer);
  StopTimer(kStayTimer);
  slide_ = Slide::Held;
  MoveTo(workArea_.right - size().width + 1, slidePlace_.y);
}

// Gone for good, its pictures with it; the parent lets go of the object.
void NotificationWindow::Close() {
  const HWND parent = parent_;
  Destroy();
  PostCall<NotificationOwner>(parent, [](NotificationOwner& owner) { owner.NotificationClosed(); });
}

bool NotificationWindow::RunWidgetCommand(const std::string& command) {
  if (command != "CLOSE") return false;
  Close();
  return true;
}

bool NotificationWindow::OnMessage(const Message& message, LRESULT& result) {
  switch (message.id) {
    case WM_NCHITTEST:
      if (!sliding_) return SkinWindow::OnMessage(message, result);
      result = HTCLIENT;  // a slide takes every click: its release asks for the schedules
      return true;
    case WM_MOUSEMOVE:
      if (sliding_ && !hovering_) {
        hovering_ = true;
        TRACKMOUSEEVENT leave{sizeof leave, TME_LEAVE, hwnd(), 0};
        TrackMouseEvent(&leave);
        Hold();
      }
      return SkinWindow::OnMessage(message, result);
    case WM_MOUSELEAVE:
      if (sliding_ && hovering_) {
        hovering_ = false;
        StartDisappearing();
      }
      return SkinWindow::OnMessage(message, result);
    case WM_LBUTTONUP:
      if (sliding_) {
        PostCall<NotificationOwner>(parent_, [](NotificationOwner& owner) { owner.NotificationSlideClicked(); });
      }
      return SkinWindow::OnMessage(message, result);
    case WM_TIMER:
      switch (message.TimerId()) {
        case kSlideStepTimer:
          SlideStep();
          return true;
        case kStayTimer:
          StartDisappearing();
          return true;
        case kAutoCloseTimer:
          StopTimer(kAutoCloseTimer);
          Close();
          return true;
        default:
          return SkinWindow::OnMessage(message, result);
      }
    default:
      return SkinWindow::OnMessage(message, result);
  }
}

}  // namespace quillet::win
