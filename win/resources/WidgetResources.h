// Numbered resources of the skin windows and the desktop widgets. The numbers are part of the
// program: commands reach one handler whichever menu, key or window sends them.
#pragma once

// Dialog templates
#define IDD_CLOCK 191
#define IDD_CALENDAR 210
#define IDD_SCHEDULE_VIEW 234
#define IDD_SLIDE_NOTIFICATION 231
#define IDD_POPUP_NOTIFICATION 232
#define IDD_SKIN_WINDOW 3030  // a skin window with the base menu
#define IDD_SKIN_EDITOR 3031
#define IDD_SKIN_INFO 3032
#define IDD_LAUNCHER 3033

// Menus
#define IDR_CLOCK_MENU 196
#define IDR_CALENDAR_MENU 197
#define IDR_CALENDAR_DAY_MENU 198  // over a day cell
#define IDR_SKIN_MENU 199

// Controls of the skin editor
#define IDC_SKIN_TEXT 3040
#define IDC_SKIN_FOLDER 3041

// Commands of the skin windows
#define ID_SKIN_DEFAULT 32805
#define ID_CLOCK_SETTINGS 32811
#define ID_CLOCK_ALWAYS 32812
#define ID_CLOCK_AT_SET_TIMES 32814
#define ID_CALENDAR_SETTINGS 32822
#define ID_DAY_ADD_SCHEDULE 32825  // "%d월 %d일 일정 등록"
#define ID_DAY_INFORMATION 32831   // "%d월 %d일 정보"
#define ID_LAUNCHER_ADD 32881      // "프로그램 추가..."
#define ID_LAUNCHER_REMOVE 32882   // "목록에서 삭제"
#define ID_SKIN_DEFAULT_BASE 32821
#define ID_SKIN_EDIT 32833
#define ID_SKIN_ABOUT 32836
#define ID_TRANSPARENCY_FIRST 32844  // "10%"; 32853 is "불투명"
#define ID_TRANSPARENCY_LAST 32853
#define ID_SKIN_FIRST 5024           // the skins of the Skin submenu, in list order
#define ID_SKIN_LAST 5223
