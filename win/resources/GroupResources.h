// Numbered resources of the memo groups and the recycle bin: the restore dialog, the groups
// dialog and its delete question.
#pragma once

// Dialog templates
#define IDD_RESTORE_MEMOS 203
#define IDD_MEMO_GROUPS 236
#define IDD_DELETE_GROUP 1078

// Pictures
#define IDB_RESTORE_ICONS 202  // 14 x 16 cells on magenta: a memo, a deleted memo

// The restore dialog
#define IDC_RESTORE_LIST 1087
#define IDC_RESTORE_PREVIEW 1088
#define IDC_RESTORE_ONE 1089
#define IDC_RESTORE_DELETE 1066
#define IDC_RESTORE_DELETE_ALL 1067
#define IDC_RESTORE_ALL 1068

// The groups dialog
#define IDC_GROUP_LIST 1249
#define IDC_OPEN_GROUP_NAME 1253
#define IDC_DATA_FOLDER 1090
#define IDC_CHOOSE_DATA_FOLDER 1091
#define IDC_GROUP_ADD 1064
#define IDC_GROUP_RENAME 1065
#define IDC_GROUP_DELETE 1066
#define IDC_GROUP_OPEN 1067
#define IDC_STORAGE_OPEN 1068

// The delete question; its buttons answer with their identifiers
#define IDC_DELETE_GROUP_ICON 1079
#define IDC_DELETE_GROUP_COUNT 1080
#define IDC_DELETE_GROUP_TO_BIN 1081
#define IDC_DELETE_GROUP_EVERYTHING 1082
#define IDC_DELETE_GROUP_LIST_ONLY 1083
