#!/bin/sh
# Redraws resources/tiles/*.png and resources/icons/mjcalc-*.png. Run by hand (as root, so the
# CJK font can be installed when it is missing) after changing the drawing code, then commit
# the images; the application build only packs them.
set -eu

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)

font_package=fonts-noto-cjk
if ! dpkg-query -W -f '${Status}' "$font_package" 2>/dev/null | grep -q 'ok installed'; then
    # The package lists may be stale on a fresh machine; refresh them only when needed.
    apt-get install -y --no-install-recommends "$font_package" ||
        { apt-get update || true; apt-get install -y --no-install-recommends "$font_package"; }
fi

build=$(mktemp -d "${TMPDIR:-/tmp}/tilegen.XXXXXX")
trap 'rm -rf "$build"' EXIT

cmake -S "$here" -B "$build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" --parallel >/dev/null

runtime="$build/runtime"
mkdir -m 700 "$runtime"
QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$runtime" \
    "$build/tilegen" "$repo/resources/tiles" "$repo/resources/icons" "$@"
