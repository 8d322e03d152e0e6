# A private X server for Wine, sourced by scripts/test, scripts/run and the end-to-end harness.
#   xvfb_start LOGFILE   starts Xvfb on a free display with its own cookie; exports DISPLAY
#   xvfb_stop            stops it again
# XVFB_PID names the server while it runs.

XVFB_PID=

xvfb_start() {
  local log=$1 auth n i cookie
  auth=$(dirname "$log")/Xauthority
  cookie=$(od -An -N16 -tx1 /dev/urandom | tr -d ' \n')
  for n in $(seq 90 130); do
    { [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ]; } && continue
    rm -f "$auth"
    : >"$auth"
    xauth -q -f "$auth" add ":$n" . "$cookie" || return 1
    Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp -auth "$auth" >"$log" 2>&1 &
    XVFB_PID=$!
    for i in $(seq 100); do
      kill -0 "$XVFB_PID" 2>/dev/null || break  # lost the display number to someone else: next one
      if DISPLAY=:$n XAUTHORITY=$auth xdpyinfo >/dev/null 2>&1; then
        export DISPLAY=:$n XAUTHORITY=$auth
        return 0
      fi
      sleep 0.1
    done
    kill "$XVFB_PID" 2>/dev/null
    wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
  done
  return 1
}

xvfb_stop() {
  [ -n "$XVFB_PID" ] || return 0
  kill "$XVFB_PID" 2>/dev/null
  wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
}
