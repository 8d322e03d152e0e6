// The program's private window messages and its numbered command ranges, all in one place. No
// other program sends or receives these messages, so they sit in the WM_APP range; the command
// numbers reach menus and resource scripts and stay as they are.
#pragma once

#include "platform/WinApi.h"
#include "resources/WidgetResources.h"
#include "resources/resource.h"

namespace quillet::win {

// Carries a `PostedCall` (framework/PostedCall.h): the one way windows ask each other for work
// that must run after the asking handler has returned.
constexpr UINT kPostedCallMessage = WM_APP + 1;
// The tray icon's notifications; lParam is the mouse message.
constexpr UINT kTrayIconMessage = WM_APP + 2;
// Sent by a window to the owner-drawn control named in a WM_DRAWITEM it received, with the same
// parameters; the control answers TRUE when it drew itself.
constexpr UINT kReflectedDrawItem = WM_APP + 3;
// Sent by a dialog to the control that sent it a WM_COMMAND notification, with the same
// parameters, so that a control can act on its own clicks; it answers TRUE when it took it.
constexpr UINT kReflectedCommand = WM_APP + 4;

}  // namespace quillet::win

// "다른 그룹 열기": one command a group file, in the order of the menu's group list.
#define ID_OPEN_GROUP_FIRST 5224
#define ID_OPEN_GROUP_LAST 5423
// "다른그룹으로 보내기": one command a group file, in the order of the memo menu's group list.
#define ID_MEMO_SEND_FIRST 5424
#define ID_MEMO_SEND_LAST 5623

namespace quillet::win {

// The one rule for where a menu command goes: the frame's commands (the tray menu's, which every
// "확장 메뉴" repeats, the widgets' settings items and the group list's) go to the frame, whichever window's menu they came
// from; every other command belongs to the window that showed the menu.
constexpr bool IsFrameCommand(UINT id) {
  switch (id) {
    case ID_APP_ABOUT:
    case ID_APP_EXIT:
    case ID_NEW_MEMO:
    case ID_SHOW_ALL:
    case ID_PREFERENCES:
    case ID_ARRANGE_ALL:
    case ID_EXPAND_ARRANGE:
    case ID_FOLD_ARRANGE:
    case ID_EXPAND_ALL:
    case ID_FOLD_ALL:
    case ID_HIDE_ALL:
    case ID_ALL_ON_TOP:
    case ID_ALL_NORMAL:
    case ID_SCHEDULES:
    case ID_RESTORE_MEMOS:
    case ID_RECOVER_MEMOS:
    case ID_SHOW_CALENDAR:
    case ID_CAPTURE:
    case ID_SHOW_CLOCK:
    case ID_ALL_ON_DESKTOP:
    case ID_SHOW_SCHEDULE_VIEW:
    case ID_SHOW_LAUNCHER:
    case ID_FIND_MEMOS:
    case ID_EDIT_GROUPS:
    case ID_ARRANGE_BY_POSITION:
    case ID_CLOCK_SETTINGS:
    case ID_CALENDAR_SETTINGS:
      return true;
    default:
      return id >= ID_OPEN_GROUP_FIRST && id <= ID_OPEN_GROUP_LAST;
  }
}

}  // namespace quillet::win
