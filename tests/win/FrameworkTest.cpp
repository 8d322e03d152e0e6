#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "DialogScript.h"
#include "framework/ClosingState.h"
#include "framework/Dialog.h"
#include "framework/Fonts.h"
#include "framework/InputDialog.h"
#include "framework/MessageLoop.h"
#include "framework/PostedCall.h"
#include "framework/ProgramMessageBox.h"
#include "framework/Window.h"
#include "platform/KernelHandle.h"
#include "platform/WinApi.h"
#include "resources/resource.h"

#include <commdlg.h>

namespace quillet::win {
namespace {

using testing::DialogScript;
using testing::ItemText;
using testing::Press;

// Handlers return true when they answered, with the answer in `result`.
using Handler = std::function<bool(HWND, const Message&, LRESULT&)>;

constexpr const wchar_t* kHostClass = L"QuilletFrameworkTestHost";

// A window whose behaviour each test supplies.
class HostWindow final : public Window, public ModelessOwner {
 public:
  // Nothing when Create refuses or the window procedure fails its creation.
  static WindowPtr<HostWindow> Make(Handler handler, Placement placement = Placement{0, 0, 40, 40}) {
    Register(GetModuleHandleW(nullptr), WindowClass{kHostClass, CS_DBLCLKS});
    WindowPtr<HostWindow> window(new HostWindow(std::move(handler)));
    if (!window->Create(GetModuleHandleW(nullptr), kHostClass, L"host", WS_POPUP, WS_EX_TOOLWINDOW, placement)) {
      return nullptr;
    }
    return window;
  }
  static HostWindow* MakeSelfOwned(Handler handler, std::function<void()> onFinal) {
    HostWindow* window = Make(std::move(handler)).release();
    if (window) window->onFinal_ = std::move(onFinal);
    return window;
  }

  using Window::AllowReentrantTimer;
  using Window::StartTimer;

  std::function<void()> onDialogClosed;

 private:
  explicit HostWindow(Handler handler) : handler_(std::move(handler)) {}

  LRESULT OnMessage(const Message& message) override {
    LRESULT result = 0;
    if (handler_ && handler_(hwnd(), message, result)) return result;
    return Default(message);
  }
  void ModelessDialogClosed() override {
    if (onDialogClosed) onDialogClosed();
  }
  void OnFinalMessage() override {
    if (!onFinal_) return;
    onFinal_();
    delete this;
  }

  Handler handler_;
  std::function<void()> onFinal_;
};

class HostDialog final : public Dialog {
 public:
  explicit HostDialog(Handler handler) : Dialog(IDD_INPUT), handler_(std::move(handler)) {}

 private:
  bool OnMessage(const Message& message, LRESULT& result) override {
    return handler_ && handler_(hwnd(), message, result);
  }
  Handler handler_;
};

// Runs the program's message loop until everything posted so far has been handled.
void RunPostedMessages() {
  PostQuitMessage(0);
  RunMessageLoop();
}

void PumpFor(DWORD milliseconds) {
  const ULONGLONG end = GetTickCount64() + milliseconds;
  MSG message;
  while (GetTickCount64() < end) {
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
    Sleep(5);
  }
}

TEST(ProgramMessageBox, AnswersYesOnlyWhenYesIsPressed) {
  const struct {
    MessageKind kind;
    std::function<void(HWND)> act;
    int answer;
  } cases[] = {
      {MessageKind::Question, [](HWND box) { Press(box, IDYES); }, IDYES},
      {MessageKind::Question, [](HWND box) { Press(box, IDCANCEL); }, IDNO},  // Esc
      {MessageKind::Question, [](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); }, IDNO},
      {MessageKind::Notice, [](HWND box) { Press(box, IDCANCEL); }, IDOK},
      {MessageKind::Retry, [](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); }, IDCANCEL},  // never a retry
  };
  for (const auto& c : cases) {
    std::wstring shown;
    bool topmost = false;
    DialogScript script({{L"Quillet", [&](HWND box) {
                            shown = ItemText(box, IDC_MESSAGE_TEXT);
                            topmost = (GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
                            c.act(box);
                          }}});
    EXPECT_EQ(ShowProgramMessage(nullptr, "정말 지울까요?", c.kind), c.answer);
    EXPECT_EQ(shown, L"정말 지울까요?");
    EXPECT_TRUE(topmost);
  }
}

TEST(ProgramMessageBox, LongTextsGrowTheBoxAndKeepTheButtonsInside) {
  std::string text;
  for (int i = 0; i < 12; ++i) text += "메모를 정상적으로 저장하지 못하였습니다. ";
  bool inside = false;
  DialogScript script({{L"Quillet", [&](HWND box) {
                          RECT client{}, button{}, message{};
                          GetClientRect(box, &client);
                          GetWindowRect(GetDlgItem(box, IDOK), &button);
                          GetWindowRect(GetDlgItem(box, IDC_MESSAGE_TEXT), &message);
                          MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&button), 2);
                          MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&message), 2);
                          inside = button.bottom <= client.bottom && button.top >= message.bottom &&
                                   message.bottom - message.top > 30;
                          Press(box, IDOK);
                        }}});
  ShowProgramMessage(nullptr, text);
  EXPECT_TRUE(inside);
}

TEST(InputDialog, ReturnsTheTextExactlyOrKeepsAsking) {
  {
    std::wstring initial, refusal, kept;
    DialogScript script({
        {L"그룹 이름", [&](HWND dialog) {
           initial = ItemText(dialog, IDC_INPUT_TEXT);
           SetDlgItemTextW(dialog, IDC_INPUT_TEXT, L"caf\x00e9");  // é has no CP949 form
           Press(dialog, IDOK);
         }},
        {L"Quillet", [&](HWND box) {
           refusal = ItemText(box, IDC_MESSAGE_TEXT);
           Press(box, IDOK);
         }},
        {L"그룹 이름", [&](HWND dialog) {
           kept = ItemText(dialog, IDC_INPUT_TEXT);
           SetDlgItemTextW(dialog, IDC_INPUT_TEXT, L"업무 메모");
           Press(dialog, IDOK);
         }},
    });
    EXPECT_EQ(AskForText(nullptr, "그룹 이름", "새 그룹"), std::optional<std::string>("업무 메모"));
    EXPECT_TRUE(script.Done());
    EXPECT_EQ(initial, L"새 그룹");
    EXPECT_EQ(refusal, L"사용할 수 없는 글자가 있습니다.");
    EXPECT_EQ(kept, L"caf\x00e9");
  }
  {
    DialogScript cancel({{L"그룹 이름", [](HWND dialog) { Press(dialog, IDCANCEL); }}});
    EXPECT_EQ(AskForText(nullptr, "그룹 이름", "새 그룹"), std::nullopt);
  }
}

TEST(Window, OwnersDeleteWindowsAfterTheirOwnCleanUp) {
  constexpr UINT_PTR kTimer = 7;
  std::vector<std::string> events;
  WindowPtr<HostWindow> window = HostWindow::Make([&](HWND hwnd, const Message& message, LRESULT&) {
    if (message.id == WM_DESTROY) events.push_back(KillTimer(hwnd, kTimer) ? "timer removed" : "no timer");
    return false;
  });
  ASSERT_TRUE(window);
  window->StartTimer(kTimer, 10000);
  window.reset();
  EXPECT_EQ(events, std::vector<std::string>{"timer removed"});

  // The owner lets go in the loop of a box the window's own handler runs: the window goes at once,
  // the object (here, the handler itself) only when that handler has returned.
  auto inHandler = std::make_shared<int>(0);
  const std::weak_ptr<int> handlerAlive = inHandler;
  WindowPtr<HostWindow> owner;
  window = HostWindow::Make([&, inHandler](HWND hwnd, const Message& message, LRESULT&) {
    if (message.id != WM_APP) return false;
    PostMessageW(owner->hwnd(), WM_APP, 0, 0);
    RunPostedMessages();
    events.push_back(IsWindow(hwnd) ? "window kept" : "window gone");
    events.push_back(handlerAlive.expired() ? "object deleted" : "object kept");
    return true;
  });
  inHandler.reset();
  owner = HostWindow::Make([&](HWND, const Message& message, LRESULT&) {
    if (message.id == WM_APP) window.reset();
    return message.id == WM_APP;
  });
  ASSERT_TRUE(window && owner);
  events.clear();
  SendMessageW(window->hwnd(), WM_APP, 0, 0);
  EXPECT_EQ(events, (std::vector<std::string>{"window gone", "object kept"}));
  EXPECT_TRUE(handlerAlive.expired());
}

TEST(Window, AWindowDestroyedInItsOwnHandlerGetsItsFinalCallAfterward) {
  constexpr UINT_PTR kTimer = 3;
  std::vector<std::string> events;
  HostWindow* window = HostWindow::MakeSelfOwned(
      [&](HWND hwnd, const Message& message, LRESULT&) {
        if (message.id != WM_TIMER) return false;
        events.push_back("timer");
        DestroyWindow(hwnd);
        events.push_back("destroyed");
        return true;
      },
      [&] { events.push_back("final"); });
  ASSERT_NE(window, nullptr);
  window->StartTimer(kTimer, 10);
  PumpFor(300);
  EXPECT_EQ(events, (std::vector<std::string>{"timer", "destroyed", "final"}));
}

// A modal box opened by a timer's handler runs a loop that dispatches that same timer: it waits,
// unless the window lets that timer in again (the clock's heartbeat).
TEST(Window, ATimerHandlerIsNotReenteredByItsOwnTimerUnlessAllowed) {
  constexpr UINT_PTR kTimer = 9;
  for (const bool reentrant : {false, true}) {
    int running = 0, deepest = 0, entries = 0;
    WindowPtr<HostWindow> window = HostWindow::Make([&](HWND, const Message& message, LRESULT&) {
      if (message.id != WM_TIMER) return false;
      ++entries;
      deepest = std::max(deepest, ++running);
      if (entries == 1) PumpFor(300);
      --running;
      return true;
    });
    ASSERT_TRUE(window);
    if (reentrant) window->AllowReentrantTimer(kTimer);
    window->StartTimer(kTimer, 20);
    PumpFor(500);
    EXPECT_EQ(deepest, reentrant ? 2 : 1);
    EXPECT_GT(entries, 1);  // and it runs again once the first handler is done
  }
}

TEST(Window, AFailedHandlerNeitherClosesNorHalfBuildsAWindow) {
  WindowPtr<HostWindow> window = HostWindow::Make([](HWND, const Message& message, LRESULT&) -> bool {
    if (message.id == WM_CLOSE) throw std::runtime_error("writing failed");
    return false;
  });
  ASSERT_TRUE(window);
  EXPECT_EQ(SendMessageW(window->hwnd(), WM_CLOSE, 0, 0), 0);
  EXPECT_TRUE(IsWindow(window->hwnd()));

  EXPECT_FALSE(HostWindow::Make([](HWND, const Message& message, LRESULT&) -> bool {
    if (message.id == WM_NCCREATE) throw std::bad_alloc();
    return false;
  }));
  // A popup without a size would be 0 × 0 at (0, 0).
  EXPECT_FALSE(HostWindow::Make(nullptr, {}));
}

TEST(Dialog, ModelessDialogsKeepOrLendTheirKeysAndTellTheirOwner) {
  WindowPtr<HostWindow> owner = HostWindow::Make(nullptr);
  ASSERT_TRUE(owner);
  const auto answerHitTests = [](HWND, const Message& message, LRESULT& result) {
    if (message.id != WM_NCHITTEST) return false;
    result = HTCAPTION;
    return true;
  };
  ModelessDialog<HostDialog> navigable;
  navigable = WindowPtr<HostDialog>(new HostDialog(answerHitTests));
  WindowPtr<HostDialog> keepsKeys(new HostDialog(nullptr));
  ASSERT_TRUE(navigable->CreateModeless({owner->hwnd(), true, true}));
  ASSERT_TRUE(keepsKeys->CreateModeless({owner->hwnd(), true, false}));
  int closed = 0;
  owner->onDialogClosed = [&] {
    ++closed;
    navigable.ForgetIfClosed();
    keepsKeys.reset();  // still open: this one is not let go of by the owner's rule
  };

  // The dialog manager reads most answers from DWLP_MSGRESULT, not the procedure's return value.
  EXPECT_EQ(SendMessageW(navigable->hwnd(), WM_NCHITTEST, 0, 0), HTCAPTION);
  EXPECT_NE(SendMessageW(keepsKeys->hwnd(), WM_NCHITTEST, 0, MAKELPARAM(1, 1)), HTCAPTION);

  const auto tabFromEdit = [](HWND dialog) {
    ShowWindow(dialog, SW_SHOW);
    SetForegroundWindow(dialog);
    const HWND edit = GetDlgItem(dialog, IDC_INPUT_TEXT);
    SetFocus(edit);
    PostMessageW(edit, WM_KEYDOWN, VK_TAB, 0);
    RunPostedMessages();
    return GetDlgCtrlID(GetFocus());
  };
  EXPECT_EQ(tabFromEdit(navigable->hwnd()), IDOK);
  EXPECT_EQ(tabFromEdit(keepsKeys->hwnd()), IDC_INPUT_TEXT);
  EXPECT_EQ(closed, 0);

  // Esc closes it; the owner hears once the dialog's handler is over, and lets go of it then.
  SetForegroundWindow(navigable->hwnd());
  SetFocus(GetDlgItem(navigable->hwnd(), IDC_INPUT_TEXT));
  PostMessageW(GetDlgItem(navigable->hwnd(), IDC_INPUT_TEXT), WM_KEYDOWN, VK_ESCAPE, 0);
  RunPostedMessages();
  EXPECT_FALSE(navigable);
  // The second, destroyed by its owner, tells it too.
  RunPostedMessages();
  EXPECT_EQ(closed, 2);
}

class CallReceiver {
 public:
  virtual void Take(int value) = 0;

 protected:
  ~CallReceiver() = default;
};

class ReceivingWindow final : public Window, public CallReceiver {
 public:
  static WindowPtr<ReceivingWindow> Make() {
    Register(GetModuleHandleW(nullptr), WindowClass{L"QuilletTestReceiver", 0});
    WindowPtr<ReceivingWindow> window(new ReceivingWindow);
    if (!window->Create(GetModuleHandleW(nullptr), L"QuilletTestReceiver", L"r", WS_POPUP, 0, Placement{0, 0, 9, 9})) {
      return nullptr;
    }
    return window;
  }
  void Take(int value) override { taken.push_back(value); }
  std::vector<int> taken;
};

TEST(PostedCall, RunsLaterOnItsReceiverAndNeverOnAnythingElse) {
  WindowPtr<ReceivingWindow> receiver = ReceivingWindow::Make();
  WindowPtr<HostWindow> other = HostWindow::Make(nullptr);
  ASSERT_TRUE(receiver && other);
  EXPECT_TRUE(PostCall<CallReceiver>(receiver->hwnd(), [](CallReceiver& r) { r.Take(1); }));
  EXPECT_TRUE(receiver->taken.empty());  // not before the queue reaches it
  // A window that is not a receiver of that kind drops it.
  int wrongRan = 0;
  EXPECT_TRUE(PostCall<CallReceiver>(other->hwnd(), [&](CallReceiver&) { ++wrongRan; }));
  // Another program's message of that number carries no call of ours.
  PostMessageW(receiver->hwnd(), kPostedCallMessage, 0, reinterpret_cast<LPARAM>(&wrongRan));
  RunPostedMessages();
  EXPECT_EQ(receiver->taken, std::vector<int>{1});
  EXPECT_EQ(wrongRan, 0);

  // Calls still queued when the receiver goes are freed unrun; none can be posted to it after.
  auto counted = std::make_shared<int>(0);
  PostCall<CallReceiver>(receiver->hwnd(), [counted](CallReceiver& r) { r.Take(2); });
  EXPECT_EQ(counted.use_count(), 2);
  const HWND gone = receiver->hwnd();
  receiver.reset();
  EXPECT_EQ(counted.use_count(), 1);
  EXPECT_FALSE(PostCall<CallReceiver>(gone, [counted](CallReceiver&) {}));
  EXPECT_EQ(counted.use_count(), 1);
}

TEST(ClosingState, EndsTheTrackedMenuAndEveryModalDialog) {
  static ClosingState* closing = nullptr;
  static bool endedMenu = false;
  static bool menuOutlived = false;
  EXPECT_FALSE(ClosingState().Begin());  // nothing to wait for
  ClosingState state;
  closing = &state;
  WindowPtr<HostWindow> owner = HostWindow::Make(nullptr);
  ASSERT_TRUE(owner);
  HMENU menu = CreatePopupMenu();
  AppendMenuW(menu, MF_STRING, 100, L"새 메모");
  // The close request arrives while the menu's own loop runs.
  const UINT_PTR close = SetTimer(nullptr, 0, 100, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    endedMenu = closing->Begin();
  });
  const UINT_PTR rescue = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    menuOutlived = true;
    EndMenu();
  });
  SetForegroundWindow(owner->hwnd());
  EXPECT_EQ(TrackPopupMenu(menu, TPM_RETURNCMD | TPM_NONOTIFY, 10, 10, 0, owner->hwnd(), nullptr), 0);
  KillTimer(nullptr, close);
  KillTimer(nullptr, rescue);
  DestroyMenu(menu);
  EXPECT_FALSE(menuOutlived);
  EXPECT_TRUE(endedMenu);
  EXPECT_TRUE(state.InProgress());

  bool endedDialog = false;
  DialogScript closeOverBox({{L"Quillet", [&](HWND) { endedDialog = state.Begin(); }}});
  EXPECT_EQ(ShowProgramMessage(nullptr, "계속할까요?", MessageKind::Question), IDNO);
  EXPECT_TRUE(endedDialog);
  EXPECT_FALSE(Dialog::EndAllModal(IDNO));  // none left

  // The system's colour dialog, as the memo editor opens it.
  static bool endedColorDialog = false;
  const UINT_PTR closeOverColors = SetTimer(nullptr, 0, 300, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    endedColorDialog = closing->Begin();
  });
  static bool colorDialogOutlived = false;
  const UINT_PTR rescueColors = SetTimer(nullptr, 0, 3000, [](HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    colorDialogOutlived = true;
    PostMessageW(GetForegroundWindow(), WM_COMMAND, IDCANCEL, 0);
  });
  COLORREF custom[16] = {};
  CHOOSECOLORW choose{};
  choose.lStructSize = sizeof choose;
  choose.hwndOwner = owner->hwnd();
  choose.lpCustColors = custom;
  EXPECT_FALSE(ChooseColorW(&choose));
  KillTimer(nullptr, closeOverColors);
  KillTimer(nullptr, rescueColors);
  EXPECT_TRUE(endedColorDialog);
  EXPECT_FALSE(colorDialogOutlived);
}

TEST(Fonts, AreMadeWithCharacterOutputAndClipPrecision) {
  const Font font = MakeFont(L"Tahoma", 13, FW_NORMAL);
  LOGFONTW made{};
  ASSERT_EQ(GetObjectW(font.Get(), sizeof made, &made), static_cast<int>(sizeof made));
  EXPECT_EQ(made.lfHeight, 13);
  EXPECT_EQ(made.lfWeight, FW_NORMAL);
  EXPECT_EQ(made.lfCharSet, DEFAULT_CHARSET);
  EXPECT_EQ(made.lfOutPrecision, OUT_CHARACTER_PRECIS);
  EXPECT_EQ(made.lfClipPrecision, CLIP_CHARACTER_PRECIS);
  EXPECT_EQ(std::wstring(made.lfFaceName), L"Tahoma");
}

// INVALID_HANDLE_VALUE is also the current process's pseudo-handle: never ours to close.
TEST(KernelHandle, ClosesOnlyTheHandleItHoldsAndOnlyOnce) {
  const auto open = [](HANDLE handle) {
    DWORD flags = 0;
    return GetHandleInformation(handle, &flags) != FALSE;
  };
  for (const HANDLE none : {HANDLE{}, INVALID_HANDLE_VALUE}) {
    KernelHandle empty(none);
    EXPECT_FALSE(empty);
    EXPECT_TRUE(empty.Close());
  }
  const HANDLE event = CreateEventW(nullptr, TRUE, FALSE, nullptr);
  ASSERT_TRUE(event);
  KernelHandle first(event);
  KernelHandle second(std::move(first));
  first.Reset();  // moved from: holds nothing to close
  EXPECT_FALSE(first);
  EXPECT_TRUE(open(event));
  const HANDLE released = second.Release();
  second.Reset();
  EXPECT_TRUE(open(released));
  KernelHandle last(released);
  EXPECT_TRUE(last.Close());
  EXPECT_FALSE(open(event));
  EXPECT_TRUE(last.Close());  // nothing left to close
}

}  // namespace
}  // namespace quillet::win
