# shellcheck shell=bash
# mirevo_demo BUILD_DIR: starts Mirevo.exe from BUILD_DIR/dist under Wine (on a private
# Xvfb when there is no DISPLAY), waits for its window, saves a screenshot to
# BUILD_DIR/demo/mirevo.png, shows the registry values and the data folder the program
# wrote, and closes it again. Needs xwininfo and xwd (x11-apps) and ImageMagick.
# Usage: source scripts/lib/mirevo-demo.sh; mirevo_demo build/win

_mirevo_demo_lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)

# Prints the X window id of the top-level window titled NAME, or nothing.
_mirevo_demo_window() {
  xwininfo -root -tree 2>/dev/null | awk -v name="\"$1\":" '$2 == name { print $1; exit }'
}

mirevo_demo() {
  local build
  build=$(cd "${1:?usage: mirevo_demo BUILD_DIR}" && pwd) || return 1
  local exe="$build/dist/Mirevo.exe" run="$build/wine-run"
  if [ ! -f "$exe" ] || [ ! -x "$run" ]; then
    echo "mirevo_demo: $exe or $run is missing; build the Mirevo target of a Windows tree first" >&2
    return 1
  fi
  local own_display=0
  if [ -z "${DISPLAY:-}" ]; then
    # shellcheck source=scripts/lib/display.sh
    source "$_mirevo_demo_lib/display.sh"
    start_display || return 1
    own_display=1
  fi
  if [ -n "$(_mirevo_demo_window Corvane)" ]; then
    echo "mirevo_demo: a Mirevo window is already open on $DISPLAY; close it first" >&2
    [ "$own_display" = 1 ] && stop_display
    return 1
  fi

  "$run" "$exe" >/dev/null 2>&1 &
  local pid=$! window="" status=0
  local deadline=$((SECONDS + 120))
  while [ -z "$window" ] && [ "$SECONDS" -lt "$deadline" ] && kill -0 "$pid" 2>/dev/null; do
    sleep 0.2
    window=$(_mirevo_demo_window Corvane)
  done
  if [ -z "$window" ]; then
    echo "mirevo_demo: the Mirevo window did not appear" >&2
    status=1
  else
    # Give the window its first paint before the picture is taken.
    local shot="$build/demo/mirevo.png" tries=0
    mkdir -p "$build/demo"
    while [ "$tries" -lt 25 ]; do
      xwd -silent -id "$window" | convert xwd:- "$shot" 2>/dev/null
      [ "$(convert "$shot" -format '%[fx:maxima.r>0.1]' info: 2>/dev/null)" = 1 ] && break
      tries=$((tries + 1))
      sleep 0.2
    done
    echo "Mirevo is running: window $window, $(xwininfo -id "$window" | awk '/-geometry/ { print $2 }')"
    echo "Screenshot: $shot"
    echo "Registry values written:"
    "$run" reg query 'HKCU\SOFTWARE\Corvane' 2>/dev/null | tr -d '\r' | sed -n 's/^ \{4\}/  /p'
    local docs="" user
    for user in "$build"/wine/prefix/drive_c/users/*/; do
      case "$user" in */Public/) continue ;; esac
      docs=$(readlink -f "$user/Documents")
    done
    echo "Data folder created:"
    find "$docs/Corvane Files" -maxdepth 1 2>/dev/null | sed 's/^/  /'
  fi

  # Closing the window ends the program; force it only if it does not listen.
  "$run" taskkill /im Mirevo.exe >/dev/null 2>&1 || true
  deadline=$((SECONDS + 30))
  while kill -0 "$pid" 2>/dev/null && [ "$SECONDS" -lt "$deadline" ]; do sleep 0.2; done
  if kill -0 "$pid" 2>/dev/null; then
    "$run" taskkill /f /im Mirevo.exe >/dev/null 2>&1 || true
    kill "$pid" 2>/dev/null || true
  fi
  wait "$pid" 2>/dev/null || true
  [ "$own_display" = 1 ] && stop_display
  return "$status"
}
