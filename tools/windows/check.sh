#!/usr/bin/env bash
# `make windows-check`: what `make windows` built, tried under wine on an X server of its own,
# with a wine prefix of its own:
#   - mjcalc.exe as a file: a 64-bit GUI program that imports only Windows' own DLLs and carries
#     its icon and version record;
#   - the real program on the windows platform, used by keyboard as a player would: a table
#     limit, two boxes, the result copied, a colour chosen, the fan counter opened, every window
#     closed; and that it wrote no file and no registry key;
#   - the cross-built test suite, on Qt's offscreen platform;
#   - the zip and the installer: unpacked or installed, started, uninstalled, nothing left;
#   - a screenshot of the main window under wine, in the build folder (copied by hand to
#     resources/screenshots/calculator-windows.png when the look changes).
# pass only echoes, so "check && pass || fail" reads as the if-else it looks like.
# shellcheck disable=SC2015
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${WINDOWS_BUILD_DIR:-$repo/build-windows}
main_title="V! Mah-Jongg Calculator"

status=0
pass() { echo "ok: $*"; }
fail() { echo "FAIL: $*"; status=1; }
stop() { echo "FAIL: $*"; exit 1; }

exe=$build/stage/mjcalc.exe
version=$(sed -n 's/^ *VALUE "ProductVersion", "\([^"]*\)"/\1/p' "$build/resources/mjcalc.rc" 2>/dev/null)
zip_file=$repo/dist/mjcalc-$version-windows-x86_64.zip
setup_file=$repo/dist/mjcalc-$version-setup.exe
for file in "$exe" "$zip_file" "$setup_file"; do
  [ -f "$file" ] || stop "$file is missing; run make windows first"
done

# --- The executable as a file ------------------------------------------------------------------
# shellcheck source=tools/windows/wine-session.sh
. "$here/wine-session.sh"
work=$WORK
drive_c=$WINEPREFIX/drive_c
# The DLLs it may import are those a fresh wine prefix holds in system32: Windows' own.
if /usr/bin/python3 "$here/pecheck.py" "$exe" "$drive_c/windows/system32"; then
  pass "mjcalc.exe is a 64-bit GUI program with its icon and version record, importing only Windows' DLLs"
else
  fail "mjcalc.exe as a file (above)"
fi

# --- The program on the windows platform ---------------------------------------------------------
# First, while nothing else has run in the prefix, so that whatever it finds written is its own.
# Waits for a top-level window of the given title and prints its id.
window_named() {
  local id
  for _ in $(seq 300); do
    id=$(xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
keys() {
  xdotool windowfocus --sync "$1" 2>/dev/null
  sleep 0.3
  shift
  xdotool key --delay 60 "$@"
  sleep 0.5
}
snapshot() { # what a run could have written: the user's registry and the prefix's files
  sed -n 's/^\[\([^]]*\)\].*/\1/p' "$WINEPREFIX/user.reg" | LC_ALL=C sort >"$1.keys"
  (cd "$drive_c" && find . -path ./windows -prune -o -print | LC_ALL=C sort) >"$1.files"
}
# What changed between two snapshots, apart from wine's own bookkeeping, temporary files (NSIS's
# uninstaller runs from a copy there), and the key of the list of apps, which every Windows has.
unchanged() {
  local what
  for what in keys files; do
    diff "$1.$what" "$2.$what" | grep '^[<>]' |
      grep -v -e 'Software\\\\Wine' -e '\./users/[^/]*/\(AppData/Local/\)\{0,1\}Temp\(/\|$\)' \
        -e 'Volatile Environment' -e 'CurrentVersion\\\\Uninstall$' \
        -e 'Software\\\\Microsoft\\\\Windows\\\\CurrentVersion\\\\Explorer' || true
  done
}

# Starts a program, plays a hand on it by keyboard and closes it; prints what went wrong.
use_program() {
  local program=$1 pid id copied status_file=$work/status
  rm -f "$status_file"
  (wine "$program" >/dev/null 2>&1; echo $? >"$status_file") &
  pid=$!
  id=$(window_named "$main_title") || { echo "its window \"$main_title\" did not appear"; return 1; }
  # The limit, then Tab to "Check when East" and the first box of "open pong 2-8".
  xdotool windowfocus --sync "$id" 2>/dev/null
  xdotool type --delay 80 500
  keys "$id" Tab space Tab space ctrl+c
  copied=$(xclip -o -selection clipboard 2>/dev/null | tr -d '\r')
  local expected
  expected=$(printf 'Your hand is worth 22, East × 6, V! Points 132\nBase = 20\nopen pong 2-8: +2 = 22')
  [ "$copied" = "$expected" ] || { echo "the result copied was \"$copied\", not \"$expected\""; return 1; }
  # Options > Text Colour, a custom colour added (which Qt would store), then OK.
  keys "$id" alt Down Return
  local dialog
  dialog=$(window_named "Select Color") || { echo "the colour dialog did not open"; return 1; }
  keys "$dialog" alt+a Return
  # Fancounting > Fancalculator.
  keys "$id" alt Right Down Down Return
  local fans
  fans=$(window_named "FanCounting") || { echo "the fan counter did not open from the menu"; return 1; }
  keys "$fans" alt+F4
  keys "$id" alt+F4
  for _ in $(seq 100); do [ -f "$status_file" ] && break; sleep 0.1; done
  [ -f "$status_file" ] || { echo "it did not end when its windows were closed"; kill "$pid"; return 1; }
  [ "$(cat "$status_file")" = 0 ] || { echo "it ended with status $(cat "$status_file")"; return 1; }
}

wineserver -w
snapshot "$work/before"
if problem=$(use_program "$exe"); then
  pass "mjcalc.exe on the windows platform: limit, boxes, copied result, colour dialog, fan counter, status 0"
else
  fail "mjcalc.exe on the windows platform: $problem"
fi
wineserver -w
snapshot "$work/after"
written=$(unchanged "$work/before" "$work/after")
[ -z "$written" ] && pass "the run wrote no file and no registry key" ||
  fail "the run wrote: $written"

# --- The test suite on the offscreen platform ----------------------------------------------------
echo "Left out of the Windows build, as they need Linux:"
sed 's/^/  /' "$build/tests/windows-left-out.txt"
if (cd "$build" && ctest --output-on-failure -j 2 --timeout 200); then
  pass "the test suite under wine"
else
  fail "the test suite under wine (above)"
fi
wineserver -k 2>/dev/null
wineserver -w

# --- The zip -------------------------------------------------------------------------------------
unpacked=$drive_c/users/Public/mjcalc-zip
rm -rf "$unpacked" && mkdir -p "$unpacked"
unzip -q "$zip_file" -d "$unpacked" || fail "the zip does not unpack"
[ "$(cd "$unpacked" && find . -name '*.dll' | wc -l)" = 0 ] && [ -f "$unpacked/mjcalc.exe" ] &&
  pass "the zip holds mjcalc.exe and no DLL" || fail "the zip: $(cd "$unpacked" && find . -type f)"
if problem=$(use_program "$unpacked/mjcalc.exe"); then pass "the program from the zip runs"; else
  fail "the program from the zip: $problem"; fi
rm -rf "$unpacked"

# --- The installer -------------------------------------------------------------------------------
# NSIS's installer stub is a 32-bit program.
if [ "$WINE_32BIT" = no ]; then
  echo "not tried: the installer: NSIS's installer stub is a 32-bit program, and this machine's" \
    "kernel runs none (wine's 32-bit loader: Exec format error); the zip's program was tried above"
else
wineserver -w
snapshot "$work/uninstalled"
installed=$(winepath -u "$(wine cmd /c 'echo %LOCALAPPDATA%' 2>/dev/null | tr -d '\r')")/Programs/MJ\ Calculator
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\org.mjcalc.MJCalculator'
if wine "$setup_file" /S >/dev/null 2>&1 && wineserver -w && [ -f "$installed/mjcalc.exe" ]; then
  pass "the installer installs silently into %LOCALAPPDATA%\\Programs\\MJ Calculator"
  shortcut=$(find "$drive_c/users" -path '*Start Menu/Programs/MJ Calculator.lnk' | head -n1)
  [ -n "$shortcut" ] && pass "a Start-menu entry" || fail "no Start-menu entry"
  listed=$(wine reg query "$uninstall_key" 2>/dev/null | tr -d '\r')
  for value in "DisplayName    REG_SZ    MJ Calculator" "DisplayVersion    REG_SZ    $version" \
    "Publisher    REG_SZ    MJ Calculator developers"; do
    echo "$listed" | grep -qF "$value" && pass "the list of apps shows $value" ||
      fail "the list of apps lacks $value"
  done
  if problem=$(use_program "$installed/mjcalc.exe"); then pass "the installed program runs"; else
    fail "the installed program: $problem"; fi
  wine "$installed/uninstall.exe" /S >/dev/null 2>&1
  wineserver -w
  for _ in $(seq 50); do [ -e "$installed" ] || break; sleep 0.2; done
  snapshot "$work/removed"
  left=$(unchanged "$work/uninstalled" "$work/removed")
  [ -z "$left" ] && pass "the uninstaller leaves nothing behind" || fail "left after uninstalling: $left"
else
  fail "the installer did not install mjcalc.exe into $installed"
fi
fi

# --- A screenshot -------------------------------------------------------------------------------
# In wine's own desktop, which draws the frame Windows would: a limit, East and one meld.
shots=$build/screenshots
mkdir -p "$shots"
(wine explorer /desktop=shot,640x540 "$exe" >/dev/null 2>&1) &
if desktop=$(window_named "shot - Wine desktop"); then
  sleep 3
  xdotool mousemove --window "$desktop" 110 68 click 1 # into the limit box
  sleep 0.3
  xdotool type --delay 80 500
  xdotool key --delay 80 Tab space Tab space
  sleep 1
  import -window "$desktop" "$shots/calculator-windows.png" &&
    pass "screenshot in $shots/calculator-windows.png" || fail "no screenshot"
else
  fail "wine's desktop for the screenshot did not appear"
fi
wineserver -k 2>/dev/null

exit $status
