#!/bin/sh
# Installs the built program into a scratch prefix and checks what a desktop finds there: the
# program, its .desktop entry and metadata (both validated), its icon at the usual sizes and its
# manual page.
set -eu
build_dir=$1
id=org.mjcalc.MJCalculator

for tool in desktop-file-validate appstreamcli; do
    if ! command -v "$tool" >/dev/null 2>&1; then
        echo "SKIP: $tool is missing (Debian packages desktop-file-utils and appstream; make test installs them)"
        exit 77
    fi
done

# bin/ unless the build chose another folder for programs (Debian's package puts it in games/).
bindir=$(sed -n 's/^CMAKE_INSTALL_BINDIR:[A-Z]*=//p' "$build_dir/CMakeCache.txt")
bindir=${bindir:-bin}

prefix=$(mktemp -d "${TMPDIR:-/tmp}/mjcalc-install.XXXXXX")
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

status=0
expect() {
    if [ -f "$prefix/$1" ]; then echo "ok: $1"; else echo "MISSING: $1"; status=1; fi
}
expect "$bindir/mjcalc"
[ -x "$prefix/$bindir/mjcalc" ] || { echo "NOT EXECUTABLE: $bindir/mjcalc"; status=1; }
expect share/applications/$id.desktop
expect share/metainfo/$id.metainfo.xml
expect share/man/man1/mjcalc.1
for size in 16 24 32 48 64 128 256; do
    icon=share/icons/hicolor/${size}x${size}/apps/$id.png
    expect "$icon"
    if [ -f "$prefix/$icon" ]; then
        # The PNG header holds width and height as 4-byte numbers at bytes 16 and 20.
        dims=$(od -An -tu1 -j16 -N8 "$prefix/$icon" | awk '{print $3*256+$4 "x" $7*256+$8}')
        [ "$dims" = "${size}x${size}" ] || { echo "WRONG SIZE: $icon is $dims"; status=1; }
    fi
done

grep -q "^Icon=$id\$" "$prefix/share/applications/$id.desktop" || { echo "desktop entry names another icon"; status=1; }
grep -q "^Exec=mjcalc\$" "$prefix/share/applications/$id.desktop" || { echo "desktop entry starts another program"; status=1; }
desktop-file-validate "$prefix/share/applications/$id.desktop" || status=1
sh "$(dirname "$0")/validate_metainfo.sh" "$prefix/share/metainfo/$id.metainfo.xml" || status=1
exit $status
