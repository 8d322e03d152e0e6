#include <gtest/gtest.h>

#include <climits>

#include "settings/Hotkeys.h"
#include "text/Numbers.h"

namespace quillet {
namespace {

TEST(ParseIntLikeAtoi, FollowsTheRuntimesRules) {
  EXPECT_EQ(ParseIntLikeAtoi("  -17xyz"), -17);
  EXPECT_EQ(ParseIntLikeAtoi("+8"), 8);
  EXPECT_EQ(ParseIntLikeAtoi("abc"), 0);
  EXPECT_EQ(ParseIntLikeAtoi(""), 0);
  EXPECT_EQ(ParseIntLikeAtoi("- 5"), 0);
  EXPECT_EQ(ParseIntLikeAtoi("2147483647"), INT_MAX);
  EXPECT_EQ(ParseIntLikeAtoi("-2147483648"), INT_MIN);
  EXPECT_EQ(ParseIntLikeAtoi("99999999999999999999999"), INT_MAX);
  EXPECT_EQ(ParseIntLikeAtoi("-99999999999999999999999"), INT_MIN);
}

TEST(Hotkeys, DefaultsAreCtrlAltKeysInActionOrder) {
  const HotkeyTable keys = DefaultHotkeys();
  EXPECT_EQ(keys[0], (HotkeyEntry{1, 1, 0, 78, "N", 0}));
  EXPECT_EQ(keys[13], (HotkeyEntry{1, 1, 0, 122, "F11", 13}));
  EXPECT_EQ(keys[20], (HotkeyEntry{1, 1, 0, 70, "F", 20}));
  EXPECT_EQ(HotkeySettingKey(7), "Key07");
  EXPECT_EQ(FormatHotkey(keys[1]), "1 1 0 33 PageUp");
  EXPECT_EQ(ParseHotkey(FormatHotkey(keys[1]), HotkeyEntry{0, 0, 0, 0, "", 1}), keys[1]);
  // A stored entry without a name keeps the fallback's.
  EXPECT_EQ(ParseHotkey("0 0 1 65", keys[0]).keyName, "N");
  for (const HotkeyEntry& entry : keys) EXPECT_EQ(KeyNameOf(entry.virtualKey), entry.keyName) << entry.id;
}

TEST(Hotkeys, EveryKeyNameReadsBackThroughTheStoredForm) {
  int named = 0;
  for (int code = -1; code <= 256; ++code) {
    const std::string name = KeyNameOf(code);
    if (name.empty()) continue;
    ++named;
    EXPECT_LE(name.size(), kMaxKeyNameLength) << name;
    EXPECT_EQ(name.find(' '), std::string::npos) << name;
    EXPECT_EQ(KeyCodeOfName(name), code) << name;
    const HotkeyEntry entry{1, 0, 1, code, name, 4};
    EXPECT_EQ(ParseHotkey(FormatHotkey(entry), HotkeyEntry{0, 0, 0, 0, "", 4}), entry) << name;
  }
  EXPECT_EQ(named, 26 + 10 + 24 + 10 + 10);

  const struct {
    int code;
    const char* name;
  } kKnown[] = {{0x41, "A"},      {0x5A, "Z"},     {0x30, "0"},      {0x39, "9"},     {0x70, "F1"},
                {0x87, "F24"},    {0x60, "Num0"},  {0x69, "Num9"},   {0x21, "PageUp"}, {0x22, "PageDown"},
                {0x24, "Home"},   {0x23, "End"},   {0x2D, "Insert"}, {0x2E, "Delete"}, {0x25, "Left"},
                {0x26, "Up"},     {0x27, "Right"}, {0x28, "Down"}};
  for (const auto& key : kKnown) EXPECT_EQ(KeyNameOf(key.code), key.name);
  for (const char* unknown : {"", "F0", "F25", "Num10", "a", "pageup", "Space"}) {
    EXPECT_EQ(KeyCodeOfName(unknown), std::nullopt) << unknown;
  }
}

TEST(Hotkeys, TextModifiersAndConflicts) {
  const struct {
    HotkeyEntry entry;
    const char* text;
    unsigned modifiers;
  } kCases[] = {
      {{1, 1, 0, 78, "N", 0}, "Ctrl+Alt+N", kModControl | kModAlt},
      {{1, 0, 1, 0x70, "F1", 0}, "Ctrl+Shift+F1", kModControl | kModShift},
      {{0, 7, 0, 0x60, "Num0", 0}, "Alt+Num0", kModAlt},
      {{0, 0, 1, 0x41, "X", 0}, "Shift+A", kModShift},             // the code's name, not a stale stored one
      {{1, 1, 0, 0xBA, "Semi", 0}, "Ctrl+Alt+Semi", kModControl | kModAlt},  // outside the table
      {{1, 1, 0, -1, "N", 0}, "사용 안함", kModControl | kModAlt},
  };
  for (const auto& c : kCases) {
    EXPECT_EQ(HotkeyText(c.entry), c.text);
    EXPECT_EQ(HotkeyModifiers(c.entry), c.modifiers) << c.text;
  }

  HotkeyTable table = DefaultHotkeys();
  EXPECT_EQ(ConflictingHotkey(table, 0, HotkeyEntry{1, 1, 0, 'F', "F", 0}), 20);
  EXPECT_EQ(ConflictingHotkey(table, 0, HotkeyEntry{2, 5, 0, 'F', "F", 0}), 20);  // any non-zero is set
  EXPECT_EQ(ConflictingHotkey(table, 20, HotkeyEntry{1, 1, 0, 'F', "F", 0}), std::nullopt);
  EXPECT_EQ(ConflictingHotkey(table, 0, HotkeyEntry{1, 1, 1, 'F', "F", 0}), std::nullopt);
  EXPECT_EQ(ConflictingHotkey(table, 0, HotkeyEntry{1, 1, 0, -1, "F", 0}), std::nullopt);
  table[3].virtualKey = -1;
  table[4].virtualKey = -1;
  EXPECT_EQ(ConflictingHotkey(table, 3, table[4]), std::nullopt);  // two switched-off entries never clash
}

}  // namespace
}  // namespace quillet
