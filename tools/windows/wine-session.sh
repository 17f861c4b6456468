# shellcheck shell=bash
# Sourced by the scripts that run Windows programs here: a wine prefix and an X server of their
# own, in a temporary folder, both gone when the script ends. Sets WORK, WINEPREFIX and DISPLAY.
# The caller may add process ids to STARTED, to be stopped at the end too.
WORK=$(mktemp -d "${TMPDIR:-/tmp}/mjcalc-wine.XXXXXX")
export WINEPREFIX=$WORK/prefix WINEDEBUG=-all WINEARCH=win64
# Wine's Mono and Gecko would be offered for download at the first start; nothing here needs them.
export WINEDLLOVERRIDES="mscoree,mshtml="
STARTED=()
# shellcheck disable=SC2317 # called by the trap
end_wine_session() {
  wineserver -k 2>/dev/null || true
  for pid in "${STARTED[@]}"; do kill "$pid" 2>/dev/null; done
  for pid in "${STARTED[@]}"; do wait "$pid" 2>/dev/null; done
  rm -rf "$WORK"
}
trap end_wine_session EXIT

# Some kernels run no 32-bit program (virtual machines without 32-bit support): wine's 32-bit
# loader then fails with "Exec format error", yet Debian's wine starts it whenever wine32 is
# installed. The 64-bit loader runs every 64-bit program as well; a check that needs the 32-bit
# one asks WINE_32BIT and says why it cannot run.
export WINE_32BIT=yes
if ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
  WINE_32BIT=no
  mkdir -p "$WORK/bin"
  for name in wine wine-stable; do
    printf '#!/bin/sh\nexec /usr/lib/wine/wine64 "$@"\n' >"$WORK/bin/$name"
    chmod +x "$WORK/bin/$name"
  done
  export PATH="$WORK/bin:$PATH" WINELOADER=/usr/lib/wine/wine64
fi

# The first free display from :90 on.
display=90
while [ -e "/tmp/.X11-unix/X$display" ] || [ -e "/tmp/.X$display-lock" ]; do display=$((display + 1)); done
export DISPLAY=:$display
Xvfb "$DISPLAY" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
STARTED+=($!)
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
xdpyinfo >/dev/null 2>&1 || { echo "the X server $DISPLAY did not start" >&2; exit 1; }
# Wine finds its server by the prefix folder's device and inode, and a server that an interrupted
# session left behind can answer for a new folder that reuses the inode: so any server for the
# folder is stopped first. A start that still makes no prefix is tried again, and wine's own
# words are shown when it fails for good.
for try in 1 2 3; do
  rm -rf "$WINEPREFIX" && mkdir -p "$WINEPREFIX"
  wineserver -k 2>/dev/null || true
  WINEDEBUG=err+all,fixme-all timeout 300 wine wineboot -i >"$WORK/wineboot.log" 2>&1 || true
  timeout 120 wineserver -w || true
  [ -d "$WINEPREFIX/drive_c/windows/system32" ] && break
  wineserver -k 2>/dev/null || true
  if [ "$try" = 3 ]; then
    echo "wine could not make a prefix in $WINEPREFIX, three times; what it said the last time:" >&2
    tail -n 40 "$WORK/wineboot.log" >&2
    exit 1
  fi
  echo "wine could not make a prefix in $WINEPREFIX; trying again" >&2
  sleep 2
done
# Wine's stand-ins for Windows' dialog and title-bar fonts (Tahoma, Marlett, from fonts-wine) are
# not found where Debian installs them, so wine would draw every dialog and menu in the first
# family it knows; a Windows machine has them in its fonts folder.
cp /usr/share/wine/fonts/tahoma*.ttf /usr/share/wine/fonts/marlett.ttf "$WINEPREFIX/drive_c/windows/Fonts/" 2>/dev/null ||
  { echo "wine's fonts are missing: install the Debian package fonts-wine" >&2; exit 1; }
