// Numbered resources of Quillet.exe. The numbers are part of the program: commands reach one
// handler whichever menu, hotkey or window sends them.
#pragma once

// Icons
#define IDI_QUILLET 128

// Bitmaps
#define IDB_ABOUT_CLOSE 148       // the About box's close button: normal, hot, pressed, side by side
#define IDB_ABOUT_BACKGROUND 3001

// Dialog templates
#define IDD_ABOUT 100
#define IDD_INPUT 1077
#define IDD_MESSAGE_QUESTION 3010
#define IDD_MESSAGE_NOTICE 3011

// Controls
#define IDC_INPUT_PROMPT 248
#define IDC_INPUT_TEXT 249
#define IDC_MESSAGE_TEXT 3012
#define IDC_MESSAGE_ICON 3013
#define IDC_ABOUT_CLOSE 3020

// Commands
#define ID_APP_ABOUT 32775
#define ID_APP_EXIT 32773
