# shellcheck shell=bash
# Scenarios of the schedule view (and, with it, the other list widgets): today's items read from
# the view's window text, which says what its rows say; the clock pinned.
# Sourced by run-e2e.

# view_line: the driver's line about the schedule view, whose text is what its rows say.
view_line() { driver windows "$frame_title" 2>/dev/null | grep -F ' text=Quillet Schedule' | head -n 1; }

# view_says LINE TEXT...: each TEXT is one of the lines of the view's LINE.
view_says() {
  local line=$1 wanted
  shift
  for wanted in "$@"; do
    case "\\n$(sed 's/.* text=Quillet Schedule//' <<<"$line")\\n" in
      *"\\n$wanted\\n"*) ;;
      *) return 1 ;;
    esac
  done
}

# expect_view_says TEXT...: within 5 s each TEXT is one of the view's lines.
expect_view_says() {
  local line end=$((SECONDS + 5))
  until line=$(view_line) && view_says "$line" "$@"; do
    [ "$SECONDS" -ge "$end" ] && fail "the view does not say all of \"$*\": $line"
    sleep 0.3
  done
}

# view_shown: the view's window is visible (the driver must answer).
# wait_view_shown 1|0: within 5 s the schedule view is shown, or gone.
wait_view_shown() {
  local test=view_shown
  [ "$1" = 1 ] || test=view_hidden
  wait_until 5 "the schedule view: expected shown=$1" "$test"
}
view_hidden() { ! view_shown; }

view_shown() {
  local lines
  must lines windows "$frame_title"
  grep -F ' text=Quillet Schedule' <<<"$lines" | head -n 1 | grep -q ' visible=1 '
}

# The schedule view at start-up with StartMode 2: today's anniversary, D-days ahead and passed,
# the passed and the later schedule and the all-day one under today's solar and lunar date; the
# day change counts down. With nothing today StartMode 2 leaves it closed and 1 shows one row.
schedule_view() {
  schedules <<'EOF'
[{"recurrence": 2, "year": 2027, "month": 2, "day": 7, "timeMode": 2, "message": "종일 일정"},
 {"recurrence": 2, "year": 2027, "month": 2, "day": 7, "hour": 8, "minute": 0, "message": "아침 회의"},
 {"recurrence": 2, "year": 2027, "month": 2, "day": 7, "hour": 18, "minute": 30, "message": "저녁 약속"},
 {"recurrence": 2, "year": 2027, "month": 2, "day": 17, "isDDay": 1, "message": "시험"},
 {"recurrence": 2, "year": 2027, "month": 2, "day": 4, "isDDay": 1, "message": "여행"}]
EOF
  mkdir -p "$(e2e_program_dir)/CalendarSkin"
  printf '2|7|+|F|어머니 생신|F|3\r\n' | iconv -f UTF-8 -t CP949 >"$(e2e_program_dir)/CalendarSkin/DayInfo.dat"
  set_setting Schedule StartMode dword 2
  set_setting Schedule WinSXSY sz "300 150"
  set_setting Calendar MemorialDayCheck dword 0
  moving_clock "2027-02-07 23:50:00"
  start_and_wait_frame
  must - send "$frame_title" 0 0 0 10
  view_shown || fail "the view is not shown: $(view_line)"
  expect_view_says "2월 7일 (음력 1/1 )" "어머니 생신" "종일 일정" "시험 -  [ 10 ]일 남음" "여행 -  [ 4 ]일 지남" \
    "08:00 아침 회의" "18:30 저녁 약속"
  screenshot schedule-view
  move_clock "2027-02-07 23:59:58"
  wait_trace "2027-02-08 00:00:00 day" 5
  expect_view_says "2월 8일 (음력 1/2 )" "시험 -  [ 9 ]일 남음"
  close_by_broadcast

  # A copied skin that counts a passed D-day without today, on a day of a leap lunar month.
  local skins
  skins="$(e2e_program_dir)/ScheduleSkin"
  cp -r "$skins/Quillet Schedule" "$skins/Without Today" &&
    mv "$skins/Without Today/Quillet Schedule.ski" "$skins/Without Today/Without Today.ski" || fail "could not copy the skin"
  sed -i 's/^IncludeToday=1/IncludeToday=0/' "$skins/Without Today/Without Today.ski"
  set_setting Schedule SkinFile sz "$(winpath "$skins")\\Without Today\\Without Today.ski"
  pinned_clock "2027-02-07 09:00:00"
  start_and_wait_frame
  must - send "$frame_title" 0 0 0 10
  expect_view_says "시험 -  [ 10 ]일 남음" "여행 -  [ 3 ]일 지남"
  close_by_broadcast
  pinned_clock "2028-07-07 09:00:00"
  start_and_wait_frame
  must - send "$frame_title" 0 0 0 10
  expect_view_says "7월 7일 (음력 5/15 윤달)"
  close_by_broadcast
  set_setting Schedule SkinFile sz "$(winpath "$skins")\\Quillet Schedule\\Quillet Schedule.ski"

  schedules <<<'[]'
  set_setting Schedule StartMode dword 2
  pinned_clock "2027-02-07 09:00:00"
  start_and_wait_frame
  must - send "$frame_title" 0 0 0 10
  if view_shown; then fail "StartMode 2 showed the view on an empty day"; fi
  # Today's first schedule brings it up; deleting the last takes it away.
  add_schedule_from_manager "오늘의 첫 일정"
  wait_view_shown 1
  must - list-select "$manager_title" 1062 0
  must - click "$manager_title" 1066
  answer_question '"오늘의 첫 일정" 일정을 삭제하시겠습니까' 6
  wait_view_shown 0
  must - click "$manager_title" 1
  close_by_broadcast
  set_setting Schedule StartMode dword 1
  start_and_wait_frame
  must - send "$frame_title" 0 0 0 10
  expect_view_says "일정이 없습니다."
  screenshot schedule-view-empty
  close_by_broadcast
}

# launcher_list ARGS...: Rauncher00.xml naming the driver copy in "C:\Program Files\Quillet Test"
# once for each ARGS, which its click runs.
launcher_list() {
  {
    printf '<?xml version="1.0" encoding="UTF-8"?>\n<Rauncher>'
    for arguments in "$@"; do
      printf '<Item Path="C:\\Program Files\\Quillet Test\\quillet-driver.exe" Arguments="%s" Name="드라이버"/>' "$arguments"
    done
    printf '</Rauncher>\n'
  } >"$(e2e_program_dir)/Rauncher00.xml"
}

# launcher_skin NAME ROWDATACOUNT: a copy of the shipped launcher skin with that many icons a row,
# chosen for the next start.
launcher_skin() {
  local skins
  skins="$(e2e_program_dir)/RauncherSkin"
  rm -rf "${skins:?}/$1" && cp -r "$skins/Quillet Rauncher" "$skins/$1" && mv "$skins/$1/Quillet Rauncher.ski" "$skins/$1/$1.ski" ||
    fail "could not copy the launcher skin"
  sed -i "s/^RowDataCount=.*/RowDataCount=$2/" "$skins/$1/$1.ski"
  set_setting Rauncher SkinFile sz "$(winpath "$skins")\\$1\\$1.ski"
}

# launcher_click X Y: clicks there and prints what the started program wrote.
launcher_click() {
  local marker="$WINEPREFIX/drive_c/launched.txt"
  rm -f "$marker"
  xdotool mousemove "$1" "$2" click 1 || fail "xdotool could not click the icon at $1,$2"
  wait_file "$marker" 10 || fail "no program started by the click at $1,$2"
  tr -d '\r' <"$marker"
}

# The launcher shows its programs at start-up (StartMode 2); a click on an icon starts the program
# of the path with its arguments in its own folder, never "C:\Program.exe" from an unquoted
# command line; "프로그램 추가..." adds a chosen file and "목록에서 삭제" takes one out of the list
# file, and a file dropped on it joins the list. Icons sit RowDataCount a row (icon centres 46 apart, rows 56 apart, the first at 528,350):
# seven in rows of 3, 3 and 1, and one a row for a count of 0.
launcher() {
  local folder="$WINEPREFIX/drive_c/Program Files/Quillet Test" list
  fresh_program_folder >/dev/null || exit 1
  mkdir -p "$folder" && cp "$QUILLET_DRIVER" "$folder/quillet-driver.exe" && cp "$QUILLET_DRIVER" "$WINEPREFIX/drive_c/Program.exe" ||
    fail "could not place the programs"
  list="$(e2e_program_dir)/Rauncher00.xml"
  launcher_list 'mark C:\launched.txt launched'
  set_general ViewMemoOnStart 0
  set_setting Rauncher StartMode dword 2
  set_setting Rauncher WinSXSY sz "500 300"
  start_and_wait_frame
  must - send "$frame_title" 0 0 0 10
  must - wait-window "Quillet Launcher" 10
  expect_window "Quillet Launcher" visible=1
  wait_pixel_not "the launcher's first icon" 528 350 0x000000
  screenshot launcher
  expect_eq "the started program" 'launched in C:\Program Files\Quillet Test' "$(launcher_click 528 350)"

  must - post-command "Quillet Launcher" 32881
  must - wait-window "열기" 10
  must - set-text "열기" 1148 'C:\Program.exe'  # the file name box, whether focused or not
  must - click "열기" 1
  must - wait-gone "열기" 10
  grep -qF 'Path="C:\Program.exe"' "$list" || fail "the chosen program is not in the list: $(cat "$list")"

  xdotool mousemove 528 350 click 3 || fail "xdotool could not right-click the icon"
  local menu end=$((SECONDS + 5)) left top
  until menu=$(driver windows "$frame_title" 2>/dev/null | grep ' class=#32768 visible=1 '); do
    [ "$SECONDS" -ge "$end" ] && fail "no menu after the right click"
    sleep 0.2
  done
  IFS=, read -r left top _ <<<"$(field "$(head -n 1 <<<"$menu")" rect)"
  must items menu "@class:#32768"
  expect_eq "the icon's menu begins" $'32881\t-\t프로그램 추가...|32882\t-\t목록에서 삭제|separator\t-\t' \
    "$(head -n 3 <<<"$items" | paste -sd'|')"
  wait_pixel_not "the icon's menu" $((left + 50)) $((top + 29)) 0x000000
  xdotool mousemove $((left + 50)) $((top + 29)) click 1 || fail "xdotool could not choose 목록에서 삭제"  # its second item
  answer_question "선택한 항목을 런처에서 삭제합니까?" 6
  expect_eq "the entries left" 1 "$(grep -o '<Item' "$list" | wc -l)"
  grep -qF 'quillet-driver' "$list" && fail "the clicked entry is still in the list: $(cat "$list")"
  # A file dragged from the desktop (an X file manager's drag, which Wine hands on as a drop).
  /usr/bin/python3 "$e2e_here/tools/xdnd_drop.py" 700 345 "$folder/quillet-driver.exe" || fail "the drop did not happen"
  local end=$((SECONDS + 5))
  until grep -qF 'Path="C:\Program Files\Quillet Test\quillet-driver.exe"' "$list"; do
    [ "$SECONDS" -ge "$end" ] && fail "the dropped program is not in the list: $(cat "$list")"
    sleep 0.2
  done
  close_by_broadcast

  launcher_list 'mark C:\launched.txt 1' 'mark C:\launched.txt 2' 'mark C:\launched.txt 3' 'mark C:\launched.txt 4' \
    'mark C:\launched.txt 5' 'mark C:\launched.txt 6' 'mark C:\launched.txt 7'
  launcher_skin Three 3
  start_and_wait_frame
  must - wait-window "Quillet Launcher" 10
  wait_pixel_not "the seventh icon" 528 462 0x000000
  screenshot launcher-rows
  expect_eq "the third icon" '3 in C:\Program Files\Quillet Test' "$(launcher_click 620 350)"
  expect_eq "the seventh icon" '7 in C:\Program Files\Quillet Test' "$(launcher_click 528 462)"
  close_by_broadcast

  launcher_skin Zero 0
  start_and_wait_frame
  must - wait-window "Quillet Launcher" 10
  wait_pixel_not "the second icon" 528 406 0x000000
  expect_eq "the second icon" '2 in C:\Program Files\Quillet Test' "$(launcher_click 528 406)"
  close_by_broadcast

  launcher_list
  set_setting Rauncher StartMode dword 1
  start_and_wait_frame
  must - wait-window "Quillet Launcher" 10
  expect_window "Quillet Launcher" visible=1
  wait_pixel_not "the empty launcher" 520 320 0x000000
  screenshot launcher-empty
  close_by_broadcast
}

# Both widgets in an English Windows: the Korean of the skins and of today's items is drawn in a
# Korean face, not as boxes (looked at in the picture).
widgets_en() {
  schedules <<<'[{"recurrence": 2, "year": 2027, "month": 2, "day": 7, "hour": 18, "minute": 30, "message": "저녁 약속"}]'
  launcher_list 'mark C:\launched.txt launched'
  set_general ViewMemoOnStart 0
  set_setting Schedule StartMode dword 1
  set_setting Schedule WinSXSY sz "300 150"
  set_setting Rauncher StartMode dword 1
  set_setting Rauncher WinSXSY sz "600 150"
  pinned_clock "2027-02-07 09:00:00"
  start_and_wait_frame
  must - wait-window "Quillet Launcher" 10
  expect_view_says "2월 7일 (음력 1/1 )" "18:30 저녁 약속"
  wait_pixel_not "the launcher" 620 170 0x000000
  screenshot widgets-en
  close_by_broadcast
}

# A program folder this user cannot write (Program Files; immutable here, which binds root too):
# the anniversaries and the launcher list go to the user's own folder, carried over from the
# program folder once; an anniversary and a launcher entry added there are saved without a word
# and are there again after a restart, the program folder untouched. An edited clock skin goes to
# a copy of its folder in the user's, which the clock shows from then on.
read_only_program_folder() {
  local dir user before x y rows digital text
  dir=$(fresh_program_folder) || exit 1
  user=$(e2e_user_files_dir)
  mkdir -p "$dir/CalendarSkin" && cp "$QUILLET_DRIVER" "$WINEPREFIX/drive_c/Program.exe" || fail "could not place the files"
  printf '2|7|+|F|어머니 생신|F|3\r\n' | iconv -f UTF-8 -t CP949 >"$dir/CalendarSkin/DayInfo.dat"
  launcher_list 'mark C:\launched.txt launched'
  set_general ViewMemoOnStart 0
  set_setting Calendar WinSXSY sz "700 200"
  set_setting Calendar AutoStart dword 1
  set_setting Calendar MemorialDayCheck dword 0
  set_setting Rauncher StartMode dword 2
  set_setting Rauncher WinSXSY sz "400 300"
  digital="ClockSkin\\Quillet Digital\\Quillet Digital.ski"
  set_setting Clock SkinFile sz "$(winpath "$dir")\\$digital"
  set_setting Clock ViewMode dword 0
  set_setting Clock WinSXSY sz "900 600"
  before=$(cd "$dir" && md5sum CalendarSkin/DayInfo.dat Rauncher00.xml "ClockSkin/Quillet Digital/Quillet Digital.ski")
  # Expanded now: the function's locals are gone when the scenario's shell exits.
  trap "chattr -i '$dir' '$dir/CalendarSkin' '$dir/ClockSkin/Quillet Digital' 2>/dev/null" EXIT
  chattr +i "$dir" "$dir/CalendarSkin" "$dir/ClockSkin/Quillet Digital" || fail "chattr +i is refused here"
  pinned_clock "2027-02-07 09:00:00"
  start_and_wait_frame
  wait_calendar 2027 2
  must - wait-window "Quillet Launcher" 10
  [ -f "$user/CalendarSkin/DayInfo.dat" ] && [ -f "$user/Rauncher00.xml" ] ||
    fail "nothing carried to the user's folder: $(find "$user" 2>&1 | tr '\n' ' ')"

  read -r x y <<<"$(day_cell 2027 2 7)"
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 60 1 || fail "xdotool could not double-click 7 Feb"
  must - wait-window "$day_title" 10
  must - click "$day_title" 3214
  must - set-text "$day_title" 3231 "결혼기념일"
  must - click "$day_title" 1
  must - dialog-text "$day_title" 3220 5
  expect_absent "a message about the anniversaries" dialog-text Quillet 3012 1
  must - post "$day_title" 0x10 0 0  # WM_CLOSE
  must - post-command "Quillet Launcher" 32881
  must - wait-window "열기" 10
  must - set-text "열기" 1148 'C:\Program.exe'
  must - click "열기" 1
  must - wait-gone "열기" 10
  expect_absent "a message about the launcher list" dialog-text Quillet 3012 1
  expect_eq "the digital clock" 200x80 "$(clock_size)"
  must - post-command "$clock_title" 32833  # Skin 파일 수정
  must - dialog-text "Skin 파일 수정" 3040 5
  must - set-text "Skin 파일 수정" 3040 $'[Background]\nBackground=missing.png\n'
  must - click "Skin 파일 수정" 1
  must - wait-gone "Skin 파일 수정" 5
  expect_absent "a message about the skin" dialog-text Quillet 3012 1
  expect_eq "the clock of the edited skin" 144x144 "$(clock_size)"
  close_by_broadcast
  expect_eq "the clock's skin setting" "$(winpath "$user")\\$digital" "$(clock_reg_sz SkinFile)"
  [ -f "$user/ClockSkin/Quillet Digital/hide.png" ] || fail "the skin's pictures were not copied with it"

  grep -qF 'Path="C:\Program.exe"' "$user/Rauncher00.xml" || fail "the entry is not in the user's list: $(cat "$user/Rauncher00.xml")"
  start_and_wait_frame
  wait_calendar 2027 2
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 60 1 || fail "xdotool could not double-click 7 Feb"
  must - wait-window "$day_title" 10
  must rows list-rows "$day_title" 3220
  expect_eq "the day's anniversaries after a restart" $'-1\t어머니 생신\t\t\n-1\t결혼기념일\t\t' "$rows"
  screenshot read-only-folder-anniversaries
  must - post "$day_title" 0x10 0 0
  expect_eq "the clock of the edited skin after a restart" 144x144 "$(clock_size)"
  close_by_broadcast
  expect_eq "the program folder's files" "$before" \
    "$(cd "$dir" && md5sum CalendarSkin/DayInfo.dat Rauncher00.xml "ClockSkin/Quillet Digital/Quillet Digital.ski")"
}
