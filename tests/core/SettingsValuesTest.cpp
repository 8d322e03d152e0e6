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
}

}  // namespace
}  // namespace quillet
