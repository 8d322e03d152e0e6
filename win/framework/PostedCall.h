#pragma once

#include <memory>
#include <utility>

#include "framework/WindowBase.h"

namespace quillet::win {

// A call one window leaves for another (or for itself), run when the receiver's queue reaches it:
// after the handler that asked has returned, so the call may destroy the window that asked. It
// carries values only (window handles, names, choices); the receiver is the window object the
// message reaches, found when the call runs, so nothing the call uses can have been freed
// meanwhile. A call whose receiver is gone, or is not a `Receiver`, is dropped unrun.
class PostedCall {
 public:
  virtual ~PostedCall() = default;
  virtual void RunOn(WindowBase& window) = 0;
};

template <class Receiver, class Function>
class PostedCallTo final : public PostedCall {
 public:
  explicit PostedCallTo(Function run) : run_(std::move(run)) {}
  void RunOn(WindowBase& window) override {
    if (auto* receiver = dynamic_cast<Receiver*>(&window)) run_(*receiver);
  }

 private:
  Function run_;
};

// False when the call could not be posted (no such window); it is then dropped.
bool PostCallMessage(HWND receiver, std::unique_ptr<PostedCall> call);

// `run(Receiver&)` runs later on the window object of `receiver`, which must derive publicly from
// `Receiver`.
template <class Receiver, class Function>
bool PostCall(HWND receiver, Function run) {
  return PostCallMessage(receiver, std::make_unique<PostedCallTo<Receiver, Function>>(std::move(run)));
}

// Frees the calls still on their way to a window being destroyed; their messages then find nothing.
void DropPostedCalls(HWND window);

}  // namespace quillet::win
