#include "controls/HotkeyButton.h"

#include <commctrl.h>

#include "framework/Dialog.h"
#include "framework/ProgramMessageBox.h"
#include "platform/Wide.h"
#include "resources/resource.h"

namespace quillet::win {

namespace {

class HotkeyDialog final : public Dialog {
 public:
  explicit HotkeyDialog(const HotkeyEntry& current) : Dialog(IDD_HOTKEY), entry_(current) {}
  const HotkeyEntry& entry() const { return entry_; }

 private:
  bool OnInit() override {
    const HWND keys = Item(IDC_HOTKEY_KEYS);
    // Without Ctrl or Alt a key would be taken from every program: Ctrl+Alt stands in.
    SendMessageW(keys, HKM_SETRULES, HKCOMB_NONE | HKCOMB_S, MAKELPARAM(HOTKEYF_CONTROL | HOTKEYF_ALT, 0));
    if (entry_.virtualKey >= 0) {
      const BYTE modifiers = static_cast<BYTE>((entry_.ctrl ? HOTKEYF_CONTROL : 0) | (entry_.alt ? HOTKEYF_ALT : 0) |
                                               (entry_.shift ? HOTKEYF_SHIFT : 0));
      SendMessageW(keys, HKM_SETHOTKEY, MAKEWORD(entry_.virtualKey, modifiers), 0);
    }
    SetForegroundWindow(hwnd());
    SetFocus(keys);
    return false;
  }

  void OnOK() override {
    const LRESULT keys = SendMessageW(Item(IDC_HOTKEY_KEYS), HKM_GETHOTKEY, 0, 0);
    const int virtualKey = LOBYTE(LOWORD(keys));
    const BYTE modifiers = HIBYTE(LOWORD(keys));
    if (KeyNameOf(virtualKey).empty()) {
      ShowProgramMessage(hwnd(), "단축키로 쓸 수 없는 키입니다.");
      return;
    }
    entry_.ctrl = modifiers & HOTKEYF_CONTROL ? 1 : 0;
    entry_.alt = modifiers & HOTKEYF_ALT ? 1 : 0;
    entry_.shift = modifiers & HOTKEYF_SHIFT ? 1 : 0;
    entry_.virtualKey = virtualKey;
    entry_.keyName = KeyNameOf(virtualKey);
    End(IDOK);
  }

  void OnCommand(UINT id, UINT notification) override {
    if (id == IDC_HOTKEY_OFF && notification == BN_CLICKED) {
      entry_.virtualKey = -1;
      End(IDOK);
      return;
    }
    Dialog::OnCommand(id, notification);
  }

  HotkeyEntry entry_;
};

}  // namespace

std::optional<HotkeyEntry> AskForHotkey(HWND owner, const HotkeyEntry& current) {
  HotkeyDialog dialog(current);
  if (dialog.RunModal(owner) != IDOK) return std::nullopt;
  return dialog.entry();
}

bool HotkeyButton::Take(HWND button, const HotkeyEntry& entry) {
  if (!Attach(button)) return false;
  SetEntry(entry);
  return true;
}

void HotkeyButton::SetEntry(const HotkeyEntry& entry) {
  entry_ = entry;
  SetWindowTextW(hwnd(), WidenCp949(HotkeyText(entry)).c_str());
}

LRESULT HotkeyButton::OnMessage(const Message& message) {
  if (message.id == kReflectedCommand && HIWORD(message.wParam) == BN_CLICKED) {
    if (const std::optional<HotkeyEntry> chosen = AskForHotkey(GetParent(hwnd()), entry_)) {
      SetEntry(*chosen);
      if (onChosen) onChosen(*chosen);
    }
    return TRUE;
  }
  return Control::OnMessage(message);
}

}  // namespace quillet::win
