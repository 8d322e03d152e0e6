#include "settings/Hotkeys.h"

#include <cstdio>

#include "text/Scan.h"

namespace quillet {

namespace {

struct NamedKey {
  const char* name;
  int virtualKey;
};

// Every default is Ctrl+Alt+key.
constexpr NamedKey kDefaultKeys[kHotkeyCount] = {
    {"N", 78},   {"PageUp", 33}, {"PageDown", 34}, {"F1", 112}, {"F2", 113}, {"F3", 114}, {"F4", 115},
    {"F5", 116}, {"F6", 117},    {"F7", 118},      {"F8", 119}, {"F9", 120}, {"I", 73},   {"F11", 122},
    {"F12", 123}, {"C", 67},     {"P", 80},        {"S", 83},   {"V", 86},   {"D", 68},   {"F", 70},
};

constexpr NamedKey kNamedKeys[] = {
    {"PageUp", 0x21}, {"PageDown", 0x22}, {"End", 0x23},   {"Home", 0x24},   {"Left", 0x25},
    {"Up", 0x26},     {"Right", 0x27},    {"Down", 0x28},  {"Insert", 0x2D}, {"Delete", 0x2E},
};

constexpr int kFirstFunctionKey = 0x70;  // F1
constexpr int kFunctionKeyCount = 24;
constexpr int kNumPad0 = 0x60;

}  // namespace

HotkeyTable DefaultHotkeys() {
  HotkeyTable table;
  for (int id = 0; id < kHotkeyCount; ++id) {
    table[id] = HotkeyEntry{1, 1, 0, kDefaultKeys[id].virtualKey, kDefaultKeys[id].name, id};
  }
  return table;
}

std::string HotkeySettingKey(int id) {
  char key[16];
  std::snprintf(key, sizeof key, "Key%02d", id);
  return key;
}

std::string FormatHotkey(const HotkeyEntry& entry) {
  return std::to_string(entry.ctrl) + ' ' + std::to_string(entry.alt) + ' ' + std::to_string(entry.shift) + ' ' +
         std::to_string(entry.virtualKey) + ' ' + entry.keyName;
}

HotkeyEntry ParseHotkey(const std::string& text, const HotkeyEntry& fallback) {
  Scanner scan(text);
  HotkeyEntry entry = fallback;
  if (!scan.Int(entry.ctrl) || !scan.Int(entry.alt) || !scan.Int(entry.shift) || !scan.Int(entry.virtualKey)) {
    return fallback;
  }
  std::string name;
  if (scan.Word(name)) entry.keyName = name.substr(0, kMaxKeyNameLength);
  return entry;
}

std::string KeyNameOf(int virtualKey) {
  if ((virtualKey >= 'A' && virtualKey <= 'Z') || (virtualKey >= '0' && virtualKey <= '9')) {
    return std::string(1, static_cast<char>(virtualKey));
  }
  if (virtualKey >= kFirstFunctionKey && virtualKey < kFirstFunctionKey + kFunctionKeyCount) {
    return 'F' + std::to_string(virtualKey - kFirstFunctionKey + 1);
  }
  if (virtualKey >= kNumPad0 && virtualKey <= kNumPad0 + 9) return "Num" + std::to_string(virtualKey - kNumPad0);
  for (const NamedKey& key : kNamedKeys) {
    if (key.virtualKey == virtualKey) return key.name;
  }
  return {};
}

std::optional<int> KeyCodeOfName(std::string_view name) {
  // Searched through KeyNameOf so the two directions cannot drift apart; codes are one byte.
  if (name.empty()) return std::nullopt;
  for (int code = 0; code < 256; ++code) {
    if (KeyNameOf(code) == name) return code;
  }
  return std::nullopt;
}

unsigned HotkeyModifiers(const HotkeyEntry& entry) {
  return (entry.ctrl ? kModControl : 0) | (entry.alt ? kModAlt : 0) | (entry.shift ? kModShift : 0);
}

std::string HotkeyText(const HotkeyEntry& entry) {
  if (entry.virtualKey < 0) return kHotkeyOffText;
  std::string text;
  if (entry.ctrl) text += "Ctrl+";
  if (entry.alt) text += "Alt+";
  if (entry.shift) text += "Shift+";
  // The code is what gets registered, so its own name wins over a stored one that disagrees.
  std::string name = KeyNameOf(entry.virtualKey);
  if (name.empty()) name = entry.keyName.empty() ? std::to_string(entry.virtualKey) : entry.keyName;
  return text + name;
}

std::optional<int> ConflictingHotkey(const HotkeyTable& table, int id, const HotkeyEntry& keys) {
  if (keys.virtualKey < 0) return std::nullopt;
  for (int other = 0; other < kHotkeyCount; ++other) {
    if (other != id && table[other].virtualKey == keys.virtualKey &&
        HotkeyModifiers(table[other]) == HotkeyModifiers(keys)) {
      return other;
    }
  }
  return std::nullopt;
}

}  // namespace quillet
