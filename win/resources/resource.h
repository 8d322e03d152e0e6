// Numbered resources of Quillet.exe. The numbers are part of the program: commands reach one
// handler whichever menu, hotkey or window sends them.
#pragma once

// Icons
#define IDI_QUILLET 128

// Bitmaps
#define IDB_ABOUT_BACKGROUND 3001
#define IDB_ABOUT_CLOSE 3002  // the About box's close button: normal, hot, pressed, side by side; 148 is the memo delete button

// Menus
#define IDR_TRAY_MENU 130

// Dialog templates
#define IDD_ABOUT 100
#define IDD_MEMO_TIP 233
#define IDD_SEARCH 235
#define IDD_INPUT 1077
#define IDD_HOTKEY 3070  // "단축키 설정"
#define IDD_MESSAGE_QUESTION 3010
#define IDD_MESSAGE_NOTICE 3011
#define IDD_MESSAGE_RETRY 3014

// Controls
#define IDC_INPUT_PROMPT 248
#define IDC_INPUT_TEXT 249
#define IDC_HOTKEY_KEYS 3071
#define IDC_HOTKEY_OFF 3072
#define IDC_MESSAGE_TEXT 3012
#define IDC_MESSAGE_ICON 3013
#define IDC_ABOUT_CLOSE 3020
// The search dialog
#define IDC_SEARCH_IN_CONTENT 1083
#define IDC_SEARCH_TEXT 1232
#define IDC_SEARCH_WHOLE_WORD 1248
#define IDC_SEARCH_MATCH_CASE 1249
#define IDC_SEARCH_ON_TOP 1250
#define IDC_SEARCH_UNFOLD 1251
#define IDC_SEARCH_IN_TITLES 1252

// Commands of the main frame (the tray menu 130, the memo menu's "확장 메뉴", hotkeys)
#define ID_APP_ABOUT 32775
#define ID_APP_EXIT 32773
#define ID_NEW_MEMO 32774
#define ID_SHOW_ALL 32776
#define ID_PREFERENCES 32777
#define ID_ARRANGE_ALL 32778
#define ID_EXPAND_ARRANGE 32789
#define ID_FOLD_ARRANGE 32790
#define ID_EXPAND_ALL 32791
#define ID_FOLD_ALL 32792
#define ID_HIDE_ALL 32793
#define ID_ALL_ON_TOP 32795
#define ID_ALL_NORMAL 32796
#define ID_SCHEDULES 32804
#define ID_RESTORE_MEMOS 32817
#define ID_RECOVER_MEMOS 32868  // a damaged memo list: manual recovery
#define ID_SHOW_CALENDAR 32823
#define ID_CAPTURE 32824
#define ID_SHOW_CLOCK 32830
#define ID_ALL_ON_DESKTOP 32837
#define ID_SHOW_SCHEDULE_VIEW 32854
#define ID_SHOW_LAUNCHER 32880  // "런처 보기"
#define ID_FIND_MEMOS 32860
#define ID_EDIT_GROUPS 32862
#define ID_GROUP_PLACEHOLDER 32863
#define ID_ARRANGE_BY_POSITION 32865

// Commands of the desktop panels (the widgets' menus)
#define ID_PANEL_HIDE 32782
#define ID_PANEL_ALWAYS_ON_TOP 32787
#define ID_PANEL_ARRANGE 32806
#define ID_PANEL_TOP_LEFT 32807
#define ID_PANEL_BOTTOM_LEFT 32808
#define ID_PANEL_TOP_RIGHT 32809
#define ID_PANEL_BOTTOM_RIGHT 32810
#define ID_PANEL_NORMAL 32819
#define ID_PANEL_DESKTOP 32820
#define ID_PANEL_FIX_POSITION 32842

