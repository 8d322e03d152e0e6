# shellcheck shell=bash
# Scenarios of the schedule manager and the schedule editor: alarm files prepared with
# `quillet-data import` (the `schedules` helper of alarms.sh), the clock pinned, the dialogs
# driven through their controls and the file checked with `dump`.
# Sourced by run-e2e.

manager_title="일정 관리"

# manager_rows: the manager's list, one "icon<TAB>kind<TAB>time<TAB>message" line a row.
manager_rows() { driver list-rows "$manager_title" 1062; }

# open_manager: "일정 관리" from the tray menu's command, shown and topmost.
open_manager() {
  must - post-command "$frame_title" 32804
  must - wait-window "$manager_title" 10
  expect_window "$manager_title" visible=1
}

# One record of every kind, listed in file order with its texts and icon; the manager opens from
# the tray's command and from a click on a slide (1147), topmost, with the alarm file's path.
schedule_rows() {
  local path
  schedules <<'EOF'
[{"recurrence": 3, "dayPattern": 42, "hour": 9, "minute": 5, "message": "월수금"},
 {"recurrence": 3, "dayPattern": 62, "hour": 9, "minute": 5, "message": "평일"},
 {"recurrence": 3, "dayPattern": 65, "hour": 9, "minute": 5, "message": "주말"},
 {"recurrence": 4, "year": 2009, "month": 3, "day": 1, "endDateCode": 747451, "hour": 10, "minute": 0, "message": "기간"},
 {"recurrence": 5, "dayPattern": 31, "hour": 8, "minute": 0, "message": "매월 31일"},
 {"recurrence": 5, "dayPattern": 32, "hour": 8, "minute": 0, "message": "말일"},
 {"recurrence": 2, "year": 2026, "month": 12, "day": 24, "hour": 18, "minute": 30, "message": "특정일"},
 {"recurrence": 2, "year": 2027, "month": 1, "day": 1, "isDDay": 1, "hour": 0, "minute": 0, "message": "새해"},
 {"recurrence": 1, "enabled": 0, "hour": 7, "minute": 0, "message": "지난 한 번"},
 {"recurrence": 2, "enabled": 0, "year": 2026, "month": 12, "day": 1, "hour": 7, "minute": 0, "message": "지난 날"},
 {"recurrence": 0, "timeMode": 2, "message": "종일"},
 {"recurrence": 0, "hour": 12, "minute": 0, "message": "첫 줄\r\n둘째 줄"},
 {"recurrence": 0, "hour": 12, "minute": 30, "memoId": "memo.rtf", "message": ""}]
EOF
  start_and_wait_frame
  open_manager
  expect_window "$manager_title" topmost=1
  must path dialog-text "$manager_title" 1254 5
  expect_eq "the alarm file field" "$(winpath "$(e2e_data_dir)")\\QuilletAlarmInfo.qla" "$path"
  expect_eq "the rows" "$(printf '%s\n' \
    $'3\t[ 월 수 금 ]\t 09시 05분\t월수금' \
    $'3\t[ 평일 ]\t 09시 05분\t평일' \
    $'3\t[ 주말 ]\t 09시 05분\t주말' \
    $'4\t2009/03/01~2009/03/10\t 10시 00분\t기간' \
    $'5\t매월 [31] 일에 알림\t 08시 00분\t매월 31일' \
    $'5\t매월 말일에 알림\t 08시 00분\t말일' \
    $'2\t특정일(2026/12/24)\t 18시 30분\t특정일' \
    $'2\tD-day(2027/01/01)\t 00시 00분\t새해' \
    $'7\t한번만 알림\t 07시 00분\t지난 한 번' \
    $'8\t특정일(2026/12/01)\t 07시 00분\t지난 날' \
    $'0\t날마다 알림\t 하루 종일\t종일' \
    $'0\t날마다 알림\t 12시 00분\t첫 줄/둘째 줄' \
    $'0\t날마다 알림\t 12시 30분\t  [Memo Data]  ')" "$(manager_rows)"
  must - list-select "$manager_title" 1062 8
  screenshot schedule-manager
  must - click "$manager_title" 1  # "확인" hides it
  sleep 0.5
  expect_window "$manager_title" visible=0
  must - post "$frame_title" 1147 0 0
  must - wait-window "$manager_title" 10
  expect_window "$manager_title" visible=1
  close_by_broadcast
}
