# shellcheck shell=bash
# Harness of the end-to-end tests, sourced by run-e2e: a fresh Wine prefix and a private X server,
# program folders inside the prefix, the driver, and a small scenario runner with time limits.
#
# Scenario functions run in a subshell; `fail REASON` ends the scenario. Everything started here
# is stopped by e2e_teardown, which runs on exit, on failure and on Ctrl-C.

e2e_here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
e2e_top=$(cd "$e2e_here/../.." && pwd)
E2E_WINE_RUN=$e2e_top/tests/wine-run
# shellcheck source=../xvfb.sh
. "$e2e_top/tests/xvfb.sh"
# shellcheck source=../wine-prefix.sh
. "$e2e_top/tests/wine-prefix.sh"

export WINEDEBUG=${WINEDEBUG:--all}
# No Mono or Gecko installers, and no menu entries written into the real home.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-mscoree,mshtml,winemenubuilder.exe=}

E2E_SCENARIO_SECONDS=${E2E_SCENARIO_SECONDS:-40}  # one scenario, preparation included
E2E_SUITE_SECONDS=${E2E_SUITE_SECONDS:-1200}      # everything from e2e_setup on
E2E_LOCALE=ko_KR.UTF-8  # of every Wine process of a scenario; `scenario` sets it
# E2E_SHARD=K/N: this run takes every Nth scenario from the Kth, in a folder, prefix and X server
# of its own ("e2e-K"), so that N runs can share the machine.
E2E_SHARD=${E2E_SHARD:-1/1}
if [ "$E2E_SHARD" != 1/1 ]; then
  E2E_NAME=${E2E_NAME:-e2e-${E2E_SHARD%/*}}
fi

e2e_passed=0
e2e_failed=0
e2e_scenarios_seen=0
e2e_scenario_pid=
E2E_SLUG=setup

e2e_log() { printf '[%s] %s\n' "$(date +%H:%M:%S)" "$*" >&2; }

# e2e_alive PID: the process runs (a zombie of ours does not count).
e2e_alive() {
  local state
  [ -r "/proc/$1/stat" ] || return 1
  read -r _ _ state _ <"/proc/$1/stat" 2>/dev/null || return 1
  [ "$state" != Z ]
}

# e2e_kill_tree PID: that process and everything it started, by id.
e2e_kill_tree() {
  local pid=$1 child
  kill -STOP "$pid" 2>/dev/null
  for child in $(ps -o pid= --ppid "$pid" 2>/dev/null); do e2e_kill_tree "$child"; done
  kill -KILL "$pid" 2>/dev/null
}

# Ends every Wine program of the test prefix with its server, and starts a new server, warmed up,
# for what comes next. Killed programs can leave Wine's own (the desktop, the services) half
# started, so a scenario gets a new server rather than the last one's; and no program starts until
# the old server has gone and the new one answers, so none connects to a server on its way out.
e2e_stop_wine() {
  [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] || return 0
  wine_server_stop
  LC_ALL=ko_KR.UTF-8 wine_server_start || e2e_log "could not start a wineserver for $WINEPREFIX"
  return 0
}

e2e_setup_failed() {
  printf 'FAIL setup: %s\n' "$*"
  e2e_failed=$((e2e_failed + 1))
  return 1
}

# e2e_setup BUILD_DIR: the Windows build folder; QUILLET_EXE and QUILLET_DRIVER may point elsewhere.
e2e_setup() {
  e2e_started=$SECONDS
  E2E_BUILD=$(cd "$1" 2>/dev/null && pwd) || { e2e_setup_failed "no build folder $1"; return 1; }
  E2E_DIR=$E2E_BUILD/${E2E_NAME:-e2e}  # the package tier has its own
  E2E_SCREENS=$E2E_DIR/screens
  E2E_LOGS=$E2E_DIR/logs
  E2E_RUN=$E2E_DIR/run
  export WINEPREFIX=$E2E_DIR/prefix
  QUILLET_EXE=${QUILLET_EXE:-$E2E_BUILD/win/Quillet.exe}
  QUILLET_DRIVER=${QUILLET_DRIVER:-$E2E_BUILD/tests/e2e/quillet-driver.exe}
  QUILLET_STUB=${QUILLET_STUB:-$E2E_BUILD/tests/e2e/quillet-stub.exe}

  trap e2e_teardown EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM

  [ -f "$QUILLET_EXE" ] || { e2e_setup_failed "no program at $QUILLET_EXE"; return 1; }
  [ -f "$QUILLET_DRIVER" ] || { e2e_setup_failed "no driver at $QUILLET_DRIVER"; return 1; }

  [ -d "$WINEPREFIX" ] && wine_server_stop  # a server left by an interrupted run
  rm -rf "$WINEPREFIX" "$E2E_SCREENS" "$E2E_LOGS" "$E2E_RUN"
  mkdir -p "$WINEPREFIX" "$E2E_SCREENS" "$E2E_LOGS" "$E2E_RUN"

  xvfb_start "$E2E_LOGS/xvfb.log" || { e2e_setup_failed "could not start Xvfb (log: $E2E_LOGS/xvfb.log)"; return 1; }
  # scripts/test makes one prefix for every tier (E2E_PRISTINE_PREFIX); alone, the suite makes its own.
  if [ -n "${E2E_PRISTINE_PREFIX:-}" ]; then
    wine_copy_prefix "$E2E_PRISTINE_PREFIX" ||
      { e2e_setup_failed "could not copy the Wine prefix $E2E_PRISTINE_PREFIX"; return 1; }
  elif ! LC_ALL=ko_KR.UTF-8 wine_prepare_prefix >"$E2E_LOGS/wineboot.log" 2>&1; then
    e2e_setup_failed "could not make the Wine prefix (log: $E2E_LOGS/wineboot.log)"
    return 1
  fi
  wine_server_stop

  # Wine links the shell folders to the real home; the tests write into Documents.
  local link
  while IFS= read -r link; do
    rm -f "$link" && mkdir -p "$link"
  done < <(find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -type l)
  E2E_DOCUMENTS=$(find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -name Documents -not -path '*/Public/*' | head -n 1)
  [ -d "$E2E_DOCUMENTS" ] || { e2e_setup_failed "no Documents folder in the prefix"; return 1; }

  LC_ALL=ko_KR.UTF-8 wine_server_start || { e2e_setup_failed "could not start the wineserver"; return 1; }
  e2e_write_reset_file || { e2e_setup_failed "could not write the registry reset"; return 1; }
  e2e_log "setup done in $((SECONDS - e2e_started)) s, DISPLAY=$DISPLAY"
}

e2e_teardown() {
  if [ -n "$e2e_scenario_pid" ]; then
    e2e_kill_tree "$e2e_scenario_pid"
    wait "$e2e_scenario_pid" 2>/dev/null
    e2e_scenario_pid=
  fi
  wine_server_stop
  xvfb_stop
}

# --- inside a scenario ---------------------------------------------------------------------------

fail() {
  printf '%s\n' "$*" >"$E2E_RUN/$E2E_SLUG.reason"
  e2e_log "FAIL: $*"
  exit 1
}

# driver ARGS...: runs quillet-driver; its stdout is the result.
driver() {
  printf '%s\n' "driver $*" >"$E2E_RUN/$E2E_SLUG.step"
  e2e_log "driver $*"
  LC_ALL=$E2E_LOCALE "$E2E_WINE_RUN" "$QUILLET_DRIVER" "$@"
}

# retried WHAT: notes a step that had to run again, for the summary line (a pass is never silent
# about it).
retried() {
  printf '%s: %s\n' "$E2E_SLUG" "$*" >>"$E2E_RUN/retries"
  e2e_log "retried: $*"
}

# driver_answer ERRFILE ARGS...: runs the driver with its complaints into ERRFILE; once more, noted,
# when Wine did not run it at all (a failing status and no word from the driver itself).
driver_answer() {
  local err=$1 out status
  shift
  status=0
  out=$(driver "$@" 2>"$err") || status=$?
  if [ "$status" -ne 0 ] && [ -z "$out" ] && ! grep -q 'quillet-driver' "$err"; then
    retried "driver $* (status $status, not started)"
    status=0
    out=$(driver "$@" 2>"$err") || status=$?
  fi
  printf '%s' "$out"
  return "$status"
}

# must VAR|- ARGS...: runs the driver into VAR (or nowhere); fails the scenario with its complaint.
must() {
  local into=$1 out err=$E2E_RUN/$E2E_SLUG.driver-err status=0
  shift
  out=$(driver_answer "$err" "$@") || status=$?
  [ "$status" -eq 0 ] || { cat "$err" >&2; fail "driver $*: status $status: $(tr '\n' ' ' <"$err")"; }
  cat "$err" >&2
  [ "$into" = - ] || printf -v "$into" '%s' "$out"
}

# expect_absent WHAT ARGS...: the driver itself answers that the thing asked for is not there (its
# own complaint and status 1). A driver that succeeded fails the scenario with WHAT; one that Wine
# never ran, or that failed otherwise, fails it too, so the check cannot pass by accident.
expect_absent() {
  local what=$1 out err=$E2E_RUN/$E2E_SLUG.driver-err status=0
  shift
  out=$(driver_answer "$err" "$@") || status=$?
  [ "$status" -ne 0 ] || fail "$what: $out"
  [ "$status" -eq 1 ] && grep -q '^quillet-driver: ' "$err" ||
    fail "$what: no answer from the driver (status $status: $(tr '\n' ' ' <"$err"))"
  cat "$err" >&2
}

# field LINE KEY: the value of KEY=value in a driver line (title= takes the rest of the line).
field() {
  case $2 in
    title) sed -n 's/.* title=//p' <<<"$1" ;;
    *) tr ' ' '\n' <<<"$1" | sed -n "s/^$2=//p" | head -n 1 ;;
  esac
}

expect_eq() {  # WHAT EXPECTED ACTUAL
  [ "$2" = "$3" ] || fail "$1: expected '$2', got '$3'"
}

# winpath UNIX_PATH: the path as the program sees it.
winpath() {
  local p=$1
  case $p in
    "$WINEPREFIX/drive_c"/*) p="C:${p#"$WINEPREFIX/drive_c"}" ;;
    *) p="Z:$p" ;;
  esac
  printf '%s\n' "${p//\//\\}"
}

# A scenario may set E2E_PROGRAM_DIR for a folder of its own (one with a space in its path).
e2e_program_dir() { printf '%s\n' "${E2E_PROGRAM_DIR:-$WINEPREFIX/drive_c/e2e/$E2E_SLUG}"; }

# fresh_program_folder: an empty program folder with Quillet.exe (and any skins beside it); prints it.
fresh_program_folder() {
  local dir skin
  dir=$(e2e_program_dir)
  rm -rf "$dir"
  mkdir -p "$dir"
  cp "$QUILLET_EXE" "$dir/Quillet.exe" || fail "could not copy $QUILLET_EXE"
  for skin in "$(dirname "$QUILLET_EXE")"/*Skin; do
    [ -d "$skin" ] && cp -r "$skin" "$dir/"
  done
  printf '%s\n' "$dir"
}

# start_quillet [LOCALE]: starts the program of the scenario's folder in the background (in the
# scenario's locale unless told); E2E_LAST_PID names it for wait_exit.
start_quillet() {
  local locale=${1:-$E2E_LOCALE} dir exe
  dir=$(e2e_program_dir)
  [ -f "$dir/Quillet.exe" ] || fail "start_quillet before fresh_program_folder"
  exe="$(winpath "$dir")\\Quillet.exe"
  (
    cd "$dir" || exit 1
    LC_ALL=$locale "$E2E_WINE_RUN" "$exe" >>"$E2E_LOGS/$E2E_SLUG.quillet.log" 2>&1
    echo $? >"$E2E_RUN/$BASHPID.status.tmp"
    mv "$E2E_RUN/$BASHPID.status.tmp" "$E2E_RUN/$BASHPID.status"
  ) &
  E2E_LAST_PID=$!
  e2e_log "started Quillet.exe ($locale) as $E2E_LAST_PID"
}

# wait_exit PID SECONDS: prints the exit status; fails (status 1) while the program still runs.
wait_exit() {
  local status_file=$E2E_RUN/$1.status end=$((SECONDS + $2))
  while [ ! -f "$status_file" ]; do
    [ "$SECONDS" -ge "$end" ] && return 1
    sleep 0.1
  done
  cat "$status_file"
}

# still_running PID: the program has not ended.
still_running() { [ ! -f "$E2E_RUN/$1.status" ]; }

# e2e_write_reset_file: C:\e2e-reset.reg, which puts back what scenarios change outside their
# folders (the settings key, the autostart value, the browser's App Paths entry as the prefix had
# it) and links the Korean fonts again, in one regedit run.
e2e_write_reset_file() {
  local app_paths='HKEY_LOCAL_MACHINE\Software\Microsoft\Windows\CurrentVersion\App Paths\IEXPLORE.EXE'
  rm -f "$WINEPREFIX/drive_c/e2e-app-paths.reg"
  LC_ALL=ko_KR.UTF-8 "$E2E_WINE_RUN" regedit /E 'C:\e2e-app-paths.reg' "$app_paths" >/dev/null 2>&1
  wine_write_korean_fonts && python3 "$e2e_here/tools/make_reset_reg.py" "$WINEPREFIX/drive_c" "$app_paths"
}

reset_registry() {
  LC_ALL=$E2E_LOCALE "$E2E_WINE_RUN" regedit /S 'C:\e2e-reset.reg' >/dev/null 2>&1 || fail "could not reset the registry"
  expect_absent "HKCU\\Software\\Quillet Program still there after its deletion" reg-exists 'Software\Quillet Program'
}

screenshot() {
  import -display "$DISPLAY" -window root "$E2E_SCREENS/$1.png" 2>>"$E2E_LOGS/screenshots.log" ||
    e2e_log "screenshot $1 failed"
}

# Every scenario starts alike: no Wine program, nothing of the last one's on the disk or in the
# registry, the pointer in the corner, and the program's clock at a moment far from the clock
# widget's :00 and :30 raises (scenarios that watch the clock pin their own).
e2e_prepare() {
  rm -rf "$(e2e_program_dir)" "$E2E_DOCUMENTS/memo_data" "$WINEPREFIX/drive_c/Program.exe"* "$(e2e_user_files_dir)"
  export QUILLET_TEST_NOW="2026-12-08 10:10:00"
  xdotool mousemove 1279 1023 || fail "xdotool could not move the pointer"
  reset_registry
}

# --- the program ---------------------------------------------------------------------------------

frame_title="Quillet Program"
memo_tip_title="Quillet Memo Tip"
settings='Software\Quillet Program\Quillet'
WS_EX_TOOLWINDOW=0x80
pid=""    # the program a scenario started; set by start_and_wait_frame
frame=""  # the driver's line about the main frame

# quillet_data dump FILE | import FILE.json OUT: the data tool, native or the Windows one
# (E2E_DATA_TOOL).
quillet_data() {
  local command=$1 file args=()
  shift
  case $E2E_DATA_TOOL in
    *.exe)
      for file; do args+=("$(winpath "$file")"); done
      LC_ALL=$E2E_LOCALE "$E2E_WINE_RUN" "$E2E_DATA_TOOL" "$command" "${args[@]}" ;;
    *) "$E2E_DATA_TOOL" "$command" "$@" ;;
  esac
}

dump_list() { quillet_data dump "$1"; }  # FILE: the memo list as JSON

# xml_value FILE SECTION KEY: the text of <SECTION><KEY> in the settings file (its bytes may be CP949).
xml_value() {
  python3 - "$@" <<'EOF'
import re, sys
data = open(sys.argv[1], 'rb').read().decode('latin-1')
section = re.search(r'<%s>(.*?)</%s>' % (sys.argv[2], sys.argv[2]), data, re.S)
key = section and re.search(r'<%s>(.*?)</%s>' % (sys.argv[3], sys.argv[3]), section.group(1), re.S)
if not key:
    sys.exit(1)
print(key.group(1))
EOF
}

wait_file() {  # PATH SECONDS
  local end=$((SECONDS + $2))
  until [ -f "$1" ]; do
    [ "$SECONDS" -ge "$end" ] && return 1
    sleep 0.1
  done
}

# Starts the program and waits for its hidden frame; sets pid and frame (the driver's line).
start_and_wait_frame() {
  start_quillet
  pid=$E2E_LAST_PID
  must frame wait-window "$frame_title" 20
}

# expect_program_ends WHY: the frame goes and the process ends cleanly.
expect_program_ends() {
  local status
  must - wait-gone "$frame_title" 10
  status=$(wait_exit "$pid" 10) || fail "still running 10 s after $1"
  expect_eq "exit status after $1" 0 "$status"
}

# Closes the program as another process would, and checks that it ends cleanly.
close_by_broadcast() {
  must - broadcast 3074
  expect_program_ends "the close broadcast"
}

# wait_until SECONDS WHY COMMAND...: COMMAND succeeds within SECONDS, asked again every 0.1 s;
# else the scenario fails with WHY.
wait_until() {
  local end=$((SECONDS + $1)) why=$2
  shift 2
  until "$@"; do
    [ "$SECONDS" -ge "$end" ] && fail "$why"
    sleep 0.1
  done
}

# wait_for_line FILE TEXT SECONDS: a background driver has printed TEXT.
wait_for_line() {
  local end=$((SECONDS + $3))
  until grep -qx "$2" "$1" 2>/dev/null; do
    [ "$SECONDS" -ge "$end" ] && return 1
    sleep 0.1
  done
}

# pinned_clock "YYYY-MM-DD HH:MM:SS": the program starts at that moment and traces its heartbeat.
pinned_clock() {
  export QUILLET_TEST_NOW=$1
  E2E_TRACE=$E2E_RUN/$E2E_SLUG.trace
  rm -f "$E2E_TRACE"
  export QUILLET_TEST_TRACE
  QUILLET_TEST_TRACE=$(winpath "$E2E_TRACE")
}

# wait_trace LINE SECONDS: the trace holds that line.
wait_trace() {
  wait_for_line "$E2E_TRACE" "$1" "$2" || fail "no trace line '$1' after $2 s; trace: $(tr '\n' '|' <"$E2E_TRACE" 2>/dev/null)"
}

# wait_firing RECORD KIND SECONDS: the trace holds the firing of that record ("on time" or
# "warning"), whenever in the minute it came.
wait_firing() {
  local end=$((SECONDS + $3))
  until grep -q " fire $1 $2\$" "$E2E_TRACE" 2>/dev/null; do
    [ "$SECONDS" -ge "$end" ] && fail "record $1 did not fire ($2) in $3 s; trace: $(tr '\n' '|' <"$E2E_TRACE" 2>/dev/null)"
    sleep 0.2
  done
}

# --- memos ---------------------------------------------------------------------------------------

# set_setting SECTION NAME dword|sz VALUE: a value of the program's settings, before it starts.
# reg always says how it went, after "reg:": a failure without that word means Wine did not run
# it (silence, or the loader's own complaint), and it runs once more, named among the retried.
set_setting() {
  local type=REG_DWORD out status=0
  [ "$3" = sz ] && type=REG_SZ
  out=$(LC_ALL=$E2E_LOCALE "$E2E_WINE_RUN" reg add "HKCU\\$settings\\$1" /v "$2" /t "$type" /d "$4" /f 2>&1) ||
    status=$?
  if [ "$status" -ne 0 ] && ! grep -q '^reg:' <<<"$out"; then
    retried "reg add $1\\$2 (status $status, not started: $out)"
    status=0
    out=$(LC_ALL=$E2E_LOCALE "$E2E_WINE_RUN" reg add "HKCU\\$settings\\$1" /v "$2" /t "$type" /d "$4" /f 2>&1) ||
      status=$?
  fi
  [ "$status" -eq 0 ] || fail "could not set $1\\$2 (status $status): $out"
}

set_general() { set_setting General "$1" dword "$2"; }  # NAME NUMBER

e2e_data_dir() { printf '%s\n' "$(e2e_program_dir)/memo_data"; }
# Where the program keeps its files when its own folder cannot be written.
e2e_user_files_dir() { printf '%s\n' "$(dirname "$E2E_DOCUMENTS")/AppData/Roaming/Quillet"; }

# add_schedule_from_manager MESSAGE: "일정 관리" opened from the frame, and through its "추가" a
# schedule of MESSAGE with the editor's defaults (today); the manager stays open.
add_schedule_from_manager() {
  must - post-command "$frame_title" 32804
  must - wait-window "일정 관리" 10
  must - click "일정 관리" 1064
  must - dialog-text "일정 추가" 1072 10
  must - set-text "일정 추가" 1072 "$1"
  must - click "일정 추가" 1
  must - wait-gone "일정 추가" 5
}

# lay_out_group < JSON: a fresh program folder whose current group holds the memo records of that
# JSON (the form `quillet-data dump` prints; left-out fields take a new memo's values).
lay_out_group() {
  local data json=$E2E_RUN/$E2E_SLUG.group.json
  fresh_program_folder >/dev/null || exit 1
  data=$(e2e_data_dir)
  mkdir -p "$data" && cat >"$json" || fail "could not write $json"
  quillet_data import "$json" "$data/DefaultMemo.qld" || fail "quillet-data could not import $json"
}

# write_content NAME [picture] < TEXT: a memo content file in the data folder, RTF in code page 949
# as the program writes it; lines become paragraphs (one final newline is dropped, so here-strings
# serve). With "picture", a small bitmap follows the text.
write_content() {
  python3 -c '
import struct, sys
path, picture = sys.argv[1], sys.argv[2]
text = sys.stdin.read()
text = text[:-1] if text.endswith("\n") else text
out = []
for ch in text:
    if ch in "\\{}":
        out.append("\\" + ch)
    elif ch == "\n":
        out.append("\\par\n")
    elif ord(ch) < 128:
        out.append(ch)
    else:
        out.append("".join("\\\x27%02x" % b for b in ch.encode("cp949")))
if picture:
    # An 8 x 8 device-independent bitmap, 24 bits a pixel.
    header = struct.pack("<IiiHHIIiiII", 40, 8, 8, 1, 24, 0, 8 * 8 * 3, 2835, 2835, 0, 0)
    pixels = bytes([0x20, 0x20, 0xe0]) * 64
    out.append("{\\pict\\dibitmap0\\picw8\\pich8\\picwgoal120\\pichgoal120 %s}" % (header + pixels).hex())
rtf = "{\\rtf1\\ansi\\ansicpg949\\deff0{\\fonttbl{\\f0\\fcharset129 Gulim;}}\\f0 " + "".join(out) + "}"
open(path, "w", encoding="ascii").write(rtf)
' "$(e2e_data_dir)/$1" "${2:-}" || fail "could not write the content file $1"
}

# list_fields FILE FIELD...: a line for each record of the memo list with its FIELDs, separated by
# spaces; a rectangle or a size is its numbers joined by commas.
list_fields() {
  local json
  json=$(dump_list "$1") || fail "quillet-data cannot read $1"
  shift
  python3 -c '
import json, sys
for record in json.loads(sys.stdin.read()):
    values = [record[name] for name in sys.argv[1:]]
    print(" ".join(",".join(map(str, v.values())) if isinstance(v, dict) else str(v) for v in values))
' "$@" <<<"$json" || fail "no fields $* in $json"
}

# wait_memos COUNT SECONDS: the driver's lines about the program's memo windows once there are
# COUNT, each whole (a window being made has no editor yet). The frame answers a message only
# once the start-up has made and placed them all.
wait_memos() {
  local lines end=$((SECONDS + $2))
  must - send "$frame_title" 0 0 0 "$2"
  while :; do
    lines=$(driver memos 2>/dev/null) || lines=""
    [ "$(grep -c . <<<"$lines")" -eq "$1" ] && ! grep -q ' editor=0x0 ' <<<"$lines" && break
    [ "$SECONDS" -ge "$end" ] && fail "expected $1 memo windows, found: ${lines:-none}"
    sleep 0.3
  done
  printf '%s\n' "$lines" >&2  # into the scenario's log
  printf '%s\n' "$lines"
}

# memo_at X Y [LINES]: the line of the topmost memo window whose rectangle holds the screen point.
memo_at() {
  local lines=${3:-} line l t r b
  [ -n "$lines" ] || must lines memos
  while IFS= read -r line; do
    IFS=, read -r l t r b <<<"$(field "$line" rect)"
    if [ "$1" -ge "$l" ] && [ "$1" -lt "$r" ] && [ "$2" -ge "$t" ] && [ "$2" -lt "$b" ]; then
      printf '%s\n' "$line"
      return
    fi
  done <<<"$lines"
  fail "no memo window at $1,$2 among: $lines"
}

# folded_size TITLE CONTRACT_DX: the folded memo's WIDTHxHEIGHT for that title in the default title
# font, the text measured on the screen as the program measures it.
folded_size() {
  local text w h
  must text text-size Tahoma 14 400 "$1"
  w=$((${text%x*} + 40)) h=$((${text#*x} + 2))
  printf '%sx%s\n' $((w > $2 ? w : $2)) $((h > 18 ? h : 18))
}

# press_strip_button STRIP WIDTH ID: clicks a button the title strip draws itself, at its middle
# (1005 the pin at the left; 1004, 1006, 1007, 1003, 1008 measured from the strip's right).
press_strip_button() {
  local x
  case $3 in
    1005) x=8 ;;
    1004) x=$(($2 - 65)) ;;
    1006) x=$(($2 - 52)) ;;
    1007) x=$(($2 - 38)) ;;
    1003) x=$(($2 - 24)) ;;
    1008) x=$(($2 - 10)) ;;
    *) fail "no strip button $3" ;;
  esac
  must - click-at "$1" "$x" 8
}

# hwnd_at X Y [LINES]: the handle of the memo window at that screen point.
hwnd_at() {
  local line
  line=$(memo_at "$@") || exit 1
  field "$line" hwnd
}

# memo_mismatch LINE KEY=VALUE...: each value of the driver's memo line that differs; "topmost" is
# read from exstyle, "bottom" (the last of all top-level windows) from z.
memo_mismatch() {
  local line=$1 pair key actual z
  shift
  [ -n "$line" ] || { printf ' gone;'; return; }
  for pair; do
    key=${pair%%=*}
    case $key in
      topmost) actual=$(( $(field "$line" exstyle) & 0x8 ? 1 : 0 )) ;;
      bottom) z=$(field "$line" z); actual=$(( ${z%/*} + 1 == ${z#*/} ? 1 : 0 )) ;;
      *) actual=$(field "$line" "$key") ;;
    esac
    [ "$actual" = "${pair#*=}" ] || printf ' %s %s, expected %s;' "$key" "$actual" "${pair#*=}"
  done
}

# expect_line WHAT GET ARG KEY=VALUE...: within 5 s the line `GET ARG` prints shows those values
# (see memo_mismatch).
expect_line() {
  local what=$1 get=$2 arg=$3 line mismatch end=$((SECONDS + 5))
  shift 3
  while :; do
    line=$("$get" "$arg")
    mismatch=$(memo_mismatch "$line" "$@")
    [ -z "$mismatch" ] && return 0
    [ "$SECONDS" -ge "$end" ] && fail "$what:$mismatch line: ${line:-gone}"
    sleep 0.3
  done
}

memo_line() { driver memos 2>/dev/null | grep "^hwnd=$1 "; }    # HWND
window_line() { driver wait-window "$1" 0 2>/dev/null; }         # TITLE, hidden windows too

# expect_memo HWND KEY=VALUE...: within 5 s the memo window shows those values.
expect_memo() { expect_line "memo $1" memo_line "$@"; }

# expect_window TITLE KEY=VALUE...: within 5 s the window shows those values of wait-window's line.
expect_window() { expect_line "window $1" window_line "$@"; }

# mouse_to X Y: the pointer moves there, as the user's mouse would.
mouse_to() {
  e2e_log "mouse to $1,$2"
  xdotool mousemove "$1" "$2" || fail "xdotool could not move the mouse to $1,$2"
}

# expect_pixel WHAT X Y COLORREF: the screen shows that colour there within 3 s.
expect_pixel() {
  local seen end=$((SECONDS + 3))
  until seen=$(driver pixels "$2" "$3" 0 1 2>/dev/null) && [ "$seen" = "$4" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "$1: the screen at $2,$3 is ${seen:-unreadable}, expected $4"
    sleep 0.2
  done
}

# tray_click BUTTON: a click (1 left, 3 right) on the program's icon, the first in Wine's own
# tray window, which stands at the top left of a screen without a taskbar.
tray_click() {
  local tray l t r b
  must tray wait-window "Wine System Tray" 10
  IFS=, read -r l t r b <<<"$(field "$tray" rect)"
  e2e_log "tray click $1"
  xdotool mousemove $((l + 12)) $((b - 14)) click "$1" || fail "xdotool could not click the tray icon"
}

# menu_pick TEXT...: in the open popup menu, each TEXT in turn chosen with the keyboard as a user
# would: Down to it, then Right into a submenu or Enter on a command. A menu opened by a click has
# nothing highlighted, a submenu opened by Right its first item.
menu_pick() {
  local text items index kind before="" downs end
  for text; do
    end=$((SECONDS + 5))
    until must items menu "@class:#32768" && [ "$items" != "$before" ]; do
      [ "$SECONDS" -ge "$end" ] && fail "the submenu did not open before '$text'"
      sleep 0.1
    done
    index= kind=
    read -r index kind < <(awk -F'\t' -v want="$text" '
      /^  / { next }
      $1 != "separator" { n++ }
      $3 == want { print n, $1; exit }' <<<"$items")
    [ -n "${index:-}" ] || fail "no item '$text' in the menu: $(tr '\n\t' '| ' <<<"$items")"
    downs=$index
    [ -n "$before" ] && downs=$((index - 1))
    # shellcheck disable=SC2046
    keys $(yes 0x28 | head -n "$downs") "$([ "$kind" = popup ] && echo 0x27 || echo 0x0d)"
    before=$items
  done
}

# tray_pick TEXT...: the tray icon's menu opened with a right click, and TEXT... chosen in it (the
# last a command).
tray_pick() {
  tray_click 3
  must - wait-window "@class:#32768" 5
  menu_pick "$@"
  must - wait-gone "@class:#32768" 5
}

# keys VK...: each key pressed and released, into whatever has the keyboard (an open menu too).
keys() { must - keys "$@"; }

# command_with_key VK MEMO ID: the command runs while the key is held, as GetKeyState sees it.
command_with_key() {
  must - activate "$2"
  must - key-down "$1"
  sleep 0.3
  must - post-command "$2" "$3"
  sleep 0.5
  must - key-up "$1"
}

# pick_data_folder FOLDER [SCREENSHOT]: "..." of the open groups dialog, and FOLDER chosen in the
# system's folder browser (Wine's does not open at the current folder, which the program asks for,
# so the driver walks its tree from the drive).
pick_data_folder() {
  local browser end=$((SECONDS + 10))
  must - click "메모 그룹 편집" 1091
  # Wine's browser, titled in the locale's words.
  until browser=$(driver windows "$frame_title" 2>/dev/null | grep ' class=#32770 visible=1 ' |
    grep -E ' text=(폴더 탐색|Browse for Folder)$' | head -n 1) && [ -n "$browser" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "no folder browser"
    sleep 0.3
  done
  browser=$(field "$browser" hwnd)
  sleep 0.5
  [ -z "${2:-}" ] || screenshot "$2"
  # The browser fills its tree a while after it shows.
  end=$((SECONDS + 5))
  until driver tree-select "$browser" "$(winpath "$1")" >/dev/null 2>&1; do
    [ "$SECONDS" -ge "$end" ] && break
    sleep 0.5
  done
  must - tree-select "$browser" "$(winpath "$1")"
  must - click "$browser" 1
  must - wait-gone "$browser" 10
}

# --- the runner ----------------------------------------------------------------------------------

# scenario NAME FUNCTION [LOCALE [SECONDS]]: runs one scenario in a subshell with a time limit
# (E2E_SCENARIO_SECONDS unless told); every Wine process in it runs under LOCALE (ko_KR.UTF-8
# unless told).
scenario() {
  local name=$1 fn=$2 log reason limit left timed_out=0 status
  [ -z "${E2E_ONLY:-}" ] || grep -qE "$E2E_ONLY" <<<"$name" || return 0
  e2e_scenarios_seen=$((e2e_scenarios_seen + 1))
  [ $(((e2e_scenarios_seen - 1) % ${E2E_SHARD#*/})) -eq $((${E2E_SHARD%/*} - 1)) ] || return 0
  E2E_LOCALE=${3:-ko_KR.UTF-8}
  E2E_SLUG=$(tr -c 'a-zA-Z0-9\n' '-' <<<"$name" | tr '[:upper:]' '[:lower:]')
  log=$E2E_LOGS/$E2E_SLUG.log
  rm -f "$E2E_RUN/$E2E_SLUG.reason" "$E2E_RUN/$E2E_SLUG.step"

  left=$((E2E_SUITE_SECONDS - (SECONDS - e2e_started)))
  if [ "$left" -le 5 ]; then
    printf 'FAIL %s: not run, the suite spent its %s s\n' "$name" "$E2E_SUITE_SECONDS"
    e2e_failed=$((e2e_failed + 1))
    return
  fi
  limit=${4:-$E2E_SCENARIO_SECONDS}
  [ "$left" -lt "$limit" ] && limit=$left

  ( e2e_prepare && "$fn" ) >"$log" 2>&1 &
  e2e_scenario_pid=$!
  local end=$((SECONDS + limit))
  while e2e_alive "$e2e_scenario_pid"; do
    if [ "$SECONDS" -ge "$end" ]; then
      timed_out=1
      e2e_kill_tree "$e2e_scenario_pid"
      break
    fi
    sleep 0.2
  done
  wait "$e2e_scenario_pid" 2>/dev/null
  status=$?
  e2e_scenario_pid=

  if [ "$timed_out" -eq 0 ] && [ "$status" -eq 0 ]; then
    printf 'PASS %s\n' "$name"
    e2e_passed=$((e2e_passed + 1))
  else
    if [ "$timed_out" -eq 1 ]; then
      reason="timed out after $limit s, at: $(cat "$E2E_RUN/$E2E_SLUG.step" 2>/dev/null || echo '?')"
    else
      reason=$(cat "$E2E_RUN/$E2E_SLUG.reason" 2>/dev/null)
      [ -n "$reason" ] || reason="exit status $status"
    fi
    printf 'FAIL %s: %s\n' "$name" "$reason"
    screenshot "fail-$E2E_SLUG"
    tail -n 15 "$log" | sed 's/^/    /'
    e2e_failed=$((e2e_failed + 1))
  fi
  e2e_stop_wine
}

# Prints the summary line, with every step that had to run twice; the status says whether
# everything passed.
e2e_finish() {
  local name=${E2E_NAME:-e2e} retries=$E2E_RUN/retries
  name=${name//-/ }
  if [ -s "$retries" ]; then
    printf '%s: %d passed, %d failed, %d retried: %s\n' "$name" "$e2e_passed" "$e2e_failed" \
      "$(grep -c . "$retries")" "$(paste -sd';' "$retries")"
  else
    printf '%s: %d passed, %d failed\n' "$name" "$e2e_passed" "$e2e_failed"
  fi
  [ "$e2e_failed" -eq 0 ] && [ "$e2e_passed" -gt 0 ]
}

# --- a clock the scenario moves (QUILLET_TEST_NOW_FILE) -------------------------------------------

# moving_clock "YYYY-MM-DD HH:MM:SS": pinned_clock, and move_clock may move the program started next.
moving_clock() {
  pinned_clock "$1"
  E2E_NOW_FILE=$E2E_RUN/$E2E_SLUG.now
  rm -f "$E2E_NOW_FILE"
  export QUILLET_TEST_NOW_FILE
  QUILLET_TEST_NOW_FILE=$(winpath "$E2E_NOW_FILE")
}

# move_clock "YYYY-MM-DD HH:MM:SS": once the start-up is over, the program's clock jumps there and
# runs on; returns when the program has seen the move.
move_clock() {
  local seen
  [ -n "${E2E_NOW_FILE:-}" ] || fail "move_clock without moving_clock"
  must - send "$frame_title" 0 0 0 10
  seen=$(grep -cx "$1 clock moved" "$E2E_TRACE" 2>/dev/null)
  # Written aside and renamed: the program never reads half a moment.
  printf '%s\n' "$1" >"$E2E_NOW_FILE.tmp" && mv -f "$E2E_NOW_FILE.tmp" "$E2E_NOW_FILE" || fail "could not write $E2E_NOW_FILE"
  e2e_log "clock moved to $1"
  local end=$((SECONDS + 5))
  until [ "$(grep -cx "$1 clock moved" "$E2E_TRACE" 2>/dev/null)" -gt "${seen:-0}" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "the clock did not move to $1 in 5 s; trace: $(tr '\n' '|' <"$E2E_TRACE" 2>/dev/null)"
    sleep 0.1
  done
}

# expect_answer EXPECTED SECONDS ARGS...: within SECONDS the driver answers ARGS with EXPECTED.
expect_answer() {
  local expected=$1 end=$((SECONDS + $2)) out=""
  shift 2
  until out=$(driver "$@" 2>/dev/null) && [ "$out" = "$expected" ]; do
    [ "$SECONDS" -ge "$end" ] && fail "driver $*: expected '$expected', got '${out:-nothing}'"
    sleep 0.2
  done
}
