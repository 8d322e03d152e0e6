# shellcheck shell=bash
# Scenarios of the global hotkeys: which combinations the program holds, and what they do when
# pressed (through xdotool, while a memo has the keyboard).
# Sourced by run-e2e.

# Ctrl+Alt and the default keys in action order: N, PageUp, PageDown, F1-F9, I, F11, F12, C, P, S,
# V, D, F.
hotkey_mods=3
default_hotkeys="78 33 34 112 113 114 115 116 117 118 119 120 73 122 123 67 80 83 86 68 70"

# hotkeys_taken: the default keys the driver cannot register, as the program holds them.
hotkeys_taken() {
  local report
  must report hotkeys-free "$hotkey_mods" $default_hotkeys
  grep ' taken$' <<<"$report" | cut -d' ' -f1 | paste -sd' '
}

# press KEYS: xdotool's key press with a memo of the program in front (Wine hears hotkeys only
# while one of its windows has the keyboard).
press() {
  must - activate "$hotkey_memo"
  sleep 0.3  # X moves its keyboard focus after Wine's foreground, and nothing tells when
  xdotool key "$1" || fail "xdotool could not press $1"
}

# Every default is held after start-up, but an entry switched off; with "EnableHotKey" 0 none;
# a combination another program holds leaves the start silent and the others working.
hotkeys_registration() {
  memo_row_group one.rtf
  write_content one.rtf <<<'메모'
  set_setting HotKey Key18 sz "1 1 0 -1 V"
  start_and_wait_frame
  must - send "$frame_title" 0 0 0 10  # start-up done: the keys are registered at its end
  expect_eq "the keys held" "${default_hotkeys/ 86/}" "$(hotkeys_taken)"
  close_by_broadcast
  set_general EnableHotKey 0
  start_and_wait_frame
  must - send "$frame_title" 0 0 0 10
  expect_eq "the keys held without hotkeys" "" "$(hotkeys_taken)"
  close_by_broadcast

  set_general EnableHotKey 1
  set_setting HotKey Key18 sz "1 1 0 86 V"
  local holding=$E2E_RUN/$E2E_SLUG.holding
  ( driver hold-hotkey "$hotkey_mods" 86 40 >"$holding" ) &
  wait_for_line "$holding" holding 10 || fail "the driver does not hold Ctrl+Alt+V"
  start_and_wait_frame
  must - send "$frame_title" 0 0 0 10
  expect_absent "a message came up at start-up" wait-window Quillet 0
  expect_eq "the keys held beside another program's" "$default_hotkeys" "$(hotkeys_taken)"
  close_by_broadcast
}

# Ctrl+Alt+N makes a memo, PageDown and PageUp hide and show them all, V makes one of the
# clipboard's text, F opens the search; the
# first program's key without a program says so and opens the preferences on its page; the first
# address's key starts the App Paths
# browser (a recording stub in a folder with a space) with the address as its one argument, and
# the second program's key the program of an unquoted path with spaces; the decoy
# "C:\Program.exe" never runs. X turns Ctrl+Alt+F1… into console switches, so those three
# entries are stored on Ctrl+Alt+1, 2 and 3.
hotkeys_actions() {
  local lines stubs="$WINEPREFIX/drive_c/Program Files/Stub Browser" log
  memo_row_group one.rtf
  write_content one.rtf <<<'메모'
  mkdir -p "$stubs" && cp "$QUILLET_STUB" "$stubs/browser.exe" && cp "$QUILLET_STUB" "$WINEPREFIX/drive_c/Program.exe" ||
    fail "could not place the stubs"
  log="$stubs/browser.exe.txt"
  rm -f "$log" "$WINEPREFIX/drive_c/Program.exe.txt"
  LC_ALL=$E2E_LOCALE "$E2E_WINE_RUN" reg add \
    'HKLM\SOFTWARE\Microsoft\Windows\CurrentVersion\App Paths\IEXPLORE.EXE' /ve /d 'C:\Program Files\Stub Browser\browser.exe' /f \
    >/dev/null 2>&1 || fail "could not name the browser"
  set_setting HotKey Key03 sz "1 1 0 49 1"
  set_setting HotKey Key04 sz "1 1 0 51 3"
  set_setting HotKey Key07 sz "1 1 0 50 2"
  set_setting HotKey HotKey02 sz 'C:\Program Files\Stub Browser\browser.exe'
  set_setting HotKey HotKey05 sz 'http://example.invalid/a b'
  start_and_wait_frame
  lines=$(wait_memos 1 10) || exit 1
  hotkey_memo=$(field "$lines" hwnd)

  press ctrl+alt+n
  lines=$(wait_memos 2 10) || exit 1
  press ctrl+alt+Next
  expect_memo "$hotkey_memo" visible=0
  press ctrl+alt+Prior
  expect_memo "$hotkey_memo" visible=1
  press ctrl+alt+1
  answer_notice "단축키가 등록되지 않았습니다"
  must - dialog-text "Quillet 환경설정@page" 2001 10  # the preferences, where the program is entered
  must - click "Quillet 환경설정" 2
  must - wait-gone "Quillet 환경설정" 10
  press ctrl+alt+2
  wait_file "$log" 10 || fail "the browser did not start"
  expect_eq "the browser's command line" '"C:\Program Files\Stub Browser\browser.exe" "http://example.invalid/a b"' \
    "$(tr -d '\r' <"$log")"
  rm -f "$log"
  press ctrl+alt+3
  wait_file "$log" 10 || fail "the second program did not start"
  must - set-clipboard '클립보드의 글'
  press ctrl+alt+v
  lines=$(wait_memos 3 10) || exit 1
  local pasted text
  pasted=$(grep ' length=7 ' <<<"$lines") || fail "no memo of the clipboard's seven characters: $lines"
  must text text "$(field "$pasted" editor)"
  expect_eq "the clipboard memo" '클립보드의 글' "$text"
  press ctrl+alt+f
  must - wait-window "메모 찾기" 10
  [ ! -f "$WINEPREFIX/drive_c/Program.exe.txt" ] || fail "the decoy ran: $(cat "$WINEPREFIX/drive_c/Program.exe.txt")"
  close_by_broadcast
}

# visible_titled TEXT: 1 when a window of the program whose text begins with TEXT shows, else 0.
visible_titled() {
  driver windows "$frame_title" 2>/dev/null | grep -F " visible=1 " | grep -qF " text=$1" && echo 1 || echo 0
}

# expect_toggled KEYS TEXT: the key shows the window titled TEXT... when hidden, hides it when shown.
expect_toggled() {
  local before end=$((SECONDS + 5))
  before=$(visible_titled "$2")
  press "$1"
  until [ "$(visible_titled "$2")" -ne "$before" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "$1 left the window '$2' as it was (visible=$before)"
    sleep 0.2
  done
}

# The keys of the other windows: the preferences, the schedule manager, the clock, the calendar,
# the schedule view (with "HotKeyToggle", and the clock's "ViewMode" 0, each of the three widgets
# shows when hidden and hides when shown) and the capture. X keeps Ctrl+Alt+F8, F11 and F12 for console switches, so those three
# entries are stored on Ctrl+Alt+4, 5 and 6.
hotkeys_windows() {
  local lines line
  memo_row_group one.rtf
  write_content one.rtf <<<'메모'
  set_setting HotKey Key11 sz "1 1 0 52 4"
  set_setting HotKey Key13 sz "1 1 0 53 5"
  set_setting HotKey Key14 sz "1 1 0 54 6"
  set_general HotKeyToggle 1
  set_setting Clock ViewMode dword 0
  start_and_wait_frame
  lines=$(wait_memos 1 10) || exit 1
  hotkey_memo=$(field "$lines" hwnd)

  press ctrl+alt+4
  must - wait-window "Quillet 환경설정" 10
  must - click "Quillet 환경설정" 2
  must - wait-gone "Quillet 환경설정" 10
  press ctrl+alt+5
  expect_window "일정 관리" visible=1
  must - click "일정 관리" 1  # "확인" hides it
  expect_window "일정 관리" visible=0
  expect_toggled ctrl+alt+6 "Quillet Clock"
  expect_toggled ctrl+alt+c "달력 2026년 12월"
  expect_toggled ctrl+alt+c "달력 2026년 12월"
  expect_toggled ctrl+alt+s "Quillet Schedule"
  press ctrl+alt+p
  line=$(capture_window) || exit 1
  keys 0x1b
  must - wait-gone "$(field "$line" hwnd)" 5
  close_by_broadcast
}
