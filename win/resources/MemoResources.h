// Numbered resources of the memo windows. The numbers are part of the program: commands reach one
// handler whichever menu, key or window sends them.
#pragma once

// Menus
#define IDR_EDITOR_MENU 155

// The memo window's button pictures (assets/memo), magenta see-through
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
