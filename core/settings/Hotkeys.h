#pragma once

#include <array>
#include <string>

namespace quillet {

// One global hotkey; the index in the table is its action and the id given to RegisterHotKey.
struct HotkeyEntry {
  int ctrl = 0;
  int alt = 0;
  int shift = 0;
  int virtualKey = -1;  // -1: switched off
  std::string keyName;  // as shown to the user, at most kMaxKeyNameLength characters
  int id = 0;

  friend bool operator==(const HotkeyEntry& a, const HotkeyEntry& b) {
    return a.ctrl == b.ctrl && a.alt == b.alt && a.shift == b.shift && a.virtualKey == b.virtualKey &&
           a.keyName == b.keyName && a.id == b.id;
  }
};

constexpr int kHotkeyCount = 21;
constexpr std::size_t kMaxKeyNameLength = 11;
using HotkeyTable = std::array<HotkeyEntry, kHotkeyCount>;

HotkeyTable DefaultHotkeys();

// "Key00" ... "Key20".
std::string HotkeySettingKey(int id);

// "%d %d %d %d %s" of ctrl, alt, shift, virtual key and name.
std::string FormatHotkey(const HotkeyEntry& entry);
// Missing or unreadable numbers give the fallback; a name longer than the entry holds is cut.
HotkeyEntry ParseHotkey(const std::string& text, const HotkeyEntry& fallback);

}  // namespace quillet
