#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <tuple>

#include "DialogScript.h"
#include "Screenshot.h"
#include "controls/HotkeyButton.h"
#include "resources/resource.h"

#include <commctrl.h>

namespace quillet::win {
namespace {

using testing::DialogScript;
using testing::Press;

constexpr const wchar_t* kCaption = L"단축키 설정";

void SetKeys(HWND dialog, int virtualKey, BYTE modifiers) {
  SendDlgItemMessageW(dialog, IDC_HOTKEY_KEYS, HKM_SETHOTKEY, MAKEWORD(virtualKey, modifiers), 0);
}

// The dialog answers the keys the hotkey control holds with their stored name, switched off keys,
// or nothing; a key the table cannot name is refused and the dialog stays.
TEST(HotkeyButton, AsksForKeysAndShowsWhatWasChosen) {
  const HotkeyEntry current = DefaultHotkeys()[0];  // Ctrl+Alt+N
  const struct {
    std::function<void(HWND)> act;
    std::optional<int> virtualKey;
    bool ctrl, alt, shift;
  } cases[] = {
      {[](HWND d) {
         testing::KeepScreenshot(d, "hotkey-dialog");
         SetKeys(d, VK_F5, HOTKEYF_CONTROL | HOTKEYF_SHIFT);
         Press(d, IDOK);
       },
       VK_F5, true, false, true},
      {[](HWND d) { Press(d, IDC_HOTKEY_OFF); }, -1, true, true, false},
      {[](HWND d) { Press(d, IDCANCEL); }, std::nullopt, false, false, false},
  };
  for (const auto& c : cases) {
    DialogScript script({{kCaption, c.act}});
    const std::optional<HotkeyEntry> chosen = AskForHotkey(nullptr, current);
    EXPECT_TRUE(script.Done());
    ASSERT_EQ(chosen.has_value(), c.virtualKey.has_value());
    if (!chosen) continue;
    EXPECT_EQ(chosen->virtualKey, *c.virtualKey);
    EXPECT_EQ(std::tuple(chosen->ctrl != 0, chosen->alt != 0, chosen->shift != 0), std::tuple(c.ctrl, c.alt, c.shift));
    EXPECT_EQ(chosen->id, current.id);
  }

  // A click on the button asks; the button then shows the new keys and tells its owner.
  const HWND owner = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 200, 40, nullptr, nullptr, nullptr, nullptr);
  const HWND button = CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | BS_PUSHBUTTON, 0, 0, 150, 24, owner, nullptr,
                                      nullptr, nullptr);
  WindowPtr<HotkeyButton> hotkey(new HotkeyButton);
  ASSERT_TRUE(hotkey->Take(button, current));
  wchar_t text[64] = {};
  GetWindowTextW(button, text, 64);
  EXPECT_STREQ(text, L"Ctrl+Alt+N");
  std::optional<HotkeyEntry> told;
  hotkey->onChosen = [&](const HotkeyEntry& entry) { told = entry; };
  DialogScript script({{kCaption, [](HWND d) {
                          SetKeys(d, VK_NEXT, HOTKEYF_ALT);
                          Press(d, IDOK);
                        }}});
  SendMessageW(hotkey->hwnd(), kReflectedCommand, MAKEWPARAM(0, BN_CLICKED), reinterpret_cast<LPARAM>(button));
  EXPECT_TRUE(script.Done());
  ASSERT_TRUE(told.has_value());
  EXPECT_EQ(told->keyName, "PageDown");
  GetWindowTextW(button, text, 64);
  EXPECT_STREQ(text, L"Alt+PageDown");
  hotkey.reset();
  DestroyWindow(owner);
}

}  // namespace
}  // namespace quillet::win
