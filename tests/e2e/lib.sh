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
E2E_SUITE_SECONDS=${E2E_SUITE_SECONDS:-240}       # everything from e2e_setup on
E2E_LOCALE=ko_KR.UTF-8  # of every Wine process of a scenario; `scenario` sets it

e2e_passed=0
e2e_failed=0
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

# Ends every Wine process of the test prefix, and its server.
e2e_stop_wine() {
  [ -n "${WINEPREFIX:-}" ] && [ -d "$WINEPREFIX" ] || return 0
  wineserver -k >/dev/null 2>&1
  timeout 20 wineserver -w >/dev/null 2>&1
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
  E2E_DIR=$E2E_BUILD/e2e
  E2E_SCREENS=$E2E_DIR/screens
  E2E_LOGS=$E2E_DIR/logs
  E2E_RUN=$E2E_DIR/run
  export WINEPREFIX=$E2E_DIR/prefix
  QUILLET_EXE=${QUILLET_EXE:-$E2E_BUILD/win/Quillet.exe}
  QUILLET_DRIVER=${QUILLET_DRIVER:-$E2E_BUILD/tests/e2e/quillet-driver.exe}

  trap e2e_teardown EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM

  [ -f "$QUILLET_EXE" ] || { e2e_setup_failed "no program at $QUILLET_EXE"; return 1; }
  [ -f "$QUILLET_DRIVER" ] || { e2e_setup_failed "no driver at $QUILLET_DRIVER"; return 1; }

  e2e_stop_wine  # a server left by an interrupted run
  rm -rf "$WINEPREFIX" "$E2E_SCREENS" "$E2E_LOGS" "$E2E_RUN"
  mkdir -p "$WINEPREFIX" "$E2E_SCREENS" "$E2E_LOGS" "$E2E_RUN"

  xvfb_start "$E2E_LOGS/xvfb.log" || { e2e_setup_failed "could not start Xvfb (log: $E2E_LOGS/xvfb.log)"; return 1; }
  if ! LC_ALL=ko_KR.UTF-8 wine_prepare_prefix >"$E2E_LOGS/wineboot.log" 2>&1; then
    e2e_setup_failed "could not make the Wine prefix (log: $E2E_LOGS/wineboot.log)"
    return 1
  fi

  # Wine links the shell folders to the real home; the tests write into Documents.
  local link
  while IFS= read -r link; do
    rm -f "$link" && mkdir -p "$link"
  done < <(find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -type l)
  E2E_DOCUMENTS=$(find "$WINEPREFIX/drive_c/users" -mindepth 2 -maxdepth 2 -name Documents -not -path '*/Public/*' | head -n 1)
  [ -d "$E2E_DOCUMENTS" ] || { e2e_setup_failed "no Documents folder in the prefix"; return 1; }

  e2e_stop_wine
  e2e_log "setup done in $((SECONDS - e2e_started)) s, DISPLAY=$DISPLAY"
}

e2e_teardown() {
  if [ -n "$e2e_scenario_pid" ]; then
    e2e_kill_tree "$e2e_scenario_pid"
    wait "$e2e_scenario_pid" 2>/dev/null
    e2e_scenario_pid=
  fi
  e2e_stop_wine
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

# must VAR|- ARGS...: runs the driver into VAR (or nowhere); fails the scenario with its complaint.
must() {
  local into=$1 out err=$E2E_RUN/$E2E_SLUG.driver-err
  shift
  out=$(driver "$@" 2>"$err") || { cat "$err" >&2; fail "driver $*: $(tr '\n' ' ' <"$err")"; }
  cat "$err" >&2
  [ "$into" = - ] || printf -v "$into" '%s' "$out"
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

e2e_program_dir() { printf '%s\n' "$WINEPREFIX/drive_c/e2e/$E2E_SLUG"; }

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

reset_registry() {
  LC_ALL=$E2E_LOCALE "$E2E_WINE_RUN" reg delete 'HKCU\Software\Quillet Program' /f >/dev/null 2>&1
  driver reg-exists 'Software\Quillet Program' >/dev/null
  [ $? -eq 1 ] || fail "could not delete HKCU\\Software\\Quillet Program"
}

screenshot() {
  import -display "$DISPLAY" -window root "$E2E_SCREENS/$1.png" 2>>"$E2E_LOGS/screenshots.log" ||
    e2e_log "screenshot $1 failed"
}

# Every scenario starts with no Wine process, an empty settings key and no data in Documents.
e2e_prepare() {
  e2e_stop_wine
  rm -rf "$(e2e_program_dir)" "$E2E_DOCUMENTS/memo_data"
  reset_registry
  LC_ALL=$E2E_LOCALE wine_link_korean_fonts || fail "could not link the Korean fonts"
}

# --- the runner ----------------------------------------------------------------------------------

# scenario NAME FUNCTION [LOCALE]: runs one scenario in a subshell with a time limit; every Wine
# process in it runs under LOCALE (ko_KR.UTF-8 unless told).
scenario() {
  local name=$1 fn=$2 log reason limit left timed_out=0 status
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
  limit=$E2E_SCENARIO_SECONDS
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

# Prints the summary line; the status says whether everything passed.
e2e_finish() {
  printf 'e2e: %d passed, %d failed\n' "$e2e_passed" "$e2e_failed"
  [ "$e2e_failed" -eq 0 ] && [ "$e2e_passed" -gt 0 ]
}
