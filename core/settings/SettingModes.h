#pragma once

#include "memo/PanelZOrder.h"

namespace quillet {

// The modes below are stored by number; the enumerators carry those numbers. StoredModes says
// which numbers each takes and how the windows read any other (SettingsExchange decodes).

// "SkinType": the memo title strip.
enum class TitleBarStyle { Raised = 0, Flat = 1 };
// "MemoTipMode": when a folded memo shows its text in a tip.
enum class MemoTipMode { None = 0, Hover = 1, Selected = 2, CtrlHover = 3, SelectedOrCtrlHover = 4 };
// "ScrollMode": the memo editor's vertical scroll bar.
enum class ScrollMode { None = 0, Always = 1, WhileActive = 2 };
// "LeftBtnClickRun": what a left click on the tray icon does.
enum class TrayClick {
  Nothing = -1,  // never stored by the program: what any number outside 0–7 did
  ToggleMemos = 0,
  NewMemo = 1,
  ScheduleManager = 2,
  ShowClock = 3,
  ShowCalendar = 4,
  Preferences = 5,
  FindMemos = 6,
  Groups = 7,
};
// The clock's "ViewMode".
enum class ClockViewMode { Always = 0, Hidden = 1, AtSetTimes = 2 };
// The calendar's "ShowToolTip": the balloon over a day.
enum class DayTips { Off = 0, WhenSomething = 1, Always = 2 };
// "StartMode" of the schedule view and the launcher.
enum class WidgetStartMode { Never = 0, Always = 1, WhenNeeded = 2 };

template <class Mode>
struct StoredModes;
template <>
struct StoredModes<ZPosition> {
  static constexpr int kFirst = 0, kLast = 3;
  static constexpr ZPosition Stray(int) { return ZPosition::Normal; }  // placed as a normal one
};
template <>
struct StoredModes<TitleBarStyle> {
  static constexpr int kFirst = 0, kLast = 1;
  static constexpr TitleBarStyle Stray(int) { return TitleBarStyle::Flat; }  // any non-zero
};
template <>
struct StoredModes<MemoTipMode> {
  static constexpr int kFirst = 0, kLast = 4;
  static constexpr MemoTipMode Stray(int) { return MemoTipMode::None; }  // no tip ever showed
};
template <>
struct StoredModes<ScrollMode> {
  static constexpr int kFirst = 0, kLast = 2;
  static constexpr ScrollMode Stray(int stored) { return stored < 0 ? ScrollMode::None : ScrollMode::Always; }
};
template <>
struct StoredModes<TrayClick> {
  static constexpr int kFirst = 0, kLast = 7;
  static constexpr TrayClick Stray(int) { return TrayClick::Nothing; }
};
template <>
struct StoredModes<ClockViewMode> {
  static constexpr int kFirst = 0, kLast = 2;
  static constexpr ClockViewMode Stray(int) { return ClockViewMode::Hidden; }  // shown only on request
};
template <>
struct StoredModes<DayTips> {
  static constexpr int kFirst = 0, kLast = 2;
  static constexpr DayTips Stray(int stored) { return stored < 0 ? DayTips::Off : DayTips::Always; }
};
template <>
struct StoredModes<WidgetStartMode> {
  static constexpr int kFirst = 0, kLast = 2;
  // The schedule view showed at start and kept out of the daily changes; the launcher's own
  // rule is set where its key is read.
  static constexpr WidgetStartMode Stray(int) { return WidgetStartMode::Always; }
};

template <class Mode>
constexpr Mode ModeFromStored(int stored) {
  using Range = StoredModes<Mode>;
  return stored >= Range::kFirst && stored <= Range::kLast ? static_cast<Mode>(stored) : Range::Stray(stored);
}

}  // namespace quillet
