#pragma once

#include "schedule/NotificationPlacement.h"
#include "schedule/NotificationRequest.h"
#include "skin/NotificationOwner.h"
#include "skin/SkinWindow.h"

namespace quillet::win {

// One alarm or anniversary on the screen: a skin made from the request, a slide at the bottom
// right or a popup near the centre, always on top. It destroys itself when it is closed, times out
// or has slid out, and tells its parent.
class NotificationWindow final : public SkinWindow {
 public:
  // Nothing for the styles that show nothing or a window that cannot be made.
  static WindowPtr<NotificationWindow> Show(const SkinWindowServices& services, HWND parent,
                                            const NotificationRequest& request, NotificationCounters& counters);

 private:
  enum class Slide { Appearing, Staying, Disappearing, Held };

  NotificationWindow(const SkinWindowServices& services, HWND parent, const NotificationRequest& request);
  bool Open(NotificationCounters& counters);
  void OpenCentred(NotificationCounters& counters);
  void OpenSliding(NotificationCounters& counters);
  void SlideStep();
  void StartDisappearing();
  void Hold();
  void Close();
  int SlideX() const;
  void MoveTo(int x, int y);

  bool RunWidgetCommand(const std::string& command) override;
  void HideAfterFade() override { Close(); }
  void DestroyFromCommand() override { Close(); }
  bool OnInit() override;
  bool OnMessage(const Message& message, LRESULT& result) override;

  HWND parent_;
  NotificationRequest request_;
  Rect workArea_;
  SlidePlace slidePlace_{};
  Slide slide_ = Slide::Appearing;
  bool sliding_ = false;
  bool hovering_ = false;
};

}  // namespace quillet::win
