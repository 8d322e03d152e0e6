#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "geometry/Rect.h"

namespace quillet {

// Where a skin window goes when a new skin changes its size. A single monitor only; with more
// the proposed rectangle is returned unchanged. `screen` is the primary screen's size.
Rect FitSkinWindow(const Rect& current, const Rect& proposed, Size screen, int monitorCount);

// The 투명도 submenu: 32844..32853 ("10%" … "불투명") -> 26, 51, 77, 102, 128, 153, 179, 204, 230,
// 255; nullopt for any other command.
std::optional<int> TransparencyAlpha(unsigned command);
// The command to check for `alpha`: the nearest step, ties to the more opaque one.
unsigned TransparencyCommand(int alpha);

// The skin window's own command words; widgets handle theirs before these.
enum class SkinCommand { None, Hide, ClockSetup, CalendarSetup, AlarmSetup, AddAlarm, DestroyWindow };

// ASCII letters only; a CP949 character's bytes are never touched, though a trail byte may lie
// in 'a'..'z'.
std::string UpperCaseSkinCommand(std::string_view command);
// Exact words of an upper-cased command: "CLOSE" and "<HIDE_WINDOW>" -> Hide, "<CLOCK_SETUP>",
// "<CALENDAR_SETUP>", "<ALARM_SETUP>", "<ADD_ALARM>", "<DESTROY_WINDOW>"; None for the rest.
SkinCommand BaseSkinCommand(std::string_view upperCased);

// The skin editor. The file's bytes as the edit box shows them: every line break (CR LF, LF or a
// lone CR) becomes CR LF, nothing else changes, nothing is dropped.
std::string SkinTextForEditing(std::string_view fileBytes);
// The edit box's text as the file is written: CR LF breaks, no trailing line break.
std::string SkinTextForSaving(std::string_view edited);

}  // namespace quillet
