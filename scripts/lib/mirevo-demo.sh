# shellcheck shell=bash
# mirevo_demo BUILD_DIR: runs the no-hardware copy of the program, BUILD_DIR/sim-bin/Mirevo.exe,
# under Wine against the simulated desk (sim/scenarios/desk.txt), with the mice's memory and
# the list of pulled-out devices under BUILD_DIR/demo/.
#
# On a display of the user's own it leaves the window open to try and waits for the program
# to end. On one no one looks at (none, which starts a private Xvfb; the one start_display
# started; the shared test display MIREVO_DISPLAY) it saves three pictures to BUILD_DIR/demo/: main-window.png (the wired mouse
# connected), unplugged.png (the wired mouse and its receiver pulled out), second-model.png
# (the second model chosen in the model selector with real clicks); then it closes the
# program. Returns non-zero if any step failed.
#
# Needs xwininfo, xwd (x11-apps, x11-utils), xdotool and ImageMagick, and the Mirevo and
# devicechange targets of a Windows tree.
# Usage: source scripts/lib/mirevo-demo.sh; mirevo_demo build/win

_mirevo_demo_lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
_mirevo_demo_root=$(cd "$_mirevo_demo_lib/../.." && pwd)

# The main window's title (devicechange finds it by it: every toolkit window shares one
# Win32 class), and the titles of the model selector's drop-down and of the busy dialog.
_MIREVO_DEMO_TITLE=Corvane
_MIREVO_DEMO_CLASS=$_MIREVO_DEMO_TITLE
_MIREVO_DEMO_DROPDOWN=ComboWnd
_MIREVO_DEMO_BUSY=WaitDlg
# The devices the demo pulls out: the wired mouse of the first model and its receiver, so
# that model has no interface left (the desk's other receivers belong to other models).
_MIREVO_DEMO_PULLED=(f1 f1rx)

_mirevo_demo_say() { echo "mirevo_demo: $*" >&2; }

# Prints the X window ids of the visible top-level windows titled exactly NAME.
_mirevo_demo_windows() {
  xdotool search --onlyvisible --name "^$1\$" 2>/dev/null
}

# Prints the X window id of the main window, or nothing.
_mirevo_demo_main_window() {
  _mirevo_demo_windows "$_MIREVO_DEMO_TITLE" | head -n 1
}

# Prints "WIDTH HEIGHT" of WINDOW.
_mirevo_demo_size() {
  xwininfo -id "$1" 2>/dev/null | awk '/Width:/ { w = $NF } /Height:/ { h = $NF } END { print w, h }'
}

# Saves WINDOW's picture as PNG; prints a signature of its pixels.
_mirevo_demo_capture() {
  xwd -silent -id "$1" 2>/dev/null | convert xwd:- "$2" 2>/dev/null &&
    convert "$2" -format '%#' info: 2>/dev/null
}

# Waits until WINDOW's picture has stopped changing for two seconds, with no busy dialog
# open and, when a signature is given, a picture other than the one of that signature;
# saves it to PNG and prints its signature. The window repaints while the program reads
# the mouse, so a still picture means the read and its repaint are over. Fails after
# TIMEOUT seconds.
_mirevo_demo_settle() {
  local window=$1 png=$2 timeout=$3 unlike=${4:-}
  local deadline=$((SECONDS + timeout)) tmp="$png.tmp.png" last="" same=0 sig
  while [ "$SECONDS" -lt "$deadline" ]; do
    sig=$(_mirevo_demo_capture "$window" "$tmp") || sig=""
    if [ -z "$sig" ] || [ "$sig" != "$last" ] || [ -n "$(_mirevo_demo_windows "$_MIREVO_DEMO_BUSY")" ]; then
      last=$sig
      same=0
    elif [ "$sig" != "$unlike" ] && [ $((same += 1)) -ge 4 ]; then  # four half-second waits
      mv "$tmp" "$png"
      echo "$sig"
      return 0
    fi
    sleep 0.5
  done
  rm -f "$tmp"
  return 1
}

# Prints a signature of the connection label in a picture of the main window (the label
# keeps its place at any size).
_mirevo_demo_label() {
  convert "$1" -crop 100x27+130+11 +repage -format '%#' info: 2>/dev/null
}

# Prints the HID interface paths the virtual mouse gives scenario device NAME of SCENARIO
# (its pointer and vendor collections), as sim/DeviceLayout.cpp makes them: the instance is
# the device's place in the scenario, counted from 1.
_mirevo_demo_paths() {
  awk -v name="$1" '
    { sub(/#.*/, "") } NF == 0 { next }
    { n++ } $1 != name { next }
    {
      vid = "248a"; pid = tolower($4); mi = $2 == "nodic" ? 2 : 1
      for (i = 5; i <= NF; i++) if ($i ~ /^vid=/) vid = tolower(substr($i, 5))
      if ($3 == "bluetooth") exit
      guid = "{4d1e55b2-f16f-11cf-88cb-001111000030}"
      printf "\\\\?\\hid#vid_%s&pid_%s&mi_00&col01#7&%08x&0&0001#%s\n", vid, pid, 439025664 + n, guid
      printf "\\\\?\\hid#vid_%s&pid_%s&mi_%02d&col02#7&%08x&0&0002#%s\n", vid, pid, mi, 439025664 + n, guid
      exit
    }' "$2"
}

# Pulls out the demo's devices: lists them in the unplugged file, then tells the window of
# each of their interfaces' removal, as Windows would.
_mirevo_demo_unplug() {
  local run=$1 tool=$2 scenario=$3 unplugged=$4 name path answer status=0
  printf '%s\n' "${_MIREVO_DEMO_PULLED[@]}" > "$unplugged.tmp" && mv "$unplugged.tmp" "$unplugged"
  for name in "${_MIREVO_DEMO_PULLED[@]}"; do
    while read -r path; do
      [ -n "$path" ] || continue
      # 3: the window was not found or did not answer.
      answer=0
      "$run" "$tool" removal "$_MIREVO_DEMO_CLASS" "$path" >/dev/null 2>&1 || answer=$?
      if [ "$answer" -ne 0 ]; then
        _mirevo_demo_say "devicechange could not tell the window of the removal of $path (exit $answer)"
        status=1
      fi
    done < <(_mirevo_demo_paths "$name" "$scenario")
  done
  return "$status"
}

# Clicks at X Y relative to WINDOW, with a real pointer press and release.
_mirevo_demo_click() {
  xdotool mousemove --window "$1" "$2" "$3" sleep 0.3 mousedown 1 sleep 0.1 mouseup 1
}

# Opens the model selector and clicks its second row.
_mirevo_demo_choose_second_model() {
  local window=$1 w h dropdown="" tries=0 rows=4 row_height=30
  read -r w h < <(_mirevo_demo_size "$window")
  # The selector keeps 30 pixels from the right edge at top 75; its size follows the scale
  # (client height / 780), designed at 136 x 28.
  local sw sh
  sw=$((136 * h / 780)) sh=$((28 * h / 780))
  _mirevo_demo_click "$window" $((w - 30 - sw / 2)) $((75 + sh / 2))
  while [ -z "$dropdown" ] && [ "$tries" -lt 25 ]; do
    sleep 0.2
    dropdown=$(_mirevo_demo_windows "$_MIREVO_DEMO_DROPDOWN" | head -n 1)
    tries=$((tries + 1))
  done
  if [ -z "$dropdown" ]; then
    _mirevo_demo_say "the model selector's drop-down did not open"
    return 1
  fi
  # The rows lie between equal paddings at the top and the bottom of the drop-down.
  read -r w h < <(_mirevo_demo_size "$dropdown")
  local padding=$(((h - rows * row_height) / 2))
  sleep 0.5
  _mirevo_demo_click "$dropdown" $((w / 2)) $((padding + row_height + row_height / 2))
}

# Ends the program: an ordinary close first, forced after a timeout.
_mirevo_demo_close() {
  local run=$1 pid=$2 deadline=$((SECONDS + 30))
  "$run" taskkill /im Mirevo.exe >/dev/null 2>&1 || true
  while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.2; done
  if kill -0 "$pid" 2>/dev/null; then
    _mirevo_demo_say "Mirevo.exe did not end when asked; ending it by force"
    "$run" taskkill /f /im Mirevo.exe >/dev/null 2>&1 || true
    kill "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
}

# Waits up to two minutes for the main window; prints its id.
_mirevo_demo_await_window() {
  local pid=$1 window="" deadline=$((SECONDS + 120))
  while [ -z "$window" ] && [ "$SECONDS" -lt "$deadline" ] && kill -0 "$pid" 2>/dev/null; do
    sleep 0.2
    window=$(_mirevo_demo_main_window)
  done
  [ -n "$window" ] && echo "$window"
}

# The three pictures of the window, on a display no one looks at.
_mirevo_demo_pictures() {
  local run=$1 window=$2 demo=$3 scenario=$4 unplugged=$5 tool=$6 sig status=0
  if sig=$(_mirevo_demo_settle "$window" "$demo/main-window.png" 60); then
    echo "Main window, the wired mouse connected: $demo/main-window.png"
  else
    _mirevo_demo_say "the main window did not settle after start-up"
    return 1
  fi

  if ! _mirevo_demo_unplug "$run" "$tool" "$scenario" "$unplugged"; then
    status=1
  elif sig=$(_mirevo_demo_settle "$window" "$demo/unplugged.png" 60 "$sig"); then
    echo "Wired mouse and receiver pulled out: $demo/unplugged.png"
    # A start-up picture taken before the first read would show the same label.
    if [ "$(_mirevo_demo_label "$demo/main-window.png")" = "$(_mirevo_demo_label "$demo/unplugged.png")" ]; then
      _mirevo_demo_say "the connection label was the same before and after the mouse was pulled out"
      status=1
    fi
  else
    _mirevo_demo_say "the window did not change after the mouse and its receiver were pulled out"
    status=1
  fi

  if ! _mirevo_demo_choose_second_model "$window"; then
    status=1
  elif _mirevo_demo_settle "$window" "$demo/second-model.png" 60 "$sig" >/dev/null; then
    echo "Second model chosen in the model selector: $demo/second-model.png"
    # The second model's receiver and its Bluetooth pairing are still plugged in.
    if [ "$(_mirevo_demo_label "$demo/second-model.png")" = "$(_mirevo_demo_label "$demo/unplugged.png")" ]; then
      _mirevo_demo_say "the connection label did not change when the second model was chosen"
      status=1
    fi
  else
    _mirevo_demo_say "the window did not change after the second model was chosen"
    status=1
  fi
  return "$status"
}

# The window left open for the user, who ends the program.
_mirevo_demo_interactive() {
  local pid=$1
  cat <<EOF
Mirevo is open on $DISPLAY with the simulated desk: try it. Its close button hides it
to the tray; end it with Exit in the tray menu or with
  build/win/wine-run taskkill /im Mirevo.exe
Waiting for Mirevo.exe to end...
EOF
  wait "$pid" 2>/dev/null || true
  echo "Mirevo.exe ended."
}

mirevo_demo() {
  local build
  build=$(cd "${1:?usage: mirevo_demo BUILD_DIR}" && pwd) || return 1
  local bin="$build/sim-bin" run="$build/wine-run"
  local exe="$bin/Mirevo.exe" tool="$bin/devicechange.exe"
  if [ ! -f "$exe" ] || [ ! -f "$tool" ] || [ ! -x "$run" ]; then
    _mirevo_demo_say "$exe, $tool or $run is missing; build the Mirevo and devicechange targets of a Windows tree first"
    return 1
  fi
  local demo="$build/demo" scenario="$_mirevo_demo_root/sim/scenarios/desk.txt"
  local unplugged="$build/demo/unplugged.txt"
  mkdir -p "$demo"
  : > "$unplugged"

  local pictures=0 own_display=0
  # A display of the user's own is one neither this script nor the tests started.
  if [ -z "${DISPLAY:-}" ] || [ "$DISPLAY" = "${MIREVO_DISPLAY:-}" ] || [ -n "${MIREVO_XVFB_PID:-}" ]; then
    pictures=1
    if [ -z "${DISPLAY:-}" ]; then
      # shellcheck source=scripts/lib/display.sh
      source "$_mirevo_demo_lib/display.sh"
      start_display || return 1
      own_display=1
    fi
  fi
  if [ -n "$(_mirevo_demo_main_window)" ]; then
    _mirevo_demo_say "a Mirevo window is already open on $DISPLAY; close it first"
    [ "$own_display" = 1 ] && stop_display
    return 1
  fi

  # As on a first start, the program chooses the first model of the selector that is
  # plugged in (the wired one), not the model a previous run left chosen.
  "$run" reg delete 'HKCU\SOFTWARE\Corvane' /v DeviceType /f >/dev/null 2>&1 || true
  MIREVO_SIM_SCENARIO="$scenario" MIREVO_SIM_MEMORY="$demo/mouse.memory" MIREVO_SIM_UNPLUGGED="$unplugged" \
    "$run" "$exe" >"$demo/mirevo.log" 2>&1 &
  local pid=$! window status=0
  window=$(_mirevo_demo_await_window "$pid")
  if [ -z "$window" ]; then
    _mirevo_demo_say "the Mirevo window did not appear (see $demo/mirevo.log)"
    status=1
  elif [ "$pictures" = 1 ]; then
    echo "Mirevo is running: window $window, $(xwininfo -id "$window" | awk '/-geometry/ { print $2 }')"
    _mirevo_demo_pictures "$run" "$window" "$demo" "$scenario" "$unplugged" "$tool" || status=1
  else
    _mirevo_demo_interactive "$pid"
  fi

  kill -0 "$pid" 2>/dev/null && _mirevo_demo_close "$run" "$pid"
  if [ "$own_display" = 1 ]; then
    stop_display
    unset MIREVO_XVFB_PID
  fi
  return "$status"
}
