# Starts a private Xvfb at 24-bit depth unless one was given in MIREVO_DISPLAY.
start_display() {
  if [ -n "${MIREVO_DISPLAY:-}" ]; then export DISPLAY="$MIREVO_DISPLAY"; return; fi
  local n
  for n in $(seq 90 120); do
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
