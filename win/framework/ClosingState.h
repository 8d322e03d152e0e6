#pragma once

namespace quillet::win {

// Menus, common dialogs, folder browsers and modal dialogs run nested message loops inside some
// handler. Closing the program ends them; every caller of such a loop checks InProgress() once it
// returns and then leaves at once, before it touches windows that are about to go.
class ClosingState {
 public:
  // Ends the menu being tracked, every running modal dialog of ours (answering "아니오") and the
  // system's dialogs (colour, file, print: cancelled). True when such a loop was running or the
  // caller runs inside another handler's loop: it has yet to unwind, so windows must not be
  // destroyed right now.
  bool Begin();
  // The close could not be completed; the program goes on running.
  void Abandon() { closing_ = false; }
  bool InProgress() const { return closing_; }

 private:
  bool closing_ = false;
};

}  // namespace quillet::win
