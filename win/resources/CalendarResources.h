// Numbered resources of the calendar's dialogs: the day dialog with its pages and the
// anniversary editor.
#pragma once

// Dialog templates
#define IDD_DAY_DIALOG 3200
#define IDD_DAY_INFO_PAGE 3201
#define IDD_ANNIVERSARY_PAGE 3202
#define IDD_ANNIVERSARY_EDITOR 3203

// Pictures
#define IDB_DAY_PAGE_INFO 3205       // "정리", normal and selected side by side
#define IDB_DAY_PAGE_SCHEDULE 3206   // "일정 추가"
#define IDB_DAY_PAGE_ANNIVERSARY 3207  // "기념일"
#define IDB_DAY_GRID_PICTURES 3208   // 21 x 8 cells: edit, delete, blank

// The day dialog
#define IDC_DAY_TITLE 3210
#define IDC_DAY_LUNAR 3211
#define IDC_PAGE_INFO 3212
#define IDC_PAGE_SCHEDULE 3213
#define IDC_PAGE_ANNIVERSARY 3214
#define IDC_DAY_PAGE_AREA 3215

// The information page
#define IDC_DAY_ANNIVERSARIES 3220
#define IDC_DAY_SCHEDULES 3221

// The anniversary page and the anniversary editor
#define IDC_ANNIVERSARY_CATEGORY 3230
#define IDC_ANNIVERSARY_NAME 3231
#define IDC_ANNIVERSARY_HOLIDAY 3232
#define IDC_ANNIVERSARY_LUNAR 3233
#define IDC_ANNIVERSARY_MONTH 3240
#define IDC_ANNIVERSARY_DAY 3241
#define IDC_ANNIVERSARY_CALENDAR 3242  // "양력" / "음력"
#define IDC_ANNIVERSARY_LEAP 3243

// The menus of the information page's grids
#define ID_DAY_ANNIVERSARY_ADD 3250
#define ID_DAY_ANNIVERSARY_EDIT 3251
#define ID_DAY_ANNIVERSARY_DELETE 3252
#define ID_DAY_SCHEDULE_ADD 3253
#define ID_DAY_SCHEDULE_EDIT 3254
#define ID_DAY_SCHEDULE_DELETE 3255
