// Numbered resources of the schedule dialogs: the manager, the editor, the day page and the time
// picker.
#pragma once

// Dialog templates
#define IDD_SCHEDULE_MANAGER 193
#define IDD_SCHEDULE_EDIT 3060
#define IDD_DAY_SCHEDULE_PAGE 3061
#define IDD_TIME_PICKER 3062

// Pictures
#define IDB_SCHEDULE_KINDS 3065  // the 20 x 20 recurrence icons on magenta
#define IDB_SPEAKER 3066          // the preview button's picture

// The manager
#define IDC_SCHEDULE_GRID 1062
#define IDC_SCHEDULE_ADD 1064
#define IDC_SCHEDULE_CHANGE 1065
#define IDC_SCHEDULE_DELETE 1066
#define IDC_SCHEDULE_PURGE 1081
#define IDC_ALARM_FILE 1254
#define IDC_ALARM_FILE_FIND 1255

// The editor and the day page
#define IDC_RECURRENCE_FIRST 3070  // "날마다 알림" … "한달중 특정일", in recurrence order
#define IDC_RECURRENCE_LAST 3075
#define IDC_TIME_MODE_FIRST 3076  // "일정 시간", "특정 시간동안", "시간 설정하지 않음 "
#define IDC_TIME_MODE_LAST 3078
#define IDC_DATE 1238
#define IDC_PERIOD_START 1239
#define IDC_TIME_BUTTON 1240
#define IDC_PERIOD_END 1241
#define IDC_QUICK_TIME 1084
#define IDC_TIME_NOW 1080
#define IDC_DAY_OF_MONTH 1074
#define IDC_WEEKDAY_FIRST 1265  // "일" … "토"
#define IDC_WEEKDAY_LAST 1271
#define IDC_WORKDAYS 1272
#define IDC_WEEKEND 1273
#define IDC_LEAD 1085
#define IDC_ALERT_STYLE 1120
#define IDC_IMAGE 1119
#define IDC_DDAY 1246
#define IDC_SOUND 1075
#define IDC_SOUND_BROWSE 1058
#define IDC_SOUND_PREVIEW 1059
#define IDC_COMMAND 1055
#define IDC_COMMAND_BROWSE 1060
#define IDC_MESSAGE 1072
#define IDC_MEMO_VIEW 1082
#define IDC_MEMO_FIND 1083

// The time picker
#define IDC_PICK_NOW 3063         // "현재 시간으로"
#define IDC_HOUR_FIRST 3100       // "0" … "23"
#define IDC_HOUR_LAST 3123
#define IDC_MINUTE_FIRST 3130     // "0" … "59"
#define IDC_MINUTE_LAST 3189
