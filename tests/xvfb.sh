# shellcheck shell=bash
# A private X server for Wine, sourced by scripts/test, scripts/run and the end-to-end harness.
#   xvfb_start LOGFILE   starts Xvfb on a free display with its own cookie; exports DISPLAY and
#                        XAUTHORITY (a file beside LOGFILE)
#   xvfb_stop            stops it again
# XVFB_PID names the server while it runs.

XVFB_PID=
xvfb_auth=

xvfb_start() {
  local log=$1 dir number cookie n flags=$-
  dir=$(dirname "$log")
  xvfb_stop
  xvfb_auth=$(mktemp "$dir/Xauthority.XXXXXX") || return 1
  number=$(mktemp "$dir/xvfb-display.XXXXXX") || { rm -f "$xvfb_auth"; return 1; }
  cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
  # The display is known only once the server runs, but it reads its cookies at start: so the
  # entry matches any display (family ffff, no number; 4d49...31 is MIT-MAGIC-COOKIE-1), and
  # clients find it whatever number we get.
  printf 'ffff 0000  0000  0012 4d49542d4d414749432d434f4f4b49452d31 0010 %s\n' "$cookie" |
    xauth -q -f "$xvfb_auth" nmerge - || { rm -f "$xvfb_auth" "$number"; return 1; }
  # The server binds the first free display itself and writes its number to fd 3 when ready,
  # so no other server can take the number between a check and the start. It gets a process
  # group of its own: a Ctrl-C at the terminal must leave the display to the callers' traps,
  # which close their programs on it.
  set -m
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -auth "$xvfb_auth" 3>"$number" </dev/null >"$log" 2>&1 &
  XVFB_PID=$!
  [[ $flags == *m* ]] || set +m
  for _ in $(seq 100); do
    # read fails until the whole line is there
    if read -r n <"$number" && DISPLAY=:$n XAUTHORITY=$xvfb_auth xdpyinfo >/dev/null 2>&1; then
      rm -f "$number"
      export DISPLAY=:$n XAUTHORITY=$xvfb_auth
      return 0
    fi
    kill -0 "$XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$number"
  xvfb_stop
  return 1
}

xvfb_stop() {
  if [ -n "$XVFB_PID" ]; then
    kill "$XVFB_PID" 2>/dev/null || true
    wait "$XVFB_PID" 2>/dev/null || true
    XVFB_PID=
  fi
  [ -z "$xvfb_auth" ] || rm -f "$xvfb_auth"
  xvfb_auth=
  return 0
}
