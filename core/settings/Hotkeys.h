#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

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

// The keys a hotkey may use, by virtual-key code: A-Z, 0-9, F1-F24, PageUp, PageDown, Home, End,
// Insert, Delete, Left, Up, Right, Down, Num0-Num9. Names fit the entry and hold no blank, so the
// stored form reads them back. Empty for any other code.
std::string KeyNameOf(int virtualKey);
std::optional<int> KeyCodeOfName(std::string_view name);

// RegisterHotKey's modifier bits.
constexpr unsigned kModAlt = 1;
constexpr unsigned kModControl = 2;
constexpr unsigned kModShift = 4;
constexpr unsigned kModWin = 8;
unsigned HotkeyModifiers(const HotkeyEntry& entry);

constexpr const char* kHotkeyOffText = "사용 안함";
// "Ctrl+Alt+N"; kHotkeyOffText for a switched-off entry.
std::string HotkeyText(const HotkeyEntry& entry);

// Another switched-on entry of the table (not `id`) with the modifiers and key of `keys`.
std::optional<int> ConflictingHotkey(const HotkeyTable& table, int id, const HotkeyEntry& keys);

}  // namespace quillet
