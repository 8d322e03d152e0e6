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
# the tray's command, topmost, with the alarm file's path (a click on a slide: alarms.sh).
schedule_rows() {
  local path
  schedules <<'EOF'
[{"recurrence": 3, "dayPattern": 42, "hour": 9, "minute": 5, "message": "월수금 아침 회의는 본관 삼층 대회의실에서 열리니 자료를 미리 챙겨 주세요"},
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
    $'3\t[ 월 수 금 ]\t 09시 05분\t월수금 아침 회의는 본관 삼층 대회의실에서 열리니 자료를 미리 챙겨 주세요' \
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
  # The first row's message is cut by its column: resting on it shows it whole.
  local left top
  IFS=, read -r left top _ <<<"$(field "$(window_line "$manager_title")" rect)"
  mouse_to $((left + 440)) $((top + 68))
  local tip tip_left tip_right end=$((SECONDS + 5))
  until tip=$(driver windows "$frame_title" 2>/dev/null | grep "class=tooltips_class32 visible=1 "); do
    [ "$SECONDS" -ge "$end" ] && fail "no tip over the cut message"
    sleep 0.2
  done
  IFS=, read -r tip_left _ tip_right _ <<<"$(field "$tip" rect)"
  [ $((tip_right - tip_left)) -gt 300 ] || fail "the tip is narrower than the whole message: $tip"
  screenshot schedule-manager
  must - click "$manager_title" 1  # "확인" hides it
  expect_window "$manager_title" visible=0
  close_by_broadcast
}

adding_title="일정 추가"

# answer_notice TEXT: the program's message box says TEXT; its "확인" closes it.
answer_notice() {
  local text
  must text dialog-text Quillet 3012 10
  expect_eq "the message" "$1" "$text"
  must - click Quillet 1
  must - wait-gone Quillet 5
}

# editor_wait TITLE: the editor is up, with the manager disabled under it.
editor_wait() {
  must - wait-window "$1" 10
  must - dialog-text "$1" 1240 5
}

# Adding at 20:30: the refusals keep the dialog and its input; ticked weekdays become a Weekdays
# schedule with the lead and style chosen; "12시간 뒤로" gives tomorrow 08:30, saved armed; the
# last choices are the next schedule's defaults in the registry.
schedule_adding() {
  local time button rows day
  schedules <<<'[]'
  pinned_clock "2026-12-08 20:30:00"
  start_and_wait_frame
  open_manager
  must - click "$manager_title" 1064
  editor_wait "$adding_title"
  must button dialog-text "$adding_title" 1 5
  must time dialog-text "$adding_title" 1240 5
  expect_eq "the OK button and the time" "추가 20시 30분" "$button $time"
  must - click "$adding_title" 3073  # "특정요일", no day ticked
  must - click "$adding_title" 1
  answer_notice "체크된 요일이 없습니다."
  must - click "$adding_title" 3074  # "기간" from today to today
  must - click "$adding_title" 1
  answer_notice "기간 설정은 시작 날짜보다 종료 날짜가 더 커야 합니다."
  for day in 1266 1268 1270; do must - click "$adding_title" "$day"; done
  must - select "$adding_title" 1085 4  # "10 분 전"
  must - select "$adding_title" 1120 3  # "팝업 후 자동 닫기"
  must - set-text "$adding_title" 1072 "월수금 회의"
  must - click "$adding_title" 1
  must - wait-gone "$adding_title" 5
  must rows list-rows "$manager_title" 1062
  expect_eq "the new row" $'3\t[ 월 수 금 ]\t 20시 30분\t월수금 회의' "$rows"

  must - click "$manager_title" 1064
  editor_wait "$adding_title"
  must - select "$adding_title" 1084 9  # "12시간 뒤로"
  must time dialog-text "$adding_title" 1240 5
  expect_eq "twelve hours later" "08시 30분" "$time"
  must - click "$adding_title" 3072  # "특정일"
  must - set-text "$adding_title" 1072 "내일 아침"
  screenshot schedule-editor
  must - click "$adding_title" 1240
  must - wait-window "시간 설정" 10
  screenshot schedule-time-picker
  must - click "시간 설정" 2
  must - wait-gone "시간 설정" 5
  must - click "$adding_title" 1
  must - wait-gone "$adding_title" 5
  expect_eq "the saved schedules" "3 42 20 30 10 2 1 2026 12 8|2 1 8 30 10 2 1 2026 12 9" \
    "$(list_fields "$(e2e_data_dir)/QuilletAlarmInfo.qla" recurrence dayPattern hour minute leadMinutes alertStyle \
       enabled year month day | paste -sd'|')"
  close_by_broadcast
  local alarm="$settings\\Alarm" values=""
  for name in DefaultType BeforeAlarm AlarmType; do
    must value reg-dword "$alarm" "$name"
    values="$values $value"
  done
  expect_eq "the remembered choices" " 2 10 2" "$values"
}

changing_title="일정 수정"

# answer_question TEXT BUTTON: the program asks TEXT; BUTTON (6 "예", 7 "아니오") answers.
answer_question() {
  local text
  must text dialog-text Quillet 3012 10
  expect_eq "the question" "$1" "$text"
  must - click Quillet "$2"
  must - wait-gone Quillet 5
}

# Editing stores in place: a style of None shows and saves as a slide, a done Once is armed again,
# a memo schedule keeps its memo. Deleting asks first; purging keeps the D-day and what repeats.
schedule_editing_and_deleting() {
  local style button alarms
  schedules <<'EOF'
[{"hour": 9, "minute": 30, "alertStyle": -1, "message": "무음"},
 {"recurrence": 1, "enabled": 0, "hour": 7, "minute": 0, "message": "한 번"},
 {"hour": 12, "minute": 30, "memoId": "memo.rtf", "message": ""},
 {"recurrence": 2, "enabled": 0, "year": 2026, "month": 12, "day": 1, "hour": 7, "minute": 0, "message": "지난 날"},
 {"recurrence": 2, "isDDay": 1, "year": 2026, "month": 12, "day": 1, "hour": 7, "minute": 0, "message": "지난 디데이"},
 {"recurrence": 4, "year": 2026, "month": 11, "day": 1, "endDateCode": 754023, "message": "지난 기간"},
 {"recurrence": 3, "dayPattern": 62, "message": "평일"}]
EOF
  alarms="$(e2e_data_dir)/QuilletAlarmInfo.qla"
  start_and_wait_frame
  open_manager
  must - list-select "$manager_title" 1062 0 double
  editor_wait "$changing_title"
  must style dialog-text "$changing_title" 1120 5
  must button dialog-text "$changing_title" 1 5
  expect_eq "the style and the OK button" "슬라이드로 알림 수정" "$style $button"
  must - click "$changing_title" 1
  must - wait-gone "$changing_title" 5
  for row in 1 2; do
    must - list-select "$manager_title" 1062 "$row"
    must - click "$manager_title" 1065
    editor_wait "$changing_title"
    must - click "$changing_title" 1
    must - wait-gone "$changing_title" 5
  done
  expect_eq "after the edits" "0 무음 0  1|1 한 번 0  1|0  0 memo.rtf 1|2 지난 날 0  0" \
    "$(list_fields "$alarms" recurrence message alertStyle memoId enabled | head -n 4 | paste -sd'|')"
  expect_eq "the armed Once's icon" 1 "$(manager_rows | sed -n 2p | cut -f1)"

  must - list-select "$manager_title" 1062 0
  must - click "$manager_title" 1066
  answer_question '"무음" 일정을 삭제하시겠습니까' 7
  expect_eq "kept on no" 7 "$(manager_rows | grep -c .)"
  must - click "$manager_title" 1066
  answer_question '"무음" 일정을 삭제하시겠습니까' 6
  must - click "$manager_title" 1081
  answer_question "체크 시간이 지난 일정을 삭제하시겠습니까" 6
  expect_eq "after the purge" "한 번||지난 디데이|평일" "$(list_fields "$alarms" message | paste -sd'|')"
  expect_eq "the rows" 4 "$(manager_rows | grep -c .)"
  close_by_broadcast
}

# A schedule added for the minute that already fired is checked at once: it fires within 2 s,
# and the one that fired at the start does not fire again, then or at the next minute.
schedule_added_now_fires() {
  local dir="$WINEPREFIX/drive_c/e2e dir"
  schedules <<'EOF'
[{"hour": 9, "minute": 0, "runCommand": "C:\\e2e dir\\mark it.bat", "message": "marker"}]
EOF
  moving_clock "2026-12-08 09:00:10"
  mkdir -p "$dir" && rm -f "$dir/marker.txt"
  printf '@echo fired>>"C:\\e2e dir\\marker.txt"\r\n' >"$dir/mark it.bat"
  start_and_wait_frame
  wait_firing 0 "on time" 10
  open_manager
  must - click "$manager_title" 1064
  editor_wait "$adding_title"
  must - click "$adding_title" 3070  # "날마다 알림"
  must - click "$adding_title" 1080  # ".." : now
  must - set-text "$adding_title" 1072 "지금 추가"
  must - click "$adding_title" 1
  wait_firing 1 "on time" 2
  wait_file "$dir/marker.txt" 10 || fail "the command did not run"
  move_clock "2026-12-08 09:00:58"
  wait_trace "2026-12-08 09:01:00 minute" 5
  expect_eq "the marker" "fired" "$(tr -d '\r' <"$dir/marker.txt")"
  expect_eq "firings" 2 "$(grep -c ' fire ' "$E2E_TRACE")"
  close_by_broadcast
}

# "현재 메모를 일정등록" on a memo: the editor shows the memo in place of the message and leaves
# the style alone; the schedule carries the memo, and the next time the editor edits it.
schedule_for_a_memo() {
  local memo rows
  schedules <<<'[]'
  quillet_data import - "$(e2e_data_dir)/DefaultMemo.qld" <<<'[{"windowRect": {"left": 200, "top": 200,
    "right": 500, "bottom": 400}, "expandedSize": {"width": 300, "height": 200}, "contentFile": "memo.rtf"}]' ||
    fail "could not make the group"
  write_content memo.rtf <<<'일정으로 등록할 메모'
  set_general ViewMemoOnStart 1
  pinned_clock "2026-12-08 14:00:00"
  start_and_wait_frame
  memo=$(hwnd_at 250 250 "$(wait_memos 1 10)") || exit 1
  must - post-command "$memo" 32815
  editor_wait "$adding_title"
  expect_absent "the style can be chosen for a memo schedule" click "$adding_title" 1120
  expect_absent "the message shows for a memo schedule" click "$adding_title" 1072
  must - dialog-text "$adding_title" 1082 5
  screenshot schedule-memo-editor
  must - click "$adding_title" 1
  must - wait-gone "$adding_title" 5
  expect_eq "the memo schedule" "memo.rtf" "$(list_fields "$(e2e_data_dir)/QuilletAlarmInfo.qla" memoId)"
  must - post-command "$memo" 32815
  editor_wait "$changing_title"
  must - click "$changing_title" 2
  must - wait-gone "$changing_title" 5
  open_manager
  must rows list-rows "$manager_title" 1062
  expect_eq "the row" $'0\t날마다 알림\t 14시 00분\t  [Memo Data]  ' "$rows"
  close_by_broadcast
}

# "찾기": a file that holds no schedules is refused and the list stays; an alarm file elsewhere
# becomes the list, its path in the field.
schedule_file_choice() {
  local other="$WINEPREFIX/drive_c/e2e dir/other.qla" path
  schedules <<'EOF'
[{"hour": 9, "minute": 30, "message": "원래 일정"}]
EOF
  mkdir -p "$(dirname "$other")"
  printf 'not an alarm file\r\n' >"$WINEPREFIX/drive_c/e2e dir/foreign.txt"
  quillet_data import - "$other" <<<'[{"hour": 10, "minute": 0, "message": "다른 파일"}]' || fail "could not make $other"
  start_and_wait_frame
  open_manager
  for file in foreign.txt other.qla; do
    must - click "$manager_title" 1255
    must - wait-window "열기" 10
    must - type 'C:\e2e dir\'"$file"
    keys 13
    must - wait-gone "열기" 10
    [ "$file" = foreign.txt ] && answer_notice "올바른 파일이 아닙니다."
    [ "$file" = foreign.txt ] && expect_eq "the rows kept" $'0\t날마다 알림\t 09시 30분\t원래 일정' "$(manager_rows)"
  done
  expect_eq "the other file's rows" $'0\t날마다 알림\t 10시 00분\t다른 파일' "$(manager_rows)"
  must path dialog-text "$manager_title" 1254 5
  expect_eq "the path" 'C:\e2e dir\other.qla' "$path"
  close_by_broadcast
}

# A skin's "<ALARM_SETUP>" button opens the manager, its "<ADD_ALARM>" the editor of a new
# schedule, which OK appends to the file, and its "<CALENDAR_SETUP>" the preferences' calendar page.
schedule_skin_buttons() {
  local folder skins
  schedules <<<'[]'
  folder=$(e2e_program_dir)
  skins="$folder/ClockSkin"
  cp -r "$skins/Quillet Digital" "$skins/Alarm" && mv "$skins/Alarm/Quillet Digital.ski" "$skins/Alarm/Alarm.ski"
  printf '\n[Setup]\nDrawType=BUTTON\nX=30\nY=7\nW=11\nH=11\nImageName=hide.png\nCommand=<ALARM_SETUP>\n[Add]\nDrawType=BUTTON\nX=50\nY=7\nW=11\nH=11\nImageName=hide.png\nCommand=<ADD_ALARM>\n' \
    >>"$skins/Alarm/Alarm.ski"
  printf '[Calendar]\nDrawType=BUTTON\nX=70\nY=7\nW=11\nH=11\nImageName=hide.png\nCommand=<CALENDAR_SETUP>\n' \
    >>"$skins/Alarm/Alarm.ski"
  set_setting Clock SkinFile sz "$(winpath "$folder")\\ClockSkin\\Alarm\\Alarm.ski"
  set_setting Clock ViewMode dword 0
  set_setting Clock WinSXSY sz "900 300"
  start_and_wait_frame
  expect_window "$clock_title" visible=1
  wait_pixel_not "the setup button" 935 312 0x000000
  xdotool mousemove 935 312 click 1 || fail "xdotool could not click the setup button"
  must - wait-window "$manager_title" 10
  expect_window "$manager_title" visible=1
  must - click "$manager_title" 1
  expect_window "$manager_title" visible=0
  xdotool mousemove 955 312 click 1 || fail "xdotool could not click the add button"
  editor_wait "$adding_title"
  must - set-text "$adding_title" 1072 "스킨에서 추가"
  must - click "$adding_title" 1
  must - wait-gone "$adding_title" 5
  expect_eq "the added schedule" "스킨에서 추가" "$(list_fields "$(e2e_data_dir)/QuilletAlarmInfo.qla" message)"
  xdotool mousemove 975 312 click 1 || fail "xdotool could not click the calendar setup button"
  must - dialog-text "Quillet 환경설정@page" 1109 10  # the preferences, on the calendar page
  must - click "Quillet 환경설정" 2
  must - wait-gone "Quillet 환경설정" 10
  close_by_broadcast
}
