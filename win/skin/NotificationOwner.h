#pragma once

namespace quillet::win {

// The window a notification belongs to (the main frame, or the calendar for anniversaries). The
// notification posts these as calls (framework/PostedCall.h), so it may be gone when they run.
class NotificationOwner {
 public:
  // The left button was released over a slide: the frame opens the schedule manager, the
  // calendar its day dialog.
  virtual void NotificationSlideClicked() = 0;
  // A notification is gone: its object can be let go.
  virtual void NotificationClosed() = 0;

 protected:
  ~NotificationOwner() = default;
};

}  // namespace quillet::win
