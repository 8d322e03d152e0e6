# shellcheck shell=bash
# Scenarios of the preferences dialog, autostart and portable mode, with the program in a folder
# whose path holds a space. Sourced by run-e2e.

prefs_title="Quillet 환경설정"
shown_page="$prefs_title@page"  # the page shown: its controls share ids with the dialog's
run_key='Software\Microsoft\Windows\CurrentVersion\Run'
run_value='"C:\Program Files\Quillet Test\Quillet.exe" /logon'

# prefs_folder [JSON]: the program in "C:\Program Files\Quillet Test\", its group as JSON says.
prefs_folder() {
  E2E_PROGRAM_DIR="$WINEPREFIX/drive_c/Program Files/Quillet Test"
  lay_out_group <<<"${1:-[]}"
}

open_prefs() {
  must - post-command "$frame_title" 32777
  must - dialog-text "$prefs_title" 1 10
}

# prefs_page N: the page button N (0-5) pressed, and then that page shown (a control of its own).
prefs_page() {
  local buttons=(1022 1028 1006 1023 1027 1029) owns=(1012 1019 1137 1032 1044 1109)
  must - click "$prefs_title" "${buttons[$1]}"
  must - dialog-text "$shown_page" "${owns[$1]}" 5
}

# pages_draw_hangul SCREENSHOT: each page in turn, where every control that holds Hangul, the
# dialog's own too, has a font that draws it (its face or one linked to it).
pages_draw_hangul() {
  local n fonts
  for n in 0 1 2 3 4 5; do
    prefs_page "$n"
    must fonts fonts "$prefs_title"
    e2e_log "page $n: $(grep -c . <<<"$fonts") controls with Hangul; $(head -n 1 <<<"$fonts")"
    ! grep ' hangul=0 ' <<<"$fonts" >&2 || fail "page $n shows Hangul in a font without it (see the log)"
    screenshot "$1-$n"
  done
}

button_state() { must "$1" button-state "$shown_page" "$2"; }  # VAR CONTROLID

expect_run_value() {  # WHAT [VALUE]: the autostart value holds VALUE, or is gone without one
  local value
  if [ $# -eq 2 ]; then
    must value reg-sz "$run_key" 'Quillet Start'
    expect_eq "$1" "$2" "$value"
  else
    expect_absent "$1: the autostart value is still there" reg-sz "$run_key" 'Quillet Start'
  fi
}

# The first start registers autostart; every page shows; page 0 stores at "적용", its sliders at
# once (and "취소" keeps them), a tip mode clears the hiding box, and "확인" on page 2 stores page 2
# only; the autostart box deletes and writes the value; a hotkey set on page 0 works at once, and
# a combination another program holds is refused.
prefs_pages_and_memos() {
  local lines memo state value
  prefs_folder '[{"windowRect": {"left": 40, "top": 40, "right": 220, "bottom": 58}, "expanded": 0,
    "expandedSize": {"width": 200, "height": 150}, "title": "접힌 메모", "contentFile": "one.rtf"}]'
  write_content one.rtf <<<'메모'
  LC_ALL=$E2E_LOCALE "$E2E_WINE_RUN" reg delete "HKCU\\$run_key" /v 'Quillet Start' /f >/dev/null 2>&1
  start_and_wait_frame
  lines=$(wait_memos 1 10) || exit 1
  memo=$(field "$lines" hwnd)
  expect_run_value "the autostart value of a first start" "$run_value"

  open_prefs
  pages_draw_hangul prefs-page

  must - post-command "$frame_title" 32811  # "시계 설정": the open dialog turns to the clock page
  must - dialog-text "$shown_page" 1044 5
  prefs_page 0
  must - select "$shown_page" 1012 15
  must - click "$prefs_title" 3
  must value reg-dword "$settings\\General" StartDX
  expect_eq "StartDX after 적용" 250 "$value"
  must - slider "$shown_page" 1015 128
  expect_eq "the folded memo's alpha" 128 "$(field "$(memo_line "$memo")" alpha)"
  must value dialog-text "$shown_page" 1029 2
  expect_eq "the slider's label" "50 %" "$value"
  must - select "$shown_page" 1237 1
  button_state state 1021
  expect_eq "the hiding box with a tip mode" "checked=0 enabled=0" "$state"
  must - click "$prefs_title" 2
  must - wait-gone "$prefs_title" 10
  expect_eq "the folded memo's alpha after 취소" 128 "$(field "$(memo_line "$memo")" alpha)"

  open_prefs
  prefs_page 0
  must - select "$shown_page" 1012 20
  prefs_page 2
  must - click "$shown_page" 1137
  must - click "$shown_page" 301  # "..." of "색상 1": the colour dialog, full open
  must - dialog-text @foreground 706 10
  must - set-text @foreground 706 255  # red, green and blue
  must - set-text @foreground 707 120
  must - set-text @foreground 708 40
  local colours
  must colours foreground
  must - click @foreground 1
  must - wait-gone "$(field "$colours" hwnd)" 5
  screenshot prefs-colour-sample
  must - click "$prefs_title" 1
  must - wait-gone "$prefs_title" 10
  must value reg-dword "$settings\\Color" RandomColor
  expect_eq "RandomColor after 확인 on page 2" 1 "$value"
  must value reg-dword "$settings\\Color" Type00
  expect_eq "the first colour" $((40 << 16 | 120 << 8 | 255)) "$value"
  must value reg-dword "$settings\\General" StartDX
  expect_eq "StartDX after 확인 on page 2" 250 "$value"
  must value reg-dword "$settings\\General" MinTransVal
  expect_eq "MinTransVal" 128 "$value"

  open_prefs
  prefs_page 1
  must - click "$shown_page" 1019
  must - click "$prefs_title" 3
  expect_run_value "the autostart value once unticked"
  must - click "$shown_page" 1019
  must - click "$prefs_title" 3
  expect_run_value "the autostart value ticked again" "$run_value"

  prefs_page 0
  must - click "$shown_page" 1098
  must - wait-window "단축키 설정" 10
  must - send-item "단축키 설정" 3071 1025 $((0x600 | 77)) 0  # HKM_SETHOTKEY: Ctrl+Alt+M
  must - click "단축키 설정" 1
  must - wait-gone "단축키 설정" 10
  must - click "$prefs_title" 3
  must value reg-sz "$settings\\HotKey" Key00
  expect_eq "Key00" "1 1 0 77 M" "$value"
  must report hotkeys-free 3 77 78
  expect_eq "Ctrl+Alt+M and N" "$(printf '77 taken\n78 free')" "$report"

  local holding=$E2E_RUN/$E2E_SLUG.holding
  ( driver hold-hotkey 3 75 30 >"$holding" ) &
  wait_for_line "$holding" holding 10 || fail "the driver does not hold Ctrl+Alt+K"
  must - click "$shown_page" 1099
  must - wait-window "단축키 설정" 10
  must - send-item "단축키 설정" 3071 1025 $((0x600 | 75)) 0
  must - click "단축키 설정" 1
  must value dialog-text Quillet 3012 10
  expect_eq "the refusal" "이미 사용 중인 단축키입니다." "$value"
  screenshot prefs-hotkey-taken
  must - click Quillet 1
  must value reg-sz "$settings\\HotKey" Key01
  expect_eq "Key01 after the refusal" "1 1 0 33 PageUp" "$value"
  must - click "$prefs_title" 2
  close_by_broadcast
}

# answer TEXT_PREFIX BUTTON: the program's message box says TEXT_PREFIX… and gets BUTTON (1 확인,
# 6 예, 7 아니오).
answer() {
  local text box
  must - dialog-text Quillet 3012 10
  must box wait-window Quillet 1
  box=$(field "$box" hwnd)
  must text dialog-text "$box" 3012 1
  [[ $text == "$1"* ]] || fail "expected a message beginning '$1', got '$text'"
  [ -z "${3:-}" ] || screenshot "$3"
  must - click "$box" "$2"
  must - wait-gone "$box" 10
}

# Portable mode needs the data folder below the program: outside, the box says so and opens the
# groups dialog, where the folder moves. "아니오" changes nothing; "예" writes "QuilletDB.xml" with
# "$(TARGETPATH)\" and deletes the autostart value; leaving asks about autostart. A settings file
# held open by another program keeps the registry in use, and says so.
prefs_portable() {
  local outside="$WINEPREFIX/drive_c/Quillet Data" data xml state value folder holding
  prefs_folder '[{"windowRect": {"left": 600, "top": 40, "right": 800, "bottom": 190}, "contentFile": "one.rtf"}]'
  write_content one.rtf <<<'포터블 메모'
  data=$(e2e_data_dir)
  xml="$(e2e_program_dir)/QuilletDB.xml"
  rm -rf "$outside" && mv "$data" "$outside" && mkdir -p "$data" || fail "could not move the data folder"
  set_setting General MemoDBFolder sz "$(winpath "$outside")\\"
  set_setting Color Type00 dword 1193046  # 0x123456
  set_setting HotKey HotKey01 sz 'C:\windows\notepad.exe'
  start_and_wait_frame
  wait_memos 1 10 >/dev/null || exit 1
  open_prefs
  prefs_page 1
  must - click "$shown_page" 1022
  answer "포터블 버전에서는 실행 폴더의 하위에" 1
  button_state state 1022
  expect_eq "the portable box after the refusal" "checked=0 enabled=1" "$state"
  must - dialog-text "$groups_title" 2 10
  pick_data_folder "$data"
  must - click "$groups_title" 2
  expect_eq "the old folder's list" "one.rtf" "$(list_fields "$outside/DefaultMemo.qld" contentFile)"

  must - activate "$prefs_title"
  must - click "$shown_page" 1022
  answer "Portable 버전으로 변경하면" 7
  button_state state 1022
  expect_eq "the portable box after 아니오" "checked=0 enabled=1" "$state"
  [ ! -e "$xml" ] || fail "아니오 wrote the settings file"

  must - click "$shown_page" 1022
  answer "Portable 버전으로 변경하면" 6 prefs-portable-question
  wait_file "$xml" 5 || fail "no settings file after 예"
  expect_eq "Portable/Enable" 1 "$(xml_value "$xml" Portable Enable)"
  expect_eq "the data folder in the file" '$(TARGETPATH)\memo_data\' "$(xml_value "$xml" General MemoDBFolder)"
  expect_eq "the first colour in the file" 1193046 "$(xml_value "$xml" Color Type00)"
  expect_eq "the first program target in the file" 'C:\windows\notepad.exe' "$(xml_value "$xml" HotKey HotKey01)"
  expect_run_value "the autostart value in portable mode"
  button_state state 1019
  expect_eq "the autostart box in portable mode" "checked=0 enabled=0" "$state"

  # A settings file that cannot be written is reported when the page is applied.
  ( driver hold-file "$(winpath "$xml")" 4 >"$E2E_RUN/$E2E_SLUG.briefly" 2>&1 ) &
  holding=$!
  wait_for_line "$E2E_RUN/$E2E_SLUG.briefly" holding 10 || fail "could not hold the settings file"
  must - click "$prefs_title" 3
  answer "$(winpath "$xml")파일을 정상적으로 만들지 못하였습니다." 1
  wait "$holding"
  must - click "$shown_page" 1022
  answer "시작 프로그램으로 등록하여" 6
  expect_run_value "the autostart value after leaving" "$run_value"
  expect_eq "Portable/Enable after leaving" 0 "$(xml_value "$xml" Portable Enable)"
  button_state state 1019
  expect_eq "the autostart box after leaving" "checked=1 enabled=1" "$state"

  holding=$E2E_RUN/$E2E_SLUG.holding
  ( driver hold-file "$(winpath "$xml")" 30 >"$holding" 2>&1 ) &
  wait_for_line "$holding" holding 10 || fail "could not hold the settings file"
  must - click "$shown_page" 1022
  answer "Portable 버전으로 변경하면" 6
  answer "$(winpath "$xml")파일을 정상적으로 만들지 못하였습니다." 1
  button_state state 1022
  expect_eq "the portable box when the file cannot be written" "checked=0 enabled=1" "$state"
  button_state state 1019
  expect_eq "the autostart box in registry mode" "checked=1 enabled=1" "$state"
  expect_run_value "the autostart value kept" "$run_value"
  must - click "$prefs_title" 2
  close_by_broadcast
}

# Page 3: "연결" and "실행" start the stub browser (the App Paths one) and a program of an unquoted
# path with spaces, never the decoy "C:\Program.exe"; the run box runs what it is given and keeps
# it in the registry's "HistoryRun", in portable mode too; "기록 지우기" clears it.
prefs_shortcuts() {
  local stubs="$WINEPREFIX/drive_c/Program Files/Stub Browser" value
  prefs_folder
  mkdir -p "$stubs" && cp "$QUILLET_STUB" "$stubs/browser.exe" && cp "$QUILLET_STUB" "$WINEPREFIX/drive_c/Program.exe" ||
    fail "could not place the stubs"
  rm -f "$stubs/browser.exe.txt" "$WINEPREFIX/drive_c/Program.exe.txt"
  LC_ALL=$E2E_LOCALE "$E2E_WINE_RUN" reg add \
    'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\IEXPLORE.EXE' /ve /d 'C:\Program Files\Stub Browser\browser.exe' /f \
    >/dev/null 2>&1 || fail "could not name the browser"
  printf '<Portable><Enable>1</Enable></Portable>' >"$(e2e_program_dir)/QuilletDB.xml"
  start_and_wait_frame
  must - send "$frame_title" 0 0 0 10
  open_prefs
  prefs_page 3
  must - set-text "$shown_page" 2005 'http://example.invalid/a b'
  must - click "$shown_page" 2105
  must - wait-gone "$prefs_title" 10
  wait_file "$stubs/browser.exe.txt" 10 || fail "연결 started no browser"
  expect_eq "the browser's command line" '"C:\Program Files\Stub Browser\browser.exe" "http://example.invalid/a b"' \
    "$(tr -d '\r' <"$stubs/browser.exe.txt")"
  rm -f "$stubs/browser.exe.txt"

  open_prefs
  prefs_page 3
  must - set-text "$shown_page" 2001 'C:\Program Files\Stub Browser\browser.exe'
  must - click "$shown_page" 2101
  must - wait-gone "$prefs_title" 10
  wait_file "$stubs/browser.exe.txt" 10 || fail "실행 started no program"
  rm -f "$stubs/browser.exe.txt"

  open_prefs
  prefs_page 3
  must - set-text "$shown_page" 1032 'C:\Program Files\Stub Browser\browser.exe'
  must - click "$shown_page" 2109
  must - wait-gone "$prefs_title" 10
  wait_file "$stubs/browser.exe.txt" 10 || fail "the run box started nothing"
  must value reg-sz "$settings\\HistoryRun" Script0
  expect_eq "the run box's history" 'C:\Program Files\Stub Browser\browser.exe' "$value"
  [ ! -e "$WINEPREFIX/drive_c/Program.exe.txt" ] || fail "the decoy C:\\Program.exe ran"

  open_prefs
  prefs_page 3
  must - click "$shown_page" 1033
  answer "History를 지우시겠습니까?" 6
  expect_absent "the history is still there" reg-sz "$settings\\HistoryRun" Script0
  must - click "$prefs_title" 2
  close_by_broadcast
  expect_eq "the program targets in the settings file" 'C:\Program Files\Stub Browser\browser.exe' \
    "$(xml_value "$(e2e_program_dir)/QuilletDB.xml" HotKey HotKey01)"
}

# In an English Windows the dialog and its pages show their Hangul, and page 0 stores what it shows.
prefs_english() {
  local value
  prefs_folder
  start_and_wait_frame
  must - send "$frame_title" 0 0 0 10
  open_prefs
  pages_draw_hangul prefs-en
  prefs_page 0
  must - select "$shown_page" 1013 0
  must - click "$prefs_title" 1
  must - wait-gone "$prefs_title" 10
  must value reg-dword "$settings\\General" StartDY
  expect_eq "StartDY" 60 "$value"
  close_by_broadcast
}
