#!/usr/bin/env bash
# `make windows-bench`: the program's start-up against bench/plainsheet.cpp, both cross-built as
# `make windows` builds the program, started by turns under wine on the windows platform (an X
# server of its own), to the first idle moment. Times only: there is no valgrind under wine.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${WINDOWS_BUILD_DIR:-$repo/build-windows}
[ -f "$build/build.ninja" ] || { echo "make windows-bench: run make windows first" >&2; exit 1; }
# Built where make windows builds (with --build), run here.
if [ "${1:-}" = --build ]; then
  cmake --build "$build" -j "${JOBS:-2}" --target startup_compare startup_mjcalc startup_plainsheet
  exit 0
fi

# shellcheck source=tools/windows/wine-session.sh
. "$here/wine-session.sh"

echo "mjcalc.exe: $(du -k "$build/mjcalc.exe" | cut -f1) kB as built, $(du -k "$build/stage/mjcalc.exe" 2>/dev/null | cut -f1) kB stripped"
# Qt puts every program of a Windows build in the top folder, beside the DLLs it would need.
cd "$build"
wine startup_compare.exe startup_mjcalc.exe -- startup_plainsheet.exe "Z:$repo/resources/icons" 2>&1 |
  tr -d '\r' | grep -v "^instructions not counted"
