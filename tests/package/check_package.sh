#!/usr/bin/env bash
# Installs the package that `make package` built the way a user would (apt-get install ./...deb),
# checks that the installed program starts, shows its main window and ends cleanly once its
# windows are closed, that its files are where Debian expects them, then removes it with --purge
# and checks that none of its files are left. Runs as root (CI does); an mjcalc already installed
# on the machine is removed first, and is gone afterwards.
# pass only echoes, so "check && pass || fail" reads as the if-else it looks like.
# shellcheck disable=SC2015
set -uo pipefail

deb=${1:-dist/mjcalc_1.00-1_amd64.deb}
here=$(cd "$(dirname "$0")" && pwd)
id=org.mjcalc.MJCalculator
main_title="V! Mah-Jongg Calculator"
export DEBIAN_FRONTEND=noninteractive

status=0
pass() { echo "ok: $*"; }
fail() { echo "FAIL: $*"; status=1; }
stop() { echo "FAIL: $*"; exit 1; }

[ "$(id -u)" = 0 ] || stop "run as root: it installs and removes the package (sudo $0 $deb)"
[ -f "$deb" ] || stop "$deb is missing; run make package first"
case $deb in /*) ;; *) deb=./$deb ;; esac # apt-get takes a path only with a slash in it

work=$(mktemp -d "${TMPDIR:-/tmp}/mjcalc-package.XXXXXX")
trap 'rm -rf "$work"' EXIT
chmod 755 "$work"

# The helper that closes the windows is compiled here, against the same Qt the package uses.
helper_packages=""
command -v g++ >/dev/null || helper_packages="$helper_packages g++"
command -v pkg-config >/dev/null || helper_packages="$helper_packages pkg-config"
pkg-config --exists Qt6Widgets 2>/dev/null || helper_packages="$helper_packages qt6-base-dev"
if [ -n "$helper_packages" ]; then
    echo "Installing Debian packages:$helper_packages"
    # shellcheck disable=SC2086 # one word per package
    apt-get install -y -q --no-install-recommends $helper_packages >/dev/null ||
        stop "could not install$helper_packages"
fi
# shellcheck disable=SC2046 # pkg-config's flags are meant to be split
# The same probe the test suite loads into the program: it reports the windows shown, then
# closes them as a user would.
g++ -std=c++17 -shared -fPIC -O1 -o "$work/libprobe.so" "$here/../program/probe.cpp" \
    $(pkg-config --cflags --libs Qt6Widgets) || stop "could not build the probe"

if dpkg-query -W -f='${db:Status-Status}' mjcalc 2>/dev/null | grep -q '^installed$'; then
    echo "Removing the mjcalc already installed, so that the test installs from scratch"
    apt-get remove --purge -y -q mjcalc >/dev/null || stop "could not remove the installed mjcalc"
fi

# --- Installing ---------------------------------------------------------------------------------
if apt-get install -y -q "$deb" >"$work/install.log" 2>&1 ||
    { apt-get update -q >/dev/null 2>&1 && apt-get install -y -q "$deb" >"$work/install.log" 2>&1; }; then
    pass "apt-get install $deb"
else
    cat "$work/install.log"
    stop "apt-get install $deb"
fi
version=$(dpkg-query -W -f='${Version}' mjcalc)
[ "$(dpkg-query -W -f='${db:Status-Status}' mjcalc)" = installed ] &&
    pass "dpkg knows mjcalc $version as installed" || fail "dpkg does not list mjcalc as installed"

# --- Files where Debian expects them ------------------------------------------------------------
expect_file() {
    if [ -f "$1" ]; then pass "$1"; else fail "missing: $1"; fi
}
expect_file /usr/bin/mjcalc
[ -x /usr/bin/mjcalc ] || fail "/usr/bin/mjcalc is not executable"
[ "$(command -v mjcalc)" = /usr/bin/mjcalc ] && pass "mjcalc is found on PATH" ||
    fail "mjcalc is not found on PATH as /usr/bin/mjcalc"
expect_file /usr/share/applications/$id.desktop
expect_file /usr/share/metainfo/$id.metainfo.xml
for size in 16 24 32 48 64 128 256; do
    expect_file /usr/share/icons/hicolor/${size}x${size}/apps/$id.png
done
expect_file /usr/share/man/man1/mjcalc.1.gz
expect_file /usr/share/doc/mjcalc/copyright
expect_file /usr/share/doc/mjcalc/changelog.Debian.gz
grep -q '^Exec=mjcalc$' /usr/share/applications/$id.desktop && pass "the desktop entry starts mjcalc" ||
    fail "the desktop entry does not start mjcalc"
grep -q "^Icon=$id\$" /usr/share/applications/$id.desktop && pass "the desktop entry names the installed icon" ||
    fail "the desktop entry names another icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate /usr/share/applications/$id.desktop && pass "desktop-file-validate" ||
        fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    appstreamcli validate --no-net /usr/share/metainfo/$id.metainfo.xml >"$work/appstream.log" 2>&1 &&
        pass "appstreamcli validate" || { cat "$work/appstream.log"; fail "appstreamcli validate"; }
fi
if command -v man >/dev/null; then
    [ "$(man -w mjcalc 2>/dev/null)" = /usr/share/man/man1/mjcalc.1.gz ] && pass "man -w mjcalc" ||
        fail "man does not find the mjcalc page"
fi
missing_libs=$(ldd /usr/bin/mjcalc | grep 'not found')
[ -z "$missing_libs" ] && pass "every shared library of /usr/bin/mjcalc is installed" ||
    fail "missing shared libraries: $missing_libs"

# --- Running the installed program ---------------------------------------------------------------
# As a plain user, in a bare environment, as a fresh login would start it.
run_as=()
if id nobody >/dev/null 2>&1; then run_as=(runuser -u nobody --); fi
home="$work/home"
mkdir -p "$home" && chmod 777 "$home"
run_env=(env -i PATH=/usr/bin:/bin HOME="$home" LANG=C.UTF-8)

"${run_as[@]}" "${run_env[@]}" timeout 20 /usr/bin/mjcalc >"$work/nodisplay.out" 2>&1
rc=$?
if [ $rc = 1 ] && grep -q 'needs a display' "$work/nodisplay.out"; then
    pass "without a display, mjcalc says so and exits with status 1"
else
    cat "$work/nodisplay.out"
    fail "without a display, mjcalc exited with status $rc"
fi

"${run_as[@]}" "${run_env[@]}" QT_QPA_PLATFORM=offscreen LD_PRELOAD="$work/libprobe.so" MJCALC_PROBE=report \
    timeout 60 /usr/bin/mjcalc >"$work/run.out" 2>"$work/run.err"
rc=$?
if grep -qxF "window Form1 $main_title" "$work/run.out"; then
    pass "on the offscreen platform, mjcalc shows its main window \"$main_title\""
else
    cat "$work/run.out" "$work/run.err"
    fail "mjcalc did not show its main window \"$main_title\""
fi
if [ $rc = 0 ]; then
    pass "mjcalc exits with status 0 once its windows are closed"
else
    cat "$work/run.err"
    fail "mjcalc exited with status $rc once its windows were closed (124: still running after 60 s)"
fi

# --- Removing ---------------------------------------------------------------------------------
# What dpkg installed, and which of those paths were files, recorded before removal.
dpkg -L mjcalc >"$work/listed"
while IFS= read -r path; do
    if [ -d "$path" ] && [ ! -L "$path" ]; then echo "$path" >>"$work/dirs"; else echo "$path" >>"$work/files"; fi
done <"$work/listed"

if apt-get remove --purge -y -q mjcalc >"$work/remove.log" 2>&1; then
    pass "apt-get remove --purge mjcalc"
else
    cat "$work/remove.log"
    fail "apt-get remove --purge mjcalc"
fi
state=$(dpkg-query -W -f='${db:Status-Status}' mjcalc 2>/dev/null)
[ -z "$state" ] || [ "$state" = not-installed ] && pass "dpkg no longer knows mjcalc" ||
    fail "dpkg still lists mjcalc as $state"

left=0
while IFS= read -r path; do
    if [ -e "$path" ] || [ -L "$path" ]; then fail "left behind: $path"; left=$((left + 1)); fi
done <"$work/files"
# A directory may stay when another package owns it or something else lives in it.
while IFS= read -r dir; do
    [ -d "$dir" ] || continue
    dpkg-query -S "$dir" >/dev/null 2>&1 && continue
    [ -n "$(ls -A "$dir")" ] && continue
    fail "left behind: empty directory $dir"
    left=$((left + 1))
done <"$work/dirs"
[ $left = 0 ] && pass "none of the $(wc -l <"$work/files") files the package installed is left"

if [ $status = 0 ]; then echo "PASS: the package installs, runs and removes cleanly"; else echo "FAILED"; fi
exit $status
