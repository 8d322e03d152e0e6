#pragma once

#include <functional>
#include <optional>

#include "framework/Control.h"
#include "settings/Hotkeys.h"

namespace quillet::win {

// "단축키 설정": the system's hotkey control (Ctrl or Alt required), "확인", "사용 안함" and
// "취소". The new keys of `current` (switched off for "사용 안함"), or nothing when cancelled.
std::optional<HotkeyEntry> AskForHotkey(HWND owner, const HotkeyEntry& current);

// A push button that shows its hotkey and asks for another when clicked. It stores nothing:
// `onChosen` hands the new entry to the owner, which writes and registers it, and sets it back
// with SetEntry when that failed.
class HotkeyButton final : public Control {
 public:
  bool Take(HWND button, const HotkeyEntry& entry);
  void SetEntry(const HotkeyEntry& entry);
  const HotkeyEntry& entry() const { return entry_; }

  std::function<void(const HotkeyEntry& chosen)> onChosen;

 protected:
  LRESULT OnMessage(const Message& message) override;

 private:
  HotkeyEntry entry_;
};

}  // namespace quillet::win
