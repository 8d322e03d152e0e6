#include "settings/Hotkeys.h"

#include <cstdio>

#include "text/Scan.h"

namespace quillet {

namespace {

struct DefaultKey {
  const char* name;
  int virtualKey;
};

// Every default is Ctrl+Alt+key.
constexpr DefaultKey kDefaultKeys[kHotkeyCount] = {
    {"N", 78},   {"PageUp", 33}, {"PageDown", 34}, {"F1", 112}, {"F2", 113}, {"F3", 114}, {"F4", 115},
    {"F5", 116}, {"F6", 117},    {"F7", 118},      {"F8", 119}, {"F9", 120}, {"I", 73},   {"F11", 122},
    {"F12", 123}, {"C", 67},     {"P", 80},        {"S", 83},   {"V", 86},   {"D", 68},   {"F", 70},
};

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

}  // namespace quillet
