// Numbered resources of the memo windows. The numbers are part of the program: commands reach one
// handler whichever menu, key or window sends them.
#pragma once

// Menus
#define IDR_EDITOR_MENU 155

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
