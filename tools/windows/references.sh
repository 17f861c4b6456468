#!/usr/bin/env bash
# `make windows-references`: draws tests/reference/windows/ again with the cross-built screen
# test under wine, for when a change of look is meant; look at the pictures before committing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${WINDOWS_BUILD_DIR:-$repo/build-windows}
[ -f "$build/build.ninja" ] || { echo "make windows-references: run make windows first" >&2; exit 1; }
# shellcheck source=tools/windows/wine-session.sh
. "$here/wine-session.sh"
mkdir -p "$repo/tests/reference/windows"
cd "$build" && MJCALC_REDRAW_REFERENCES=1 ctest -R tst_screen --output-on-failure
