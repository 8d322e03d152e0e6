# shellcheck shell=bash
# Scenarios of the alarms: schedules written with `quillet-data import` before the start, the
# clock pinned at 08:58:00 on a Tuesday and moved to just before 09:00 once the program is up
# (moving_clock, move_clock), and the firings followed through the trace and the notification
# windows.
# Sourced by run-e2e.

alarm_title="[일 정]   2026/12/08 09:00"
save_failed_text="일정 정보를 정상적으로 저장하지 못하였습니다."

# schedules < JSON: the alarm file of a fresh program folder, records as `quillet-data dump`
# prints them (left-out fields take a new schedule's values).
schedules() {
  local json=$E2E_RUN/$E2E_SLUG.alarms.json
  fresh_program_folder >/dev/null || exit 1
  mkdir -p "$(e2e_data_dir)"
  cat >"$json" || fail "could not write $json"
  quillet_data import "$json" "$(e2e_data_dir)/QuilletAlarmInfo.qla" || fail "quillet-data could not import $json"
  set_general ViewMemoOnStart 0
  moving_clock "2026-12-08 08:58:00"
  mouse_to 640 300  # nowhere a notification appears
}

# notification_lines: the program's notification windows, one driver line each.
notification_lines() { driver windows "$frame_title" 2>/dev/null | grep ' class=#32770 ' | grep -E ' text=(\[일 정\]|일정)'; }

# notification_line TEXT: the line of the notification whose text (title\nbody) starts so.
notification_line() { notification_lines | grep -F " text=$1" | head -n 1; }

# expect_no_notification WHAT TEXT: no notification's text starts so (the driver must answer).
expect_no_notification() {
  local lines
  must lines windows "$frame_title"
  if grep ' class=#32770 ' <<<"$lines" | grep -qF " text=$2"; then fail "$1"; fi
}

# slide_at_rest TEXT: the line of that slide once it has come in all the way (its left edge at
# most 1032 on the 1280-wide screen).
slide_at_rest() {
  local line l end=$((SECONDS + 5))
  while :; do
    line=$(notification_line "$1")
    l=$(field "$line" rect)
    [ -n "$line" ] && [ "${l%%,*}" -le 1032 ] && break
    [ "$SECONDS" -ge "$end" ] && fail "the slide \"$1\" did not come in: ${line:-none}"
    sleep 0.2
  done
  printf '%s\n' "$line"
}

# wait_notifications COUNT SECONDS: that many notifications are up.
wait_notifications() {
  local end=$((SECONDS + $2))
  until [ "$(notification_lines | grep -c .)" -eq "$1" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "expected $1 notifications, found: $(notification_lines | tr '\n' '|')"
    sleep 0.3
  done
}

# Four styles at 09:00: a slide into the bottom right of the work area without taking the
# foreground, three centred popups cascading from (520, 412); the slide and the self-closing popup
# go after "AutoCloseTime", the popup and the note stay until their close buttons.
alarm_styles() {
  local probe=$E2E_RUN/$E2E_SLUG.probe line l t r b end under
  schedules <<'EOF'
[{"year": 2026, "month": 12, "day": 8, "hour": 9, "minute": 0, "alertStyle": 0, "message": "Slide 알림"},
 {"year": 2026, "month": 12, "day": 8, "hour": 9, "minute": 0, "alertStyle": 1, "message": "팝업 알림\r\ntwo lines"},
 {"year": 2026, "month": 12, "day": 8, "hour": 9, "minute": 0, "alertStyle": 2, "message": "Auto 9by"},
 {"year": 2026, "month": 12, "day": 8, "hour": 9, "minute": 0, "alertStyle": 3, "message": "포스트잇 메모는 백육십 바이트를 채우도록 길게 씁니다. 포스트잇 메모는 백육십 바이트를 채우도록 길게 씁니다. 한 줄 더 이어서 씁니다. 끝"}]
EOF
  set_setting Alarm AutoCloseTime dword 3
  start_and_wait_frame
  driver focus-probe 15 >"$probe" 2>&1 &
  wait_for_line "$probe" watching 10 || fail "the focus probe did not start"
  move_clock "2026-12-08 08:59:58"
  wait_firing 3 "on time" 5
  wait_notifications 4 5
  line=$(slide_at_rest "$alarm_title\\nSlide 알림") || exit 1
  screenshot alarm-styles
  IFS=, read -r l t r b <<<"$(field "$line" rect)"
  [ "$t" -eq 884 ] && [ "$b" -eq 1024 ] && [ "$l" -le 1032 ] && [ "$l" -ge 1027 ] || fail "the slide at $l,$t,$r,$b"
  [ $(( $(field "$line" exstyle) & 0x80008 )) -eq $((0x80008)) ] || fail "the slide is not topmost and layered: $line"
  expect_eq "the popup" 520,412,772,552 "$(field "$(notification_line "$alarm_title\\n팝업 알림")" rect)"
  expect_eq "the self-closing popup" 532,424,784,564 "$(field "$(notification_line "$alarm_title\\nAuto 9by")" rect)"
  expect_eq "the note" 544,436,782,611 "$(field "$(notification_line "$alarm_title\\n포스트잇")" rect)"
  wait_notifications 2 8
  # The popup and the note take the foreground, as the user must close them; the slide, which
  # fired before them, must not (the probe tells the first window that took it).
  end=$((SECONDS + 20))
  until grep -q '^kept$\|^lost to' "$probe"; do
    [ "$SECONDS" -ge "$end" ] && fail "the focus probe said nothing"
    sleep 0.2
  done
  grep -qxE "lost to .*\\\\n(팝업 알림|포스트잇).*" "$probe" ||
    fail "neither the popup nor the note took the foreground: $(tr '\n' ' ' <"$probe")"
  must under pixels 700 560 0 1  # the note, over the popup's bottom
  xdotool mousemove $((544 + 215)) $((436 + 20)) click 1 || fail "xdotool could not close the note"
  wait_notifications 1 5
  wait_pixel_not "the popup where the note was" 700 560 "$under"
  screenshot alarm-popup
  xdotool mousemove $((520 + 222)) $((412 + 18)) click 1 || fail "xdotool could not close the popup"
  wait_notifications 0 5
  close_by_broadcast
}

# A warning a minute ahead, in red; a Once that runs a command and an OnDate at 09:00 are
# disarmed and saved, everything else of them unchanged, and the command ran once.
alarm_warning_and_disarming() {
  local dir="$WINEPREFIX/drive_c/e2e dir" before after
  schedules <<'EOF'
[{"hour": 9, "minute": 1, "leadMinutes": 1, "message": "warned"},
 {"recurrence": 1, "hour": 9, "minute": 0, "runCommand": "C:\\e2e dir\\mark it.bat", "message": "once"},
 {"recurrence": 2, "year": 2026, "month": 12, "day": 8, "hour": 9, "minute": 0, "message": "dated"}]
EOF
  mkdir -p "$dir" && rm -f "$dir/marker.txt"
  printf '@echo fired>>"C:\\e2e dir\\marker.txt"\r\n' >"$dir/mark it.bat"
  before=$(dump_list "$(e2e_data_dir)/QuilletAlarmInfo.qla") || fail "cannot dump the alarm file"
  start_and_wait_frame
  move_clock "2026-12-08 08:59:58"
  wait_firing 0 warning 5
  [ -n "$(notification_line "일정 [1] 분 전 입니다.\\nwarned")" ] || fail "no warning: $(notification_lines | tr '\n' '|')"
  wait_file "$dir/marker.txt" 10 || fail "the command did not run"
  # The next minute's check has run (the warned schedule fires on time) and fired neither again.
  move_clock "2026-12-08 09:00:58"
  wait_firing 0 "on time" 5
  expect_eq "firings of the Once and the OnDate" "1 1" "$(grep -c ' fire 1 ' "$E2E_TRACE") $(grep -c ' fire 2 ' "$E2E_TRACE")"
  expect_eq "the marker" "fired" "$(tr -d '\r' <"$dir/marker.txt")"
  after=$(dump_list "$(e2e_data_dir)/QuilletAlarmInfo.qla") || fail "cannot dump the saved alarm file"
  expect_eq "the saved schedules" "$(sed 's/"enabled": 1, "recurrence": \([12]\)/"enabled": 0, "recurrence": \1/g' <<<"$before")" "$after"
  close_by_broadcast
}

# At start-up: an armed OnDate of yesterday fires with its date and is disarmed, an armed Once of
# 07:00 does not, an all-day Weekdays schedule for Tuesdays is announced.
alarm_start_up() {
  schedules <<'EOF'
[{"recurrence": 2, "year": 2026, "month": 12, "day": 7, "hour": 10, "minute": 0, "message": "어제 일정"},
 {"recurrence": 1, "hour": 7, "minute": 0, "message": "지난 한 번"},
 {"recurrence": 3, "dayPattern": 4, "timeMode": 2, "message": "화요일 종일"}]
EOF
  start_and_wait_frame
  wait_firing 0 "on time" 10
  wait_firing 2 "on time" 10
  # One pass over the records at start-up: had the missed Once fired, it would be traced by now.
  if grep -q ' fire 1 ' "$E2E_TRACE"; then fail "the missed Once fired"; fi
  [ -n "$(notification_line "[일 정]   2026/12/07 10:00\\n어제 일정")" ] ||
    fail "the overdue OnDate shows: $(notification_lines | tr '\n' '|')"
  expect_eq "armed after the start" "0 1 1" \
    "$(list_fields "$(e2e_data_dir)/QuilletAlarmInfo.qla" enabled | paste -sd' ')"
  close_by_broadcast
}

# The alarm file cannot be written: the failure is said once, after the check, and with its box
# open the next minute still fires and asks nothing more. One that could not be read at start
# takes no change; the change goes to a side file, and that is said.
alarm_save_failure() {
  local lines alarms held text
  schedules <<'EOF'
[{"recurrence": 1, "hour": 8, "minute": 59, "message": "first"},
 {"recurrence": 1, "hour": 9, "minute": 0, "message": "second"}]
EOF
  chmod a-w "$(e2e_data_dir)/QuilletAlarmInfo.qla"
  start_and_wait_frame
  move_clock "2026-12-08 08:59:30"
  wait_firing 0 "on time" 5
  must text dialog-text Quillet 3012 10
  expect_eq "the failed save" "$save_failed_text" "$text"
  move_clock "2026-12-08 08:59:58"
  wait_firing 1 "on time" 5
  # Its failure is posted to the frame, which handles it before the timer's next minute.
  move_clock "2026-12-08 09:00:58"
  wait_trace "2026-12-08 09:01:00 minute" 5
  must lines windows "$frame_title"
  expect_eq "message boxes" 1 "$(grep -c ' visible=1 .* text=Quillet$' <<<"$lines")"
  must - click Quillet 1
  chmod u+w "$(e2e_data_dir)/QuilletAlarmInfo.qla"
  close_by_broadcast

  # Held by another program at start, the file is not written this session: a schedule added goes
  # to a side file, and that is said.
  alarms=$(e2e_data_dir)/QuilletAlarmInfo.qla
  ( driver hold-file "$(winpath "$alarms")" 8 >"$E2E_RUN/$E2E_SLUG.held" 2>&1 ) &
  held=$!
  wait_for_line "$E2E_RUN/$E2E_SLUG.held" holding 10 || fail "could not hold the alarm file"
  start_quillet
  must text dialog-text Quillet 3012 20
  expect_eq "the unread file" "일정 정보를 정상적으로 가져오지 못하였습니다." "$text"
  must - click Quillet 1
  must - wait-window "$frame_title" 10
  wait "$held"
  open_manager
  must - click "$manager_title" 1064
  editor_wait "$adding_title"
  must - set-text "$adding_title" 1072 "옆 파일"
  must - click "$adding_title" 1
  must text dialog-text Quillet 3012 10
  [[ $text == "일정 정보를 원래 파일에 저장할 수 없어 다음 파일에 저장했습니다: $(winpath "$alarms").unsaved-"* ]] ||
    fail "the side file was not said: $text"
  must - click Quillet 1
  close_by_broadcast
}

# A hovered slide stays past its time, while the one stacked above it goes, and slides out once the
# mouse leaves; a click on it opens the schedule manager. An alarm of an open memo puts the memo on top instead of a notification; one of a
# memo not in the group shows "[Memo Data]".
alarm_hover_and_memos() {
  local memo end l t r b
  schedules <<'EOF'
[{"year": 2026, "month": 12, "day": 8, "hour": 9, "minute": 0, "message": "hover"},
 {"year": 2026, "month": 12, "day": 8, "hour": 9, "minute": 0, "alertStyle": 1, "memoId": "open.rtf", "message": "memo alarm"},
 {"year": 2026, "month": 12, "day": 8, "hour": 9, "minute": 0, "alertStyle": 1, "memoId": "elsewhere.rtf", "message": "gone memo"},
 {"year": 2026, "month": 12, "day": 8, "hour": 9, "minute": 0, "message": "not hovered"}]
EOF
  cat >"$E2E_RUN/$E2E_SLUG.group.json" <<'JSON'
[{"windowRect": {"left": 200, "top": 200, "right": 500, "bottom": 400}, "expandedSize": {"width": 300, "height": 200},
  "contentFile": "open.rtf"}]
JSON
  quillet_data import "$E2E_RUN/$E2E_SLUG.group.json" "$(e2e_data_dir)/DefaultMemo.qld" || fail "could not make the group"
  write_content open.rtf <<<'알람 메모'
  set_general ViewMemoOnStart 1
  set_setting Alarm AutoCloseTime dword 2
  start_and_wait_frame
  memo=$(hwnd_at 250 250 "$(wait_memos 1 10)") || exit 1
  move_clock "2026-12-08 08:59:58"
  wait_firing 3 "on time" 5
  expect_memo "$memo" topmost=1
  [ -n "$(notification_line "$alarm_title\\n  [Memo Data]  ")" ] || fail "no [Memo Data]: $(notification_lines | tr '\n' '|')"
  expect_no_notification "the open memo's alarm showed a notification" "$alarm_title\\nmemo alarm"
  slide_at_rest "$alarm_title\\nhover" >/dev/null || exit 1
  slide_at_rest "$alarm_title\\nnot hovered" >/dev/null || exit 1
  mouse_to 1150 950
  end=$((SECONDS + 10))
  while [ -n "$(notification_line "$alarm_title\\nnot hovered")" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "the slide not hovered stayed past its 2 s"
    sleep 0.3
  done
  [ -n "$(notification_line "$alarm_title\\nhover")" ] || fail "the hovered slide went"
  screenshot alarm-hovered-slide
  IFS=, read -r l t r b <<<"$(field "$(notification_line "$alarm_title\nhover")" rect)"
  xdotool mousemove $(((l + r) / 2)) $(((t + b) / 2)) click 1 || fail "xdotool could not click the slide"
  must - wait-window "일정 관리" 10
  expect_window "일정 관리" visible=1
  mouse_to 600 600
  end=$((SECONDS + 6))
  while [ -n "$(notification_line "$alarm_title\\nhover")" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "the slide stayed after the mouse left"
    sleep 0.3
  done
  close_by_broadcast
}
