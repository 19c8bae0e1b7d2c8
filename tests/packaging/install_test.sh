#!/usr/bin/env bash
# The installer and the portable zip, end to end under Wine:
#   1. the zip holds exactly the shipped folder, byte for byte, in one folder;
#   2. a silent per-user install lays out exactly the shipped folder (plus its
#      uninstaller), a Start-menu entry and an Add/Remove Programs entry; the installed
#      program starts against the virtual mouse and shows its window (screenshot kept);
#      a silent uninstall removes the program, the entry, the autorun value, and keeps the
#      settings databases and preferences;
#   3. a silent install for all users goes to HKLM and the common Start menu, and an
#      uninstall asked to remove the settings removes them but keeps an exported file.
# Usage: install_test.sh BUILD_DIR SOURCE_DIR SETUP_EXE PORTABLE_ZIP VERSION
set -uo pipefail
build=$1 source=$2 setup=$3 zip=$4 version=$5
run="$build/wine-run"
dist="$build/dist"
prefix="$build/wine/prefix"
shots="$build/Testing/screenshots"
work="$build/Testing/install-test"
# The install folder, as Windows and as this script see it.
win_dir='C:\MirevoInstallTest\Mirevo'
unix_dir="$prefix/drive_c/MirevoInstallTest/Mirevo"
uninstall_key='Software\Microsoft\Windows\CurrentVersion\Uninstall\Mirevo'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
product_key='HKCU\Software\Corvane'

# shellcheck source=scripts/lib/mirevo-demo.sh
source "$source/scripts/lib/mirevo-demo.sh"

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# "sha256  ./path" of every file under a folder, in a fixed order.
tree_sums() { (cd "$1" && find . -type f -print0 | LC_ALL=C sort -z | xargs -0 -r sha256sum); }

# Compares a tree with the shipped folder; names every difference.
same_as_dist() {
  local what=$1 sums=$2 diff
  if ! diff=$(diff <(tree_sums "$dist") <(echo "$sums")); then
    fail "$what differs from the shipped folder ($dist), < shipped, > $what:"
    echo "$diff" >&2
  fi
}

reg_has() { "$run" reg query "$@" >/dev/null 2>&1; }

# The user's Start-menu entries and the program's data folder, as this script sees them.
start_menu_entries() {
  find "$prefix/drive_c/users" "$prefix/drive_c/ProgramData" -path '*/Start Menu/Programs/Mirevo.lnk' 2>/dev/null
}
data_folder() {
  local folder
  for folder in "$prefix"/drive_c/users/*/Documents/"Corvane Files"; do
    [ -d "$folder" ] && echo "$folder" && return
  done
}

run_installer() {
  rm -rf "$unix_dir"
  if ! "$run" "$setup" /S "$@" "/D=$win_dir" >"$work/setup.log" 2>&1; then
    fail "the installer $* ended with an error (see $work/setup.log)"
    return 1
  fi
  [ -f "$unix_dir/Mirevo.exe" ] || { fail "the installer $* put no Mirevo.exe in $unix_dir"; return 1; }
}

# The uninstaller copies itself away and returns at once; it removes its Add/Remove
# Programs entry last, so that entry's going means it has finished.
run_uninstaller() {
  local root=$1 deadline=$((SECONDS + 120))
  shift
  "$run" "$win_dir\\Uninstall.exe" /S "$@" >"$work/uninstall.log" 2>&1 || fail "the uninstaller $* ended with an error"
  while reg_has "$root\\$uninstall_key" && [ "$SECONDS" -lt "$deadline" ]; do sleep 1; done
  reg_has "$root\\$uninstall_key" && fail "the Add/Remove Programs entry under $root is still there after uninstalling"
  # The copy it ran from goes away with it.
  sleep 2
}

check_removed() {
  local what=$1
  [ -e "$unix_dir" ] && fail "$what: the install folder is still there: $(find "$unix_dir" | head -n 5)"
  [ -n "$(start_menu_entries)" ] && fail "$what: the Start-menu entry is still there: $(start_menu_entries)"
  reg_has "$run_key" /v Corvane && fail "$what: the autorun value Corvane is still there"
}

check_zip() {
  local unpacked="$work/zip"
  rm -rf "$unpacked" && mkdir -p "$unpacked"
  (cd "$unpacked" && cmake -E tar xf "$zip") || { fail "cannot unpack $zip"; return; }
  local top
  top=$(ls -A "$unpacked")
  [ "$top" = "Mirevo-$version" ] || fail "the zip should hold the one folder Mirevo-$version, it holds: $top"
  [ -d "$unpacked/Mirevo-$version" ] && same_as_dist "the portable zip" "$(tree_sums "$unpacked/Mirevo-$version")"
  rm -rf "$unpacked"
}

# Starts the installed program against the simulated desk and keeps a picture of its window.
run_installed_program() {
  # The virtual mouse in place of the real hidapi.dll, for this test only.
  cp "$build/sim-bin/hidapi.dll" "$unix_dir/hidapi.dll" || { fail "no drop-in hidapi.dll in $build/sim-bin"; return; }
  : >"$work/unplugged.txt"
  rm -f "$work/mouse.memory"
  MIREVO_SIM_SCENARIO="$source/sim/scenarios/desk.txt" MIREVO_SIM_MEMORY="$work/mouse.memory" \
    MIREVO_SIM_UNPLUGGED="$work/unplugged.txt" "$run" "$win_dir\\Mirevo.exe" >"$work/mirevo.log" 2>&1 &
  local pid=$! window
  window=$(_mirevo_demo_await_window "$pid")
  if [ -z "$window" ]; then
    fail "the installed program showed no window (see $work/mirevo.log)"
  elif ! _mirevo_demo_settle "$window" "$shots/installed-program.png" 60 >/dev/null; then
    fail "the installed program's window did not settle"
  else
    echo "The installed program's window: $shots/installed-program.png"
  fi
  kill -0 "$pid" 2>/dev/null && _mirevo_demo_close "$run" "$pid"
}

mkdir -p "$work" "$shots"
[ -n "$(_mirevo_demo_main_window)" ] && { echo "a Mirevo window is already open on ${DISPLAY:-}" >&2; exit 1; }

check_zip

# For the current user, with the program run once.
if run_installer; then
  same_as_dist "the installed folder" "$(tree_sums "$unix_dir" | grep -v '  \./Uninstall\.exe$')"
  [ -f "$unix_dir/Uninstall.exe" ] || fail "no uninstaller in the install folder"
  [ "$(start_menu_entries | wc -l)" = 1 ] || fail "expected one Start-menu entry, found: $(start_menu_entries)"
  "$run" reg query "HKCU\\$uninstall_key" /v DisplayVersion 2>/dev/null | grep -q "$version" ||
    fail "no Add/Remove Programs entry with version $version under HKCU"
  reg_has "HKLM\\$uninstall_key" && fail "a per-user install registered itself for all users"

  run_installed_program
  data=$(data_folder)
  databases=$( [ -n "$data" ] && cd "$data/db" 2>/dev/null && ls ./*.db 2>/dev/null)
  [ -n "$databases" ] || fail "the installed program left no settings database in its data folder"
  reg_has "$product_key" /v LCID || fail "the installed program saved no language preference"
  # As the system page does when the user turns autorun on.
  "$run" reg add "$run_key" /v Corvane /t REG_SZ /d "\"$win_dir\\Mirevo.exe\"" /f >/dev/null 2>&1

  run_uninstaller HKCU
  check_removed "per-user uninstall"
  [ "$( [ -n "$data" ] && cd "$data/db" 2>/dev/null && ls ./*.db 2>/dev/null)" = "$databases" ] ||
    fail "the uninstaller did not keep the settings databases ($databases)"
  reg_has "$product_key" /v LCID || fail "the uninstaller did not keep the preferences"
fi

# For all users, uninstalled with the settings.
if run_installer /ALLUSERS; then
  reg_has "HKLM\\$uninstall_key" /v UninstallString || fail "an install for all users has no entry under HKLM"
  reg_has "HKCU\\$uninstall_key" && fail "an install for all users registered itself for the current user"
  start_menu_entries | grep -q '/ProgramData/' || fail "an install for all users has no entry in the common Start menu"
  data=$(data_folder)
  [ -n "$data" ] || fail "no data folder of the program to remove settings from"
  exported="$data/exported-profile.xml"
  [ -n "$data" ] && echo '<profile/>' >"$exported"

  run_uninstaller HKLM /REMOVESETTINGS
  check_removed "uninstall for all users"
  [ -d "$data/db" ] && fail "the uninstaller asked to remove the settings kept the databases"
  reg_has "$product_key" && fail "the uninstaller asked to remove the settings kept the preferences"
  [ -f "$exported" ] || fail "the uninstaller removed an exported file"
  rm -f "$exported"
fi

[ "$failures" = 0 ] && echo "install test: all checks passed"
[ "$failures" = 0 ]
