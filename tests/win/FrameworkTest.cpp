#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "framework/Dialog.h"
#include "framework/InputDialog.h"
#include "framework/LayeredWindowApi.h"
#include "framework/ProgramMessageBox.h"
#include "platform/WinApi.h"

namespace quillet::win {
namespace {

// Runs `act` on the dialog titled `title` once it is up, from inside its modal loop.
class WhenShown {
 public:
  WhenShown(std::wstring title, std::function<void(HWND)> act) : title_(std::move(title)), act_(std::move(act)) {
    current_ = this;
    timer_ = SetTimer(nullptr, 0, 30, &WhenShown::Tick);
  }
  ~WhenShown() {
    KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  bool acted() const { return acted_; }

 private:
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    WhenShown* self = current_;
    if (!self || self->acted_) return;
    HWND dialog = FindWindowW(L"#32770", self->title_.c_str());
    if (!dialog || !IsWindowVisible(dialog)) return;
    self->acted_ = true;
    self->act_(dialog);
  }

  static inline WhenShown* current_ = nullptr;
  std::wstring title_;
  std::function<void(HWND)> act_;
  UINT_PTR timer_ = 0;
  bool acted_ = false;
};

void Press(HWND dialog, int id) { PostMessageW(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

std::wstring Text(HWND dialog, int id) {
  wchar_t text[512] = {};
  GetDlgItemTextW(dialog, id, text, 512);
  return text;
}

TEST(ProgramMessageBox, AnswersYesOnlyWhenYesIsPressed) {
  {
    std::wstring shown;
    bool topmost = false;
    WhenShown yes(L"Quillet", [&](HWND box) {
      shown = Text(box, 3012);
      topmost = (GetWindowLongPtrW(box, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
      Press(box, IDYES);
    });
    EXPECT_EQ(ShowProgramMessage(nullptr, "정말 지울까요?", MessageKind::Question), IDYES);
    EXPECT_EQ(shown, L"정말 지울까요?");
    EXPECT_TRUE(topmost);
  }
  {
    WhenShown escape(L"Quillet", [](HWND box) { Press(box, IDCANCEL); });
    EXPECT_EQ(ShowProgramMessage(nullptr, "지울까요?", MessageKind::Question), IDNO);
  }
  {
    WhenShown closeBox(L"Quillet", [](HWND box) { PostMessageW(box, WM_CLOSE, 0, 0); });
    EXPECT_EQ(ShowProgramMessage(nullptr, "지울까요?", MessageKind::Question), IDNO);
  }
  {
    WhenShown notice(L"Quillet", [](HWND box) { Press(box, IDCANCEL); });
    EXPECT_EQ(ShowProgramMessage(nullptr, "저장하지 못하였습니다."), IDOK);
  }
}

TEST(ProgramMessageBox, LongTextsGrowTheBoxAndKeepTheButtonsInside) {
  std::string text;
  for (int i = 0; i < 12; ++i) text += "메모를 정상적으로 저장하지 못하였습니다. ";
  bool inside = false;
  WhenShown check(L"Quillet", [&](HWND box) {
    RECT client{}, button{}, message{};
    GetClientRect(box, &client);
    GetWindowRect(GetDlgItem(box, IDOK), &button);
    GetWindowRect(GetDlgItem(box, 3012), &message);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&button), 2);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&message), 2);
    inside = button.bottom <= client.bottom && button.top >= message.bottom && message.bottom - message.top > 30;
    Press(box, IDOK);
  });
  ShowProgramMessage(nullptr, text);
  EXPECT_TRUE(inside);
}

TEST(ProgramMessageBox, ClosingTheProgramEndsEveryOpenBoxWithNo) {
  bool ended = false;
  WhenShown closeAll(L"Quillet", [&](HWND) { ended = Dialog::EndAllModal(IDNO); });
  EXPECT_EQ(ShowProgramMessage(nullptr, "계속할까요?", MessageKind::Question), IDNO);
  EXPECT_TRUE(ended);
  EXPECT_FALSE(Dialog::EndAllModal(IDNO));  // none left
}

TEST(InputDialog, ReturnsTheEditedTextOrNothing) {
  {
    WhenShown type(L"그룹 이름", [](HWND dialog) {
      SetDlgItemTextW(dialog, 249, L"업무 메모");
      Press(dialog, IDOK);
    });
    EXPECT_EQ(AskForText(nullptr, "그룹 이름", "새 그룹"), std::optional<std::string>("업무 메모"));
  }
  {
    std::wstring initial;
    WhenShown cancel(L"그룹 이름", [&](HWND dialog) {
      initial = Text(dialog, 249);
      Press(dialog, IDCANCEL);
    });
    EXPECT_EQ(AskForText(nullptr, "그룹 이름", "새 그룹"), std::nullopt);
    EXPECT_EQ(initial, L"새 그룹");
  }
}

TEST(LayeredWindowApi, FindsTheFunctionsByNameAndSetsConstantAlpha) {
  EXPECT_FALSE(LayeredWindowApi(nullptr).available());
  EXPECT_FALSE(LayeredWindowApi(nullptr).SetAttributes(nullptr, 0, 128, LWA_ALPHA));

  HMODULE user32 = LoadLibraryW(L"USER32.dll");
  ASSERT_NE(user32, nullptr);
  const LayeredWindowApi layered(user32);
  ASSERT_TRUE(layered.available());
  HWND window = CreateWindowExW(WS_EX_LAYERED | WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr,
                                nullptr, nullptr, nullptr);
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(layered.SetAttributes(window, 0, 128, LWA_ALPHA));
  BYTE alpha = 0;
  DWORD flags = 0;
  EXPECT_TRUE(GetLayeredWindowAttributes(window, nullptr, &alpha, &flags));
  EXPECT_EQ(alpha, 128);
  EXPECT_EQ(flags, static_cast<DWORD>(LWA_ALPHA));
  DestroyWindow(window);
  FreeLibrary(user32);
}

}  // namespace
}  // namespace quillet::win
