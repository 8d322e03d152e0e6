// Numbered resources of the memo windows. The numbers are part of the program: commands reach one
// handler whichever menu, key or window sends them.
#pragma once

#include "resource.h"

// Dialog templates
#define IDD_MEMO 133
#define IDD_TITLE_STRIP 151
#define IDD_CAPTURE 216  // the screen capture's window over the whole primary screen

// Cursors
#define IDC_CAPTURE_CURSOR 220

// Menus
#define IDR_EDITOR_MENU 155
#define IDR_MEMO_MENU 167

// Bitmaps of the memo buttons (magenta is see-through)
#define IDB_MEMO_NEW 144
#define IDB_MEMO_DELETE 148
#define IDB_MEMO_TEXT_FORMAT 150
#define IDB_MEMO_BOLD 152
#define IDB_MEMO_ITALIC 153
#define IDB_MEMO_UNDERLINE 157
#define IDB_MEMO_SKIN_COLOR 158
#define IDB_MEMO_FOLD 159
#define IDB_MEMO_EXPAND 160
#define IDB_MEMO_MENU 203
#define IDB_MEMO_PIN 205
#define IDB_MEMO_TITLE 236

// Controls of a memo window (template 133) and of its title strip (151)
#define IDC_MEMO_EXPAND 1009
#define IDC_MEMO_TITLE 1010
#define IDC_MEMO_EDITOR 4677
#define IDC_STRIP_DELETE 1003
#define IDC_STRIP_NEW 1004
#define IDC_STRIP_PIN 1005
#define IDC_STRIP_FORMAT 1006
#define IDC_STRIP_COLOR 1007
#define IDC_STRIP_FOLD 1008
#define IDC_STRIP_MENU 1002

// A memo window's commands (menu 167 and its buttons)
#define ID_MEMO_HIDE ID_PANEL_HIDE  // the panels' "숨기기"
#define ID_MEMO_FOLD 32783
#define ID_MEMO_WORDPAD 32785
#define ID_MEMO_DELETE 32786
#define ID_MEMO_ARRANGE 32788
#define ID_MEMO_SCHEDULE 32815
#define ID_MEMO_SAVE_AS 32818
#define ID_MEMO_ALWAYS_ON_TOP 32838
#define ID_MEMO_NORMAL 32839
#define ID_MEMO_DESKTOP 32840
#define ID_MEMO_SKIN_COLOR 32841
#define ID_MEMO_PRINT 57607

// Dialog templates
#define IDD_FORMAT_BAR 154
#define IDD_DELETE_MEMO 206
#define IDD_TITLE 229

// The format bar's controls
#define IDC_FORMAT_BOLD 1240
#define IDC_FORMAT_ITALIC 1241
#define IDC_FORMAT_UNDERLINE 1242
#define IDC_FORMAT_COLOR 1243
#define IDC_FORMAT_SIZE 1244
#define IDC_FORMAT_FACE 1245

// The title dialog's controls
#define IDC_TITLE_TEXT 1232
#define IDC_TITLE_BOLD 1233
#define IDC_TITLE_ITALIC 1234
#define IDC_TITLE_UNDERLINE 1235
#define IDC_TITLE_COLOR 1236
#define IDC_TITLE_SIZE 1237
#define IDC_TITLE_FACE 1238

// The delete dialog's icon; its buttons are IDOK, IDRETRY, IDABORT and IDCANCEL, its answers
#define IDC_DELETE_ICON 1250

// The editor's commands
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_UNDO 57643
#define ID_EDIT_REDO 57644
#define ID_EDITOR_ALIGN_LEFT 32798
#define ID_EDITOR_ALIGN_CENTER 32799
#define ID_EDITOR_ALIGN_RIGHT 32800
#define ID_EDITOR_BULLETS 32801
#define ID_EDITOR_COLOR 32802
#define ID_EDITOR_STRIKEOUT 32835
#define ID_EDITOR_SIZE_UP 32855
#define ID_EDITOR_SIZE_DOWN 32856
#define ID_EDITOR_MACRO_FIRST 32866  // one a macro, up to ID_EDITOR_MACRO_LAST
#define ID_EDITOR_MACRO_LAST 33065
