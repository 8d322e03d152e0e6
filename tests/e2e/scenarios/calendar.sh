# shellcheck shell=bash
# Scenarios of the calendar: the shipped skin, anniversaries in "CalendarSkin\DayInfo.dat", the
# public holidays, schedules from `quillet-data import`, a pinned clock; the month read from the
# window's text and the day cells from the skin's geometry (first cell at 22,80 of the window, a
# cell 16 x 13 every 30 x 24 pixels).
# Sourced by run-e2e.

calendar_class_title() { printf '달력 %d년 %d월' "$1" "$2"; }

# calendar_setup: anniversaries, schedules and a calendar at 700,200 shown at start-up.
calendar_setup() {
  schedules <<'EOF'
[{"recurrence": 2, "year": 2027, "month": 2, "day": 12, "hour": 15, "minute": 0, "imageIndex": 2, "message": "치과"},
 {"recurrence": 4, "year": 2027, "month": 2, "day": 15, "endDateCode": 754125, "hour": 9, "minute": 0, "message": "출장"}]
EOF
  mkdir -p "$(e2e_program_dir)/CalendarSkin"
  printf '2|7|+|F|어머니 생신|F|3\r\n1|15|-|F|정월 대보름|F|5\r\n' | iconv -f UTF-8 -t CP949 \
    >"$(e2e_program_dir)/CalendarSkin/DayInfo.dat" || fail "could not write DayInfo.dat"
  set_setting Calendar WinSXSY sz "700 200"
  set_setting Calendar AutoStart dword 1
  set_setting Calendar MemorialDayCheck dword 1
  set_setting Calendar ShowToolTip dword 2
  set_setting Clock ViewMode dword 1
}

# day_cell YEAR MONTH DAY: "X Y" of the day's cell centre on the screen, for a calendar at
# calendar_at ("700 200" unless a scenario places it elsewhere).
calendar_at="700 200"
day_cell() {
  local first column row
  first=$(date -d "$1-$2-01" +%w)
  column=$(((first + $3 - 1) % 7))
  row=$(((first + $3 - 1) / 7))
  printf '%d %d\n' $((${calendar_at% *} + 22 + column * 30 + 8)) $((${calendar_at#* } + 80 + row * 24 + 6))
}

# cell_colour SHOT X Y: "red", "blue" or "plain" for the digits of the cell centred at X, Y.
cell_colour() {
  convert "$1" -crop "16x13+$(($2 - 8))+$(($3 - 6))" +repage txt:- | awk -F'[(),]' '
    /^[0-9]/ { r = $3 + 0; g = $4 + 0; b = $5 + 0
               if (r > 170 && g < 110 && b < 110) red++
               else if (b > 170 && r < 120 && g < 140) blue++ }
    END { print (red >= 4 ? "red" : blue >= 4 ? "blue" : "plain") }'
}

# wait_calendar YEAR MONTH: the calendar shows that month.
wait_calendar() { must - wait-window "$(calendar_class_title "$1" "$2")" 10; }

# calendar_shot NAME YEAR MONTH COLOUR DAY...: a screenshot once those days' cells show that
# colour (within 5 s: the month is drawn a little after the window says it), checked in it.
calendar_shot() {
  local name=$1 year=$2 month=$3 colour=$4 day x y seen end=$((SECONDS + 5))
  shift 4
  while :; do
    screenshot "$name"
    seen=""
    for day; do
      read -r x y <<<"$(day_cell "$year" "$month" "$day")"
      seen="$seen $(cell_colour "$E2E_SCREENS/$name.png" "$x" "$y")"
    done
    [ "$seen" = "$(printf " $colour%.0s" "$@")" ] && return 0
    [ "$SECONDS" -ge "$end" ] && fail "$name: days $* of $year-$month are$seen, expected $colour"
    sleep 0.3
  done
}

# At 2027-02-07 09:00: February 2027 with the holidays red, Saturday blue, the marks, the period
# and the today mark; today's anniversary announced; seven NEXTMONTH clicks reach September.
calendar_month() {
  local shot x y
  calendar_setup
  pinned_clock "2027-02-07 09:00:00"
  start_and_wait_frame
  wait_calendar 2027 2
  wait_notifications_titled "생일 정보 02/07 [양력]\\n어머니 생신" 1 10
  mouse_to 300 700
  calendar_shot calendar-february 2027 2 red 6 7 8 9
  shot="$E2E_SCREENS/calendar-february.png"
  read -r x y <<<"$(day_cell 2027 2 13)"
  expect_eq "February 13" blue "$(cell_colour "$shot" "$x" "$y")"
  read -r x y <<<"$(day_cell 2027 2 10)"
  expect_eq "February 10" plain "$(cell_colour "$shot" "$x" "$y")"
  for step in 1 2 3 4 5 6 7; do
    xdotool mousemove 900 234 click 1 || fail "xdotool could not click NEXTMONTH"
    wait_calendar 2027 $((2 + step))
  done
  mouse_to 300 700
  calendar_shot calendar-september 2027 9 red 14 15 16
  close_by_broadcast
}

# wait_notifications_titled TEXT COUNT SECONDS: that many notifications whose text starts so.
wait_notifications_titled() {
  local end=$((SECONDS + $3))
  until [ "$(notification_lines_of "$1" | grep -c .)" -eq "$2" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "expected $2 notifications \"$1\": $(driver windows "$frame_title" | tr '\n' '|')"
    sleep 0.3
  done
}
notification_lines_of() { driver windows "$frame_title" 2>/dev/null | grep ' class=#32770 ' | grep -F " text=$1"; }

day_title="날짜"

# day_info_file: the anniversaries as written, one line each, in UTF-8.
day_info_file() { iconv -f CP949 -t UTF-8 <"$(e2e_program_dir)/CalendarSkin/DayInfo.dat" | tr -d '\r'; }

# A double click on 7 Feb opens its day dialog on the information page; an anniversary added as
# lunar and one deleted are written at once, the others unchanged and in order; a file that
# cannot be written is said and the entry stays shown. The balloon over the day shows its
# anniversaries and schedules.
calendar_day_dialog() {
  local x y rows lunar
  calendar_setup
  set_setting Calendar MemorialDayCheck dword 0
  pinned_clock "2027-02-07 09:00:00"
  start_and_wait_frame
  wait_calendar 2027 2
  must - send "$frame_title" 0 0 0 10  # the start-up, which announces, is over
  expect_no_notification "an anniversary was announced with MemorialDayCheck 0" "생일"
  read -r x y <<<"$(day_cell 2027 2 7)"
  mouse_to "$x" "$y"
  must - wait-window "2027년 2월 7일" 5
  screenshot calendar-balloon
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 60 1 || fail "xdotool could not double-click 7 Feb"
  must - wait-window "$day_title" 10
  must rows list-rows "$day_title" 3220
  expect_eq "the day's anniversaries" $'-1\t어머니 생신\t\t' "$rows"
  must lunar dialog-text "$day_title" 3211 5
  expect_eq "the lunar line" " 음력: 2027년 1월 1일 " "$lunar"
  screenshot calendar-day-information
  must - click "$day_title" 3214
  must - click "$day_title" 1  # no name: refused, nothing written
  answer_notice "정보가 없습니다"
  must - set-text "$day_title" 3231 "결혼기념일"
  must - click "$day_title" 3233
  screenshot calendar-day-anniversary
  must - click "$day_title" 1
  must - dialog-text "$day_title" 3220 5
  expect_eq "after the add" "$(printf '%s\n' '2|7|+|F|어머니 생신|F|3' '1|15|-|F|정월 대보름|F|5' '1|1|-|F|결혼기념일|F|1')" \
    "$(day_info_file)"
  must - list-click "$day_title" 3220 0 2
  answer_question "선택된 기념일을 삭제합니까?" 6
  expect_eq "after the delete" "$(printf '%s\n' '1|15|-|F|정월 대보름|F|5' '1|1|-|F|결혼기념일|F|1')" "$(day_info_file)"
  chmod a-w "$(e2e_program_dir)/CalendarSkin/DayInfo.dat"
  must - click "$day_title" 3214
  must - set-text "$day_title" 3231 "쓸 수 없음"
  must - click "$day_title" 1
  answer_notice "기념일 정보를 정상적으로 저장하지 못하였습니다."
  must rows list-rows "$day_title" 3220
  expect_eq "kept in memory" "$(printf '%s\n' $'-1\t결혼기념일\t\t' $'-1\t쓸 수 없음\t\t')" "$rows"
  chmod u+w "$(e2e_program_dir)/CalendarSkin/DayInfo.dat"
  close_by_broadcast
}

# The day change announces the lunar anniversary of the new day and the calendar moves to it; the
# shown months stop at December 2049; 추석 2033 is red.
calendar_day_change_and_limits() {
  local x y
  calendar_setup
  moving_clock "2027-02-20 23:50:00"
  start_and_wait_frame
  wait_calendar 2027 2
  move_clock "2027-02-20 23:59:58"
  wait_trace "2027-02-21 00:00:00 day" 5
  wait_notifications_titled "기념일 정보 01/15 [음력]\\n정월 대보름" 1 10
  screenshot calendar-new-day
  close_by_broadcast

  pinned_clock "2033-09-01 09:00:00"
  start_and_wait_frame
  wait_calendar 2033 9
  mouse_to 300 700
  calendar_shot calendar-2033 2033 9 red 7 8 9
  close_by_broadcast

  # NEXTMONTH at December 2049 stays: the PREVMONTH clicked after it reaches November.
  pinned_clock "2049-12-15 09:00:00"
  start_and_wait_frame
  wait_calendar 2049 12
  xdotool mousemove 900 234 click 1 || fail "xdotool could not click NEXTMONTH"
  xdotool mousemove 848 234 click 1 || fail "xdotool could not click PREVMONTH"
  wait_calendar 2049 11
  close_by_broadcast
}

