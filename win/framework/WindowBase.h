#pragma once

#include <climits>
#include <memory>
#include <vector>

#include "platform/WinApi.h"
#include "resources/ProgramMessages.h"

namespace quillet::win {

// One window message, unpacked once.
struct Message {
  UINT id;
  WPARAM wParam;
  LPARAM lParam;

  int X() const { return static_cast<short>(LOWORD(lParam)); }  // GET_X_LPARAM: negative on left monitors
  int Y() const { return static_cast<short>(HIWORD(lParam)); }
  UINT_PTR TimerId() const { return static_cast<UINT_PTR>(wParam); }
  UINT CommandId() const { return LOWORD(wParam); }
};

class WindowBase;

// Runs the call a kPostedCallMessage carries (framework/PostedCall.h) on `window`, or frees it.
void RunPostedCall(const Message& message, WindowBase* window);

// What windows and dialogs share: the object that owns one HWND and the rules of its lifetime.
//
// - The procedure finds the object through a window slot set at attachment; nothing reaches the
//   object before that or after WM_NCDESTROY.
// - OnFinalMessage is the object's last call: its window is gone and none of its handlers is still
//   running (a window destroyed from inside its own handler gets it once that handler returns).
//   An object that owns itself may delete itself there; others leave it alone.
// - An owner deletes the object through WindowPtr, which destroys the window first, so that the
//   derived WM_DESTROY clean-up (timers, tray icon, hotkeys) runs on the whole object. When a
//   handler of the object is still running (a box or menu it opened ran the loop in which the
//   owner let go), the window goes at once and the object when its outermost handler returns.
// - A timer's handler is not entered again by the same timer while it still runs, e.g. while a
//   message box it opened is up, unless the window allows it for that timer.
// - A posted call (framework/PostedCall.h) runs under the same rules; the calls still queued when
//   the window is destroyed are freed unrun.
class WindowBase {
 public:
  WindowBase(const WindowBase&) = delete;
  WindowBase& operator=(const WindowBase&) = delete;
  // A window still attached here is destroyed without the derived handlers: owners use WindowPtr.
  virtual ~WindowBase();

  HWND hwnd() const { return hwnd_; }
  // Destroys the window, if there still is one.
  void Destroy();
  // The owners' delete (WindowPtr): the window now, the object once none of its handlers runs.
  void DestroyAndDelete();

  // Handlers of window objects running on this thread right now, nested ones included: more than
  // the caller's own means it runs inside another handler's nested loop (a menu, a dialog).
  static int HandlersRunning() { return handlersRunning_; }

 protected:
  WindowBase() = default;

  virtual void OnFinalMessage() {}

  void StartTimer(UINT_PTR id, UINT milliseconds);
  void StopTimer(UINT_PTR id);
  // This timer's handler may run again while it still runs: for a heartbeat that must go on
  // while a handler it called shows a message box.
  void AllowReentrantTimer(UINT_PTR id) { reentrantTimers_.push_back(id); }

  // For the procedures: attaches the object to `hwnd` through the window slot `slot`
  // (GWLP_USERDATA or DWLP_USER), or through nothing when the procedure finds it another way.
  static constexpr int kNoSlot = INT_MIN;
  void Attach(HWND hwnd, int slot);
  static WindowBase* Attached(HWND hwnd, int slot);

  // Runs `handle()` for one message under the rules above; an exception in it gives
  // `onException()` instead. Touches nothing of the object after OnFinalMessage.
  template <class Handle, class OnException>
  LRESULT Deliver(const Message& message, Handle&& handle, OnException&& onException);

 private:
  bool EnterTimer(UINT_PTR id);
  void LeaveTimer(UINT_PTR id);
  void Detach();

  HWND hwnd_ = nullptr;
  int slot_ = 0;
  int depth_ = 0;          // handlers of this object running, nested ones included
  bool detached_ = false;  // WM_NCDESTROY seen; OnFinalMessage comes when depth_ is back to 0
  bool deleteWhenDone_ = false;  // let go by its owner while a handler ran
  std::vector<UINT_PTR> runningTimers_;
  std::vector<UINT_PTR> reentrantTimers_;
  static inline int handlersRunning_ = 0;  // the program has one GUI thread
};

template <class Handle, class OnException>
LRESULT WindowBase::Deliver(const Message& message, Handle&& handle, OnException&& onException) {
  const bool timer = message.id == WM_TIMER;
  if (timer && !EnterTimer(message.TimerId())) return 0;
  ++depth_;
  ++handlersRunning_;
  LRESULT result = 0;
  try {
    if (message.id == kPostedCallMessage) {
      RunPostedCall(message, this);
    } else {
      result = handle();
    }
  } catch (...) {
    // Nothing may unwind through the system's code.
    result = onException();
  }
  --handlersRunning_;
  if (timer) LeaveTimer(message.TimerId());
  if (message.id == WM_NCDESTROY) Detach();
  if (--depth_ == 0) {
    const bool ownerLetGo = deleteWhenDone_;
    if (detached_) {
      detached_ = false;
      OnFinalMessage();  // may delete this, when nothing owns it
    }
    if (ownerLetGo) delete this;
  }
  return result;
}

// Deletes a window object the one way owners do: its window first, while the whole object still
// answers WM_DESTROY, then the object.
struct DestroyThenDelete {
  void operator()(WindowBase* window) const { window->DestroyAndDelete(); }
};

template <class T>
using WindowPtr = std::unique_ptr<T, DestroyThenDelete>;

}  // namespace quillet::win
