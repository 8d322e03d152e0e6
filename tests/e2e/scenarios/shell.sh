# shellcheck shell=bash
# Scenarios of the program as a whole: start-up, the single instance, closing, the settings'
# homes, the data folder and the About box. Sourced by run-e2e.

cannot_run="프로그램을 정상적으로 실행할 수 없습니다."

# start_beside_running_instance: starts the program while another instance holds the lock; it must
# exit at once, without a frame, after asking the running one to show its memos (broadcast 3034).
start_beside_running_instance() {
  local listen_out=$E2E_RUN/$E2E_SLUG.listen listener status
  ( driver listen 20 >"$listen_out" ) &
  listener=$!
  must - wait-window "quillet-driver listener" 10
  start_quillet
  status=$(wait_exit "$E2E_LAST_PID" 8) || fail "a second start still runs after 8 s"
  expect_eq "exit status of the second start" 0 "$status"
  wait "$listener" || fail "the listener saw no broadcast from the second start"
  expect_eq "broadcast seen" "wparam=3034" "$(cat "$listen_out")"
}

first_start() {
  local dir data json
  dir=$(fresh_program_folder) || exit 1
  start_and_wait_frame

  expect_eq "frame visible" 0 "$(field "$frame" visible)"
  expect_eq "frame rectangle" "-100000,-100000,-99999,-99999" "$(field "$frame" rect)"
  (( $(field "$frame" exstyle) & WS_EX_TOOLWINDOW )) || fail "frame lacks WS_EX_TOOLWINDOW: $frame"

  data=$dir/memo_data
  wait_file "$data/DefaultMemo.qld" 10 || fail "no memo_data/DefaultMemo.qld beside the program"
  wait_file "$data/AboutQuillet.rtf" 5 || fail "no memo_data/AboutQuillet.rtf beside the program"
  json=$(dump_list "$data/DefaultMemo.qld") || fail "quillet-data cannot read DefaultMemo.qld"
  local check
  check=$(python3 -c '
import json, sys
records = json.loads(sys.stdin.read())
if len(records) != 1:
    print("%d records" % len(records))
elif records[0]["title"] != "Quillet 사용법":
    print("title %r" % records[0]["title"])
elif records[0]["contentFile"] != "AboutQuillet.rtf":
    print("content file %r" % records[0]["contentFile"])
' <<<"$json") || fail "quillet-data gave no JSON list: $json"
  [ -z "$check" ] || fail "DefaultMemo.qld: expected one record \"Quillet 사용법\" showing AboutQuillet.rtf, got $check"
  [ "$(head -c 5 "$data/AboutQuillet.rtf")" = '{\rtf' ] || fail "AboutQuillet.rtf is not RTF"

  local version
  must version reg-dword "$settings\\Communication" Version
  expect_eq "Communication\\Version" 2 "$version"
  close_by_broadcast
}

# The second start shows the first one's hidden memos and leaves it running.
second_start() {
  local first first_frame memo
  fresh_program_folder >/dev/null || exit 1
  set_general ViewMemoOnStart 0
  start_and_wait_frame
  first=$pid
  first_frame=$(field "$frame" hwnd)
  memo=$(wait_memos 1 10) || exit 1
  expect_eq "the memo at start" 0 "$(field "$memo" visible)"

  start_beside_running_instance
  expect_memo "$(field "$memo" hwnd)" visible=1
  still_running "$first" || fail "the first instance ended after the second start"
  must frame wait-window "$frame_title" 2
  expect_eq "frame of the first instance" "$first_frame" "$(field "$frame" hwnd)"
  pid=$first
  close_by_broadcast
}

# An instance running with other rights (elevated) holds a mutex a normal start may not open:
# that is a running instance all the same, never a reason to run a second one on the same files.
start_beside_elevated_instance() {
  local holding=$E2E_RUN/$E2E_SLUG.holding holder
  fresh_program_folder >/dev/null || exit 1
  ( driver hold-locked-mutex 30 >"$holding" ) &
  holder=$!
  wait_for_line "$holding" holding 10 || fail "could not hold a locked instance mutex"
  start_beside_running_instance
  expect_absent "a second instance made its frame" wait-window "$frame_title" 0
  kill "$holder" 2>/dev/null
}

close_saves_settings() {
  local dir value
  dir=$(fresh_program_folder) || exit 1
  start_and_wait_frame
  expect_absent "General\\StartDX written before the program closed" reg-dword "$settings\\General" StartDX
  close_by_broadcast

  must value reg-dword "$settings\\General" StartDX
  expect_eq "General\\StartDX" 180 "$value"
  must value reg-sz "$settings\\General" MemoDBFolder
  expect_eq "General\\MemoDBFolder" "$(winpath "$dir")\\memo_data\\" "$value"
  must value reg-sz "$settings\\General" MemoDBFile
  expect_eq "General\\MemoDBFile" DefaultMemo.qld "$value"
}

# At log-off Windows ends the process soon after WM_ENDSESSION: the settings are saved first and
# nothing waits for an answer, even when the memo list cannot be written.
end_of_session() {
  local dir data answer value
  dir=$(fresh_program_folder) || exit 1
  data=$dir/memo_data
  start_and_wait_frame
  wait_memos 1 10 >/dev/null || exit 1  # the group is read: the list may go now
  mv "$data/DefaultMemo.qld" "$E2E_RUN/DefaultMemo.qld" && mkdir "$data/DefaultMemo.qld" ||
    fail "could not put a folder in the list's place"

  must answer send "$frame_title" 0x11 0 0x80000000 5  # WM_QUERYENDSESSION, ENDSESSION_LOGOFF
  expect_eq "answer to WM_QUERYENDSESSION" result=1 "$answer"
  must answer send "$frame_title" 0x16 1 0x80000000 5  # WM_ENDSESSION
  expect_eq "answer to WM_ENDSESSION" result=0 "$answer"
  must value reg-dword "$settings\\General" StartDX
  expect_eq "General\\StartDX saved at the end of the session" 180 "$value"
  expect_absent "a message box came up at the end of the session" dialog-text Quillet 3012 1

  rmdir "$data/DefaultMemo.qld" && mv "$E2E_RUN/DefaultMemo.qld" "$data/DefaultMemo.qld"
  close_by_broadcast
}

# A list another program holds at start-up is never written over: what this run keeps goes beside
# it, and the program says once where. A list out of reach is not an empty group: no new memo.
locked_list() {
  local dir data holding=$E2E_RUN/$E2E_SLUG.holding holder text unsaved
  dir=$(fresh_program_folder) || exit 1
  data=$dir/memo_data
  mkdir -p "$data" && cp "$e2e_top/tests/tools/data/starter.qld" "$data/DefaultMemo.qld" || fail "no starter list"
  ( driver hold-file "$(winpath "$data/DefaultMemo.qld")" 60 >"$holding" ) &
  holder=$!
  wait_for_line "$holding" holding 10 || fail "could not hold the list open"
  start_quillet
  pid=$E2E_LAST_PID
  must text dialog-text Quillet 3012 20
  expect_eq "message at start-up" "메모를 열 수 없습니다. 해당 파일이 쓰기 금지되었는지 학인해 보세요" "$text"
  must - click Quillet 1
  must frame wait-window "$frame_title" 10

  must - broadcast 3074
  must text dialog-text Quillet 3012 10
  case $text in
    "메모를 원래 파일에 저장할 수 없어 다음 파일에 저장했습니다: $(winpath "$data")\\DefaultMemo.qld.unsaved-"*) ;;
    *) fail "message at closing: $text" ;;
  esac
  screenshot saved-elsewhere
  must - click Quillet 1
  expect_program_ends "the close broadcast"
  kill "$holder" 2>/dev/null

  cmp -s "$e2e_top/tests/tools/data/starter.qld" "$data/DefaultMemo.qld" || fail "the held list was changed"
  unsaved=$(ls "$data"/DefaultMemo.qld.unsaved-* 2>/dev/null)
  [ "$(grep -c . <<<"$unsaved")" -eq 1 ] || fail "expected one unsaved list beside the held one: $(ls "$data")"
  list_fields "$unsaved" contentFile >/dev/null || fail "quillet-data cannot read $unsaved"
}

portable_on() {
  local dir xml value
  dir=$(fresh_program_folder) || exit 1
  xml=$dir/QuilletDB.xml
  printf '<Portable><Enable>1</Enable></Portable>\n' >"$xml"
  start_and_wait_frame
  close_by_broadcast

  value=$(xml_value "$xml" General StartDX) || fail "QuilletDB.xml has no General/StartDX: $(head -c 300 "$xml")"
  expect_eq "QuilletDB.xml General/StartDX" 180 "$value"
  value=$(xml_value "$xml" General MemoDBFolder) || fail "QuilletDB.xml has no General/MemoDBFolder"
  expect_eq "QuilletDB.xml General/MemoDBFolder" "\$(TARGETPATH)\\memo_data\\" "$value"
  value=$(xml_value "$xml" Portable Enable) || fail "QuilletDB.xml lost Portable/Enable"
  expect_eq "QuilletDB.xml Portable/Enable" 1 "$value"

  expect_absent "portable mode wrote HKCU\\Software\\Quillet Program" reg-exists 'Software\Quillet Program'
}

portable_off() {
  local dir xml before after version
  dir=$(fresh_program_folder) || exit 1
  xml=$dir/QuilletDB.xml
  printf '<Portable><Enable>0</Enable></Portable>\n<General><StartDX>250</StartDX></General>\n' >"$xml"
  before=$(sha256sum <"$xml" | cut -d" " -f1)
  start_and_wait_frame
  close_by_broadcast
  after=$(sha256sum <"$xml" | cut -d" " -f1)
  expect_eq "QuilletDB.xml checksum with Enable 0" "$before" "$after"

  must version reg-dword "$settings\\Communication" Version
  expect_eq "Communication\\Version in the registry" 2 "$version"
  must version reg-dword "$settings\\General" StartDX
  expect_eq "General\\StartDX in the registry (not the file's 250)" 180 "$version"
}

no_data_folder() {
  local dir text status
  dir=$(fresh_program_folder) || exit 1
  printf 'in the way\n' >"$dir/memo_data"
  printf 'in the way\n' >"$E2E_DOCUMENTS/memo_data"
  start_quillet
  pid=$E2E_LAST_PID

  must text dialog-text Quillet 3012 20
  expect_eq "message" "$cannot_run" "$text"
  must text dialog-text Quillet 1 2
  expect_eq "button" "확인" "$text"
  screenshot no-data-folder
  must - click Quillet 1
  must - wait-gone Quillet 10
  status=$(wait_exit "$pid" 10) || fail "still running 10 s after 확인"
  expect_eq "exit status" 0 "$status"

  expect_eq "the file in the program folder" "in the way" "$(cat "$dir/memo_data")"
  expect_eq "the file in Documents" "in the way" "$(cat "$E2E_DOCUMENTS/memo_data")"
}

# expect_drawn HWND X Y HEIGHT WEIGHT TEXT: within 5 s the window shows TEXT at that client point
# in the Korean face, as the driver draws it; prints the text's height.
expect_drawn() {
  local drawn size ink seen common end=$((SECONDS + 5))
  while :; do
    must drawn drawn-text "$1" "$2" "$3" NanumGothic "$4" "$5" "$6"
    e2e_log "$6: $drawn"
    size=$(field "$drawn" size) ink=$(field "$drawn" ink) seen=$(field "$drawn" seen) common=$(field "$drawn" common)
    # The same text in the same font matches to the pixel; one digit changed is some 15 % off.
    [ "$ink" -gt 0 ] && [ $((common * 50)) -ge $((ink * 49)) ] && [ $((common * 50)) -ge $((seen * 49)) ] && break
    [ "$SECONDS" -ge "$end" ] && fail "'$6' is not drawn at $2,$3 of the About box: $drawn"
    sleep 0.3
  done
  printf '%s\n' "${size#*x}"
}

# about_box SCREENSHOT, in the scenario's locale: the box draws its title and lines in a face that
# has Hangul, whatever the locale.
about_box() {
  local shot=$1 fg="" about rect width height end
  fresh_program_folder >/dev/null || exit 1
  start_and_wait_frame
  must - post-command "$frame_title" 32775

  end=$((SECONDS + 10))
  while :; do
    fg=$(driver foreground 2>/dev/null) || fg=""
    rect=$(field "$fg" rect)
    if [ -n "$rect" ]; then
      IFS=, read -r l t r b <<<"$rect"
      width=$((r - l)) height=$((b - t))
      [ "$width" -eq 275 ] && [ "$height" -eq 131 ] && break
    fi
    [ "$SECONDS" -ge "$end" ] && fail "no 275 x 131 foreground window after the About command; foreground: ${fg:-none}"
    sleep 0.2
  done
  about=$(field "$fg" hwnd)
  local top=18 height line
  height=$(expect_drawn "$about" 100 "$top" -20 700 Quillet) || exit 1
  top=$((top + height + 6))
  for line in "바탕화면 메모와 일정 알리미" "버전 $(cat "$E2E_BUILD/version.txt")" "메모, 일정, 달력을 한곳에" \
    "(C) 2026 Quillet Program"; do
    height=$(expect_drawn "$about" 100 "$top" -12 400 "$line") || exit 1
    top=$((top + height + 3))
  done
  screenshot "$shot"

  must - click "$about" 3020
  must - wait-gone "$about" 5
  still_running "$pid" || fail "the program ended with its About box"
  close_by_broadcast
}

# A close request while a modal dialog runs ends the dialog while the frame still stands (it closes
# one second later), so nothing is destroyed under the dialog's loop.
close_with_dialog_open() {
  local fg="" end order=$E2E_RUN/$E2E_SLUG.order watcher value
  fresh_program_folder >/dev/null || exit 1
  start_and_wait_frame
  must - post-command "$frame_title" 32775
  end=$((SECONDS + 10))
  until [ "$(field "$fg" rect | awk -F, '{ print $3 - $1 "x" $4 - $2 }')" = 275x131 ]; do
    [ "$SECONDS" -ge "$end" ] && fail "the About box did not come up"
    sleep 0.2
    fg=$(driver foreground 2>/dev/null) || fg=""
  done
  ( driver gone-first "$(field "$fg" hwnd)" "$frame_title" 10 >"$order" 2>&1 ) &
  watcher=$!
  wait_for_line "$order" watching 10 || fail "the watcher did not start: $(cat "$order")"
  must - broadcast 3074
  wait "$watcher" || fail "closing over the About box: $(tail -n 1 "$order")"
  expect_program_ends "the close broadcast"
  must value reg-dword "$settings\\General" StartDX
  expect_eq "General\\StartDX after closing over a dialog" 180 "$value"
}

about_ko() { about_box about-ko; }
about_en() { about_box about-en; }
