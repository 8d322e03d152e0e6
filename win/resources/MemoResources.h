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
