# shellcheck shell=bash
# Scenarios of the clock: the skin window on the desktop and the program's one-second heartbeat,
# driven through its menu commands, the mouse and a pinned clock that the scenario moves
# (moving_clock, move_clock), and followed through the trace file (QUILLET_TEST_TRACE), the
# registry and the screen.
# Sourced by run-e2e.

clock_title="Quillet Clock"
clock_key="$settings\\Clock"
digital_skin="ClockSkin\\Quillet Digital\\Quillet Digital.ski"

# clock_size: the clock window's WIDTHxHEIGHT, once the frame's start-up is over.
clock_size() {
  local line l t r b
  must - send "$frame_title" 0 0 0 5
  must line wait-window "$clock_title" 5
  IFS=, read -r l t r b <<<"$(field "$line" rect)"
  printf '%sx%s\n' $((r - l)) $((b - t))
}

clock_reg_sz() { driver reg-sz "$clock_key" "$1" 2>/dev/null; }

# wait_pixel_not WHAT X Y COLORREF: within 3 s the screen at X,Y shows another colour; with
# 0x000000, something is drawn there over the black screen.
wait_pixel_not() {
  local seen end=$((SECONDS + 3))
  until seen=$(driver pixels "$2" "$3" 0 1 2>/dev/null) && [ -n "$seen" ] && [ "$seen" != "$4" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "$1: the screen at $2,$3 is still ${seen:-unreadable}"
    sleep 0.2
  done
}

# clock_menu_items: the analog clock's menu, shown always, on top, opaque, movable, with the
# digital skin beside the built-in one, as `driver menu` prints it; the program's own menu, which
# ends it, is one line here. Its own part: the view modes, the clock's settings, the schedules.
clock_menu_items() {
  local step
  printf '%s\n' $'32812\tchecked\t항상 보기' $'32814\t-\t설정 시간에 보기' $'separator\t-\t' \
    $'32811\t-\t시계 설정' $'32804\t-\t일정 관리' $'separator\t-\t' \
    $'32819\t-\t보통 위치' $'32787\tchecked\t항상 위에' $'32820\t-\t바탕화면에' $'separator\t-\t' \
    $'popup\t-\t위치' $'  32806\t-\t메모위치에 정렬' $'  separator\t-\t' $'  32807\t-\t윈도우 왼쪽 위' \
    $'  32808\t-\t윈도우 왼쪽 아래' $'  32809\t-\t윈도우 오른쪽 위' $'  32810\t-\t윈도우 오른쪽 아래' \
    $'32842\t-\t시계 좌표 고정' $'popup\t-\t투명도'
  for step in 1 2 3 4 5 6 7 8 9; do printf '  %d\t-\t%d0%%\n' $((32843 + step)) "$step"; done
  printf '%s\n' $'  32853\tchecked\t불투명' $'separator\t-\t' $'popup\t-\tSkin' $'  32805\tchecked\tDefault' \
    $'  separator\t-\t' $'  5024\t-\tQuillet Digital' $'32833\t-\tSkin 파일 수정' $'separator\t-\t' \
    $'32782\t-\t숨기기' $'separator\t-\t' $'popup\t-\t확장 메뉴'
}

# A fresh install: the analog clock greets the user for "HotKeyClockViewTime" seconds. Its menu
# offers the view modes (the one in force checked), the z-positions, the places, transparency and
# the shipped skins; the digital one is stored at once, the default forgets it. 50 % blends every
# pixel at half, the corner command moves it and the periodic save writes the place; the skin
# editor needs a skin file. The transparency is kept at exit.
clock_skins_and_menu() {
  local size pixel half seen expected menu items end value
  fresh_program_folder >/dev/null
  set_general HotKeyClockViewTime 2
  set_setting Clock WinSXSY sz "900 300"
  export QUILLET_TEST_SAVE_MS=1000
  start_and_wait_frame
  expect_window "$clock_title" visible=1 rect=900,300,1044,444
  wait_pixel_not "the greeting clock's rim" 972 307 0x000000
  screenshot clock-analog
  expect_window "$clock_title" visible=0

  must - post-command "$frame_title" 32830  # 시계 보기
  expect_window "$clock_title" visible=1
  must - post-command "$clock_title" 32812  # 항상 보기
  xdotool mousemove 970 420 click 3 || fail "xdotool could not right-click the clock"
  must menu wait-window "@class:#32768" 5
  must items menu "@class:#32768"
  expect_eq "the clock menu" "$(clock_menu_items)" "$(awk '{ print } /^popup\t-\t확장 메뉴$/ { exit }' <<<"$items")"
  IFS=, read -r _ _ _ end <<<"$(field "$menu" rect)"
  wait_pixel_not "the clock menu" 1000 $((end - 6)) 0x000000
  screenshot clock-menu
  menu_pick "시계 설정"
  must - dialog-text "$prefs_title@page" 1044 5  # the preferences, on the clock page
  must - click "$prefs_title" 2
  must - wait-gone "$prefs_title" 10

  must - post-command "$clock_title" 32833  # Skin 파일 수정, with the built-in skin
  must text dialog-text Quillet 3012 5
  expect_eq "editing the built-in skin" "현재 Skin은 수정할 수 없습니다." "$text"
  must - click Quillet 1

  must - post-command "$clock_title" 5024  # the first skin the menu listed
  expect_eq "SkinFile once chosen" "$(winpath "$(e2e_program_dir)")\\$digital_skin" "$(clock_reg_sz SkinFile)"
  size=$(clock_size)
  [ "$size" != 144x144 ] || fail "the digital skin kept the analog clock's size"
  wait_pixel_not "the digital clock" 1086 312 0x000000
  screenshot clock-digital
  must - post-command "$clock_title" 32836  # Skin 정보: the skin's about picture until a click
  must line wait-window "Skin 정보" 5
  expect_eq "the about picture, centred" "530,457,750,567" "$(field "$line" rect)"
  wait_pixel_not "the about picture" 640 512 0x000000
  screenshot clock-skin-info
  must - click-at "Skin 정보" 100 50
  must - wait-gone "Skin 정보" 5
  must - post-command "$clock_title" 32805  # Default
  must value reg-sz "$clock_key" SkinFile  # empty, and there: the driver answered
  expect_eq "SkinFile after Default" "" "$value"
  expect_eq "the analog clock's size" 144x144 "$(clock_size)"

  # The golden rim at full and at half: the screen below is black, so half is half of each part.
  must pixel pixels 972 307 0 1
  must - post-command "$clock_title" 32848  # 50%
  half=$(printf '0x%06x' $(( ((pixel >> 16 & 255) * 128 / 255) << 16 | ((pixel >> 8 & 255) * 128 / 255) << 8 | (pixel & 255) * 128 / 255 )))
  end=$((SECONDS + 3))
  until must seen pixels 972 307 0 1 && python3 -c '
import sys
a, b = (int(x, 16) for x in sys.argv[1:])
sys.exit(0 if all(abs((a >> s & 255) - (b >> s & 255)) <= 2 for s in (0, 8, 16)) else 1)' "$half" "$seen"; do
    [ "$SECONDS" -ge "$end" ] && fail "at 50 % the rim reads $seen, expected about $half (from $pixel)"
    sleep 0.2
  done

  must - post-command "$clock_title" 32810  # 윈도우 오른쪽 아래
  expected=$((1280 - 144 - 2)),$((1024 - 144 - 2))
  expect_window "$clock_title" rect="$expected,$((1280 - 2)),$((1024 - 2))"
  end=$((SECONDS + 5))
  until [ "$(clock_reg_sz WinSXSY)" = "${expected/,/ }" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "WinSXSY is '$(clock_reg_sz WinSXSY)' 5 s after the move, saves every 1 s"
    sleep 0.2
  done
  close_by_broadcast
  must value reg-dword "$clock_key" TransVal
  expect_eq "TransVal after exit" 128 "$value"
}

# "설정 시간에 보기" with the defaults. Raised before the half hour and hidden by the user, the clock
# goes back to its own level, which is what is saved. Moved to 10:59:55: hidden, raised on top 3 s
# before the hour, the sound at 11:00:00 and the one new minute, lowered and back at its own
# level a second later.
clock_special_time() {
  fresh_program_folder >/dev/null
  set_setting Clock ViewMode dword 2
  set_setting Clock StartView dword 0
  set_setting Clock ZPosition dword 0
  set_setting Clock WinSXSY sz "900 300"
  set_setting Clock SpecialAlarm sz 'C:\windows\media\ding.wav'
  moving_clock "2026-12-08 10:20:00"
  start_and_wait_frame
  move_clock "2026-12-08 10:29:55"
  wait_trace "2026-12-08 10:29:57 special-time raise" 5
  expect_window "$clock_title" visible=1 topmost=1
  must - post-command "$clock_title" 32782  # 숨기기
  expect_window "$clock_title" visible=0 topmost=0
  close_by_broadcast
  must value reg-dword "$clock_key" ZPosition
  expect_eq "ZPosition after a raised clock was hidden" 0 "$value"

  moving_clock "2026-12-08 10:50:00"
  start_and_wait_frame
  expect_window "$clock_title" visible=0
  move_clock "2026-12-08 10:59:55"
  wait_trace "2026-12-08 10:59:57 special-time raise" 5
  expect_window "$clock_title" visible=1 topmost=1
  wait_trace "2026-12-08 11:00:00 sound" 5
  wait_trace "2026-12-08 11:00:00 minute" 1
  wait_trace "2026-12-08 11:00:01 special-time lower" 3
  expect_window "$clock_title" visible=0 topmost=0
  expect_eq "minutes traced for 11:00" 1 "$(grep -c '^2026-12-08 11:00:.. minute$' "$E2E_TRACE")"
  close_by_broadcast
}

# Midnight: the minute and then the day in the one tick. Shown at no special time and not at the
# start, the clock stays hidden while its heartbeat goes on.
clock_at_midnight() {
  local line
  fresh_program_folder >/dev/null
  set_setting Clock ViewMode dword 2
  set_setting Clock StartView dword 0
  for line in 0 30 2 3 4; do set_setting Clock "SpecialTime_$line" dword 4294967295; done
  moving_clock "2026-12-08 23:50:00"
  start_and_wait_frame
  move_clock "2026-12-08 23:59:58"
  wait_trace "2026-12-09 00:00:00 day" 5
  expect_eq "the tick at midnight" "2026-12-09 00:00:00 minute|2026-12-09 00:00:00 day" \
    "$(grep '^2026-12-09 00:00:00 ' "$E2E_TRACE" | paste -sd'|')"
  if grep -q special-time "$E2E_TRACE"; then fail "a special time with none set: $(cat "$E2E_TRACE")"; fi
  expect_window "$clock_title" visible=0
  close_by_broadcast
}

# A skin whose background is missing shows the analog clock and keeps its place in the settings.
# A skin's buttons: "<hide_window>" (commands are upper-cased) and "<DESTROY_WINDOW>" both hide
# the clock, whose heartbeat goes on. The skin editor keeps the dialog and the text when the file
# cannot be written, and otherwise writes it (CR LF, no trailing break) and loads it again.
clock_skin_buttons_and_editor() {
  local folder skins broken buttons text
  folder=$(fresh_program_folder) || exit 1
  skins="$folder/ClockSkin"
  mkdir -p "$skins/Broken" && printf '[Background]\r\nBackground=missing.png\r\n' >"$skins/Broken/Broken.ski"
  cp -r "$skins/Quillet Digital" "$skins/Buttons" && mv "$skins/Buttons/Quillet Digital.ski" "$skins/Buttons/Buttons.ski"
  sed -i 's/^Command=<HIDE_WINDOW>/Command=<hide_window>/' "$skins/Buttons/Buttons.ski"
  printf '\n[Destroy]\nDrawType=BUTTON\nX=6\nY=7\nW=11\nH=11\nImageName=hide.png\nCommand=<DESTROY_WINDOW>\n' \
    >>"$skins/Buttons/Buttons.ski"
  broken="$(winpath "$folder")\\ClockSkin\\Broken\\Broken.ski"
  buttons="$(winpath "$folder")\\ClockSkin\\Buttons\\Buttons.ski"
  set_setting Clock ViewMode dword 0
  set_setting Clock WinSXSY sz "900 300"

  set_setting Clock SkinFile sz "$broken"
  start_and_wait_frame
  expect_eq "the clock of a broken skin" 144x144 "$(clock_size)"
  close_by_broadcast
  expect_eq "SkinFile after a broken skin" "$broken" "$(clock_reg_sz SkinFile)"

  set_setting Clock SkinFile sz "$buttons"
  moving_clock "2026-12-08 09:30:30"
  start_and_wait_frame
  expect_window "$clock_title" visible=1 rect=900,300,1100,380
  wait_pixel_not "the hide button" 1086 312 0x000000
  xdotool mousemove 1086 312 click 1 || fail "xdotool could not click the hide button"
  expect_window "$clock_title" visible=0
  move_clock "2026-12-08 09:30:58"
  wait_trace "2026-12-08 09:31:00 minute" 5
  must - post-command "$frame_title" 32830
  expect_window "$clock_title" visible=1
  wait_pixel_not "the destroy button" 911 312 0x000000
  xdotool mousemove 911 312 click 1 || fail "xdotool could not click the destroy button"
  expect_window "$clock_title" visible=0

  must - post-command "$frame_title" 32830
  chmod a-w "$skins/Buttons/Buttons.ski"
  must - post-command "$clock_title" 32833
  must text dialog-text "Skin 파일 수정" 3040 5
  case $text in *"[Destroy]"*"Command=<DESTROY_WINDOW>"*) ;; *) fail "the editor shows: ${text:0:300}" ;; esac
  must - set-text "Skin 파일 수정" 3040 $'[Background]\nBackground=missing.png\n\n'
  must - click "Skin 파일 수정" 1
  must text dialog-text Quillet 3012 5
  expect_eq "a read-only skin file" "Skin 파일을 저장하지 못하였습니다." "$text"
  must - click Quillet 1
  must text dialog-text "Skin 파일 수정" 3040 5
  case $text in "[Background]"*"missing.png"*) ;; *) fail "the editor lost the text: $text" ;; esac
  chmod u+w "$skins/Buttons/Buttons.ski"
  must - click "Skin 파일 수정" 1
  must - wait-gone "Skin 파일 수정" 5
  expect_eq "the skin file as written" "5b4261636b67726f756e645d0d0a4261636b67726f756e643d6d697373696e672e706e67" \
    "$(od -An -tx1 "$skins/Buttons/Buttons.ski" | tr -d ' \n')"
  expect_eq "the clock after the edit" 144x144 "$(clock_size)"
  close_by_broadcast
  expect_eq "SkinFile after the edit" "$buttons" "$(clock_reg_sz SkinFile)"
}
