# A display whose server was killed leaves its lock and socket behind; without this,
# interrupted runs would use up the display numbers one by one.
reclaim_display() {
  local lock="/tmp/.X$1-lock" pid
  [ -e "$lock" ] || return 0
  pid=$(tr -d ' ' < "$lock" 2>/dev/null)
  if [ -n "$pid" ] && ! kill -0 "$pid" 2>/dev/null; then rm -f "$lock" "/tmp/.X11-unix/X$1"; fi
}

# Starts a private Xvfb at 24-bit depth unless one was given in MIREVO_DISPLAY.
start_display() {
  if [ -n "${MIREVO_DISPLAY:-}" ]; then export DISPLAY="$MIREVO_DISPLAY"; return; fi
  local n
  for n in $(seq 90 120); do
    reclaim_display "$n"
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1600x1000x24 -nolisten tcp >/dev/null 2>&1 &
    MIREVO_XVFB_PID=$!
    for _ in $(seq 1 50); do [ -e "/tmp/.X11-unix/X$n" ] && break; sleep 0.1; done
    export DISPLAY=":$n"
    return
  done
  echo "no free display number for Xvfb" >&2
  return 1
}

stop_display() {
  if [ -n "${MIREVO_XVFB_PID:-}" ]; then kill "$MIREVO_XVFB_PID" 2>/dev/null || true; wait "$MIREVO_XVFB_PID" 2>/dev/null || true; fi
}
