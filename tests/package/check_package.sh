#!/usr/bin/env bash
# Runs the package's own tests (debian/tests) with autopkgtest on this machine. Then installs the
# package that `make package` built the way a user would (apt-get install ./...deb), checks its
# fields, its files and what the installed program needs of the system, starts it on the offscreen
# platform, on an X server (its window's class, and no session bus launched behind the player's
# back) and on a Wayland compositor with no X server, then removes it with --purge and checks that
# none of its files are left. Runs as root (CI does); an mjcalc already installed on the machine is
# removed, and is gone afterwards. What the check itself needs (autopkgtest, an X server, a
# compositor, D-Bus's tools) it installs, and leaves installed, as autopkgtest leaves what the
# package's tests need.
# pass only echoes, so "check && pass || fail" reads as the if-else it looks like.
# shellcheck disable=SC2015
set -uo pipefail

deb=${1:?"usage: $0 dist/mjcalc_<version>_<arch>.deb (make package-check names the one make package built)"}
here=$(cd "$(dirname "$0")" && pwd)
id=org.mjcalc.MJCalculator
main_title="V! Mah-Jongg Calculator"
# Debian keeps games' programs in /usr/games, which is on a user's PATH (login.defs), not root's.
program=/usr/games/mjcalc
user_path=$(sed -n 's/^ENV_PATH[[:space:]]*PATH=//p' /etc/login.defs 2>/dev/null)
user_path=${user_path:-/usr/local/bin:/usr/bin:/bin:/usr/local/games:/usr/games}
export DEBIAN_FRONTEND=noninteractive

status=0
pass() { echo "ok: $*"; }
fail() { echo "FAIL: $*"; status=1; }
stop() { echo "FAIL: $*"; exit 1; }

[ "$(id -u)" = 0 ] || stop "run as root: it installs and removes the package (sudo $0 $deb)"
[ -f "$deb" ] || stop "$deb is missing; run make package first"
case $deb in /*) ;; *) deb=./$deb ;; esac # apt-get takes a path only with a slash in it

work=$(mktemp -d "${TMPDIR:-/tmp}/mjcalc-package.XXXXXX")
# The servers and buses the check starts, stopped by their process ids when it ends.
started=()
# shellcheck disable=SC2317 # called by the trap
cleanup() {
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null; done
    for pid in "${started[@]}"; do wait "$pid" 2>/dev/null; done
    rm -rf "$work"
}
trap cleanup EXIT
chmod 755 "$work"

# The probe is compiled here, against the same Qt the package uses. Xvfb and x11-utils give an X
# server and a look at its windows, weston a Wayland compositor. dbus-x11 is what lets libdbus
# launch a session bus for an X display at all: without it, the run without a session bus could
# not fail.
check_packages=""
want() { command -v "$1" >/dev/null || check_packages="$check_packages $2"; }
want g++ g++
want readelf binutils
want pkg-config pkg-config
pkg-config --exists Qt6Widgets 2>/dev/null || check_packages="$check_packages qt6-base-dev"
want Xvfb xvfb
want xprop x11-utils
want weston weston
want dbus-launch dbus-x11
want dbus-monitor dbus-bin
want autopkgtest autopkgtest
if [ -n "$check_packages" ]; then
    echo "Installing Debian packages:$check_packages"
    # shellcheck disable=SC2086 # one word per package
    { apt-get install -y -q --no-install-recommends $check_packages >/dev/null ||
        { apt-get update -q >/dev/null; apt-get install -y -q --no-install-recommends $check_packages >/dev/null; }; } ||
        stop "could not install$check_packages"
fi
# shellcheck disable=SC2046 # pkg-config's flags are meant to be split
# The same probe the test suite loads into the program: once the windows are on screen it reports
# them and the platform, then closes them as a user would.
g++ -std=c++17 -shared -fPIC -O1 -o "$work/libprobe.so" "$here/../program/probe.cpp" \
    $(pkg-config --cflags --libs Qt6Widgets) || stop "could not build the probe"

# --- Debian's tests of the installed package (debian/tests) ---------------------------------------
# As Debian's CI runs them: autopkgtest unpacks the source package built beside the .deb, installs
# what the tests need, and runs them here, on this machine (the null runner). The .deb is installed
# with apt first and autopkgtest told to take the installed package (-B): handed the .deb itself,
# it publishes it through a repository of its own in the machine's apt sources and, to take that
# away again, updates every list of the machine's archive, so that one index caught mid-sync on a
# mirror failed the package's tests after they had passed. The checks below then install the
# package from scratch again.
dsc=$(dirname "$deb")/$(basename "$deb" | sed 's/_[^_]*\.deb$//').dsc
if [ ! -f "$dsc" ]; then
    fail "$dsc is missing: make package builds it beside $deb"
elif ! apt-get install -y -q "$deb" >"$work/autopkgtest-install.log" 2>&1; then
    cat "$work/autopkgtest-install.log"
    fail "apt-get install $deb, for autopkgtest"
elif autopkgtest -B --output-dir "$work/autopkgtest" "$dsc" -- null >"$work/autopkgtest.log" 2>&1; then
    sed 's/^/  /' "$work/autopkgtest/summary"
    pass "autopkgtest -B $dsc -- null, with $deb installed"
else
    rc=$?
    cat "$work/autopkgtest.log"
    fail "autopkgtest -B $dsc -- null, with $deb installed, exited with status $rc"
fi

if dpkg-query -W -f='${db:Status-Status}' mjcalc 2>/dev/null | grep -q '^installed$'; then
    echo "Removing the mjcalc already installed, so that the test installs from scratch"
    apt-get remove --purge -y -q mjcalc >/dev/null || stop "could not remove the installed mjcalc"
fi

# --- The package's fields -----------------------------------------------------------------------
field() { dpkg-deb -f "$deb" "$1"; }
has() { sed 's/[,|]/\n/g' | sed 's/^ *//; s/ .*//' | grep -qxF "$1"; }
[ "$(field Section)" = games ] && pass "Section: games" || fail "Section: $(field Section), not games"
field Depends | has fonts-liberation2 && pass "Depends names fonts-liberation2, the sheets' font" ||
    fail "Depends lacks fonts-liberation2: $(field Depends)"
field Recommends | has qt6-wayland && pass "Recommends names qt6-wayland, Qt's Wayland plugin" ||
    fail "Recommends lacks qt6-wayland: $(field Recommends)"

# --- Installing ---------------------------------------------------------------------------------
if apt-get install -y -q "$deb" >"$work/install.log" 2>&1 ||
    { apt-get update -q >/dev/null 2>&1; apt-get install -y -q "$deb" >"$work/install.log" 2>&1; }; then
    pass "apt-get install $deb"
else
    cat "$work/install.log"
    stop "apt-get install $deb"
fi
version=$(dpkg-query -W -f='${Version}' mjcalc)
[ "$(dpkg-query -W -f='${db:Status-Status}' mjcalc)" = installed ] &&
    pass "dpkg knows mjcalc $version as installed" || fail "dpkg does not list mjcalc as installed"
# apt installs what a package recommends unless told not to; the Wayland run below needs it.
if ! dpkg-query -W -f='${db:Status-Status}' qt6-wayland 2>/dev/null | grep -q '^installed$'; then
    echo "note: apt left out the recommended qt6-wayland (APT::Install-Recommends is off); installing it"
    apt-get install -y -q qt6-wayland >/dev/null || fail "could not install qt6-wayland"
fi

# --- Files where Debian expects them ------------------------------------------------------------
expect_file() {
    if [ -f "$1" ]; then pass "$1"; else fail "missing: $1"; fi
}
expect_file $program
[ -x $program ] || fail "$program is not executable"
[ "$(PATH=$user_path command -v mjcalc)" = $program ] && pass "mjcalc is found on a user's PATH ($user_path)" ||
    fail "mjcalc is not found on a user's PATH ($user_path) as $program"
desktop=/usr/share/applications/$id.desktop
expect_file $desktop
expect_file /usr/share/metainfo/$id.metainfo.xml
for size in 16 24 32 48 64 128 256; do
    expect_file /usr/share/icons/hicolor/${size}x${size}/apps/$id.png
done
expect_file /usr/share/man/man1/mjcalc.1.gz
expect_file /usr/share/doc/mjcalc/copyright
expect_file /usr/share/doc/mjcalc/changelog.Debian.gz
grep -q '^Exec=mjcalc$' $desktop && pass "the desktop entry starts mjcalc" ||
    fail "the desktop entry does not start mjcalc"
grep -q "^Icon=$id\$" $desktop && pass "the desktop entry names the installed icon" ||
    fail "the desktop entry names another icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate $desktop && pass "desktop-file-validate" || fail "desktop-file-validate"
fi
if command -v appstreamcli >/dev/null; then
    sh "$here/../validate_metainfo.sh" /usr/share/metainfo/$id.metainfo.xml >"$work/appstream.log" 2>&1 &&
        pass "appstreamcli validate" || { cat "$work/appstream.log"; fail "appstreamcli validate"; }
fi
if command -v man >/dev/null; then
    [ "$(man -w mjcalc 2>/dev/null)" = /usr/share/man/man1/mjcalc.1.gz ] && pass "man -w mjcalc" ||
        fail "man does not find the mjcalc page"
fi

# One version throughout: the package's upstream part, the metadata's newest release, the manual
# page's heading and, below, the running program's own.
upstream=$(echo "$version" | sed 's/^[0-9]*://; s/-[^-]*$//')
release=$(sed -n 's/.*<release version="\([^"]*\)".*/\1/p' /usr/share/metainfo/$id.metainfo.xml | head -n1)
[ "$release" = "$upstream" ] && pass "the metadata's newest release is $upstream" ||
    fail "the metadata's newest release is '$release', the package's upstream version $upstream"
heading=$(zcat /usr/share/man/man1/mjcalc.1.gz | sed -n 's/^\.TH .*"MJ Calculator \([^"]*\)".*/\1/p')
[ "$heading" = "$upstream" ] && pass "the manual page's heading names version $upstream" ||
    fail "the manual page's heading names version '$heading', the package's $upstream"

# --- What the installed program needs of the system ---------------------------------------------
missing_libs=$(ldd $program | grep 'not found')
[ -z "$missing_libs" ] && pass "every shared library of $program is installed" ||
    fail "missing shared libraries: $missing_libs"
# The newest C library version the program asks for, against the libc6 version the package
# demands: a lower floor would let the package install where the program cannot start.
# GLIBC_ABI_DT_RELR, which packed relocations ask for, came with glibc 2.36.
needed=""
while read -r name; do
    case $name in
    GLIBC_ABI_DT_RELR) v=2.36 ;;
    GLIBC_[0-9]*) v=${name#GLIBC_} ;;
    *) fail "$program asks for $name, which this check cannot place in a glibc version"; continue ;;
    esac
    if [ -z "$needed" ] || dpkg --compare-versions "$v" gt "$needed"; then needed=$v; fi
done < <(readelf -V -W $program | sed -n 's/.*Name: \(GLIBC_[^ ]*\).*/\1/p' | sort -u)
floor=$(dpkg-query -W -f='${Depends}' mjcalc | tr ',' '\n' | sed -n 's/^ *libc6 (>= \([^)]*\)).*/\1/p')
if [ -z "$needed" ] || [ -z "$floor" ]; then
    fail "no GLIBC_ version found in $program (${needed:-none}) or no libc6 floor in Depends (${floor:-none})"
elif dpkg --compare-versions "$floor" ge "$needed"; then
    pass "Depends: libc6 (>= $floor) covers GLIBC_$needed, the newest version $program needs"
else
    fail "Depends: libc6 (>= $floor), yet $program needs GLIBC_$needed"
fi
runpath=$(readelf -d -W $program | grep -E '\((RUNPATH|RPATH)\)')
[ -z "$runpath" ] && pass "$program carries no RUNPATH or RPATH" ||
    fail "$program carries $runpath"

# --- Running the installed program ---------------------------------------------------------------
# As a plain user, in a bare environment, as a fresh login would start it: each probed run gets a
# home folder of its own, empty, to see whether anything lands in it.
run_as=()
owner=root
if id nobody >/dev/null 2>&1; then
    run_as=(setpriv --reuid="$(id -u nobody)" --regid="$(id -g nobody)" --clear-groups --)
    owner=nobody
fi
private_dir() { mkdir -p "$1" && chown "$owner" "$1" && chmod 700 "$1"; }
private_dir "$work/home"
run_env=(env -i PATH="$user_path" LANG=C.UTF-8)
probe_env=(LD_PRELOAD="$work/libprobe.so" MJCALC_PROBE=report)
# Runs the installed program with the probe: $1 names the run, the rest is variables of its
# environment, the program and its arguments. Fills $work/$1.out and $work/$1.err, and returns
# the program's exit status.
run_probed() {
    local name=$1
    shift
    private_dir "$work/home-$name"
    timeout 60 "${run_as[@]}" "${run_env[@]}" HOME="$work/home-$name" "${probe_env[@]}" "$@" \
        >"$work/$name.out" 2>"$work/$name.err"
}
# Checks that the probed run $1 showed the main window on the platform $3, wrote nothing in the
# home folder and ended with status $4 = 0; $2 says which run it was.
expect_shown() {
    local name=$1 what=$2 platform=$3 rc=$4
    if grep -qxF "window Form1 $main_title" "$work/$name.out" && grep -qxF "platform $platform" "$work/$name.out"; then
        pass "$what: mjcalc shows its main window \"$main_title\" on the $platform platform"
    else
        cat "$work/$name.out" "$work/$name.err"
        fail "$what: mjcalc did not show its main window on the $platform platform"
    fi
    if [ "$rc" = 0 ]; then
        pass "$what: mjcalc exits with status 0 once its windows are closed"
    else
        cat "$work/$name.err"
        fail "$what: mjcalc exited with status $rc once its windows were closed (124: still running after 60 s)"
    fi
    local left
    left=$(find "$work/home-$name" -mindepth 1)
    [ -z "$left" ] && pass "$what: nothing written in the home folder" ||
        fail "$what: mjcalc wrote $(echo "$left" | tr '\n' ' ')"
}
# Waits up to ten seconds for a file or socket to appear.
await() {
    for _ in $(seq 100); do
        [ -e "$1" ] && return 0
        sleep 0.1
    done
    return 1
}

"${run_as[@]}" "${run_env[@]}" HOME="$work/home" timeout 20 mjcalc >"$work/nodisplay.out" 2>&1
rc=$?
if [ $rc = 1 ] && grep -q 'needs a display' "$work/nodisplay.out"; then
    pass "without a display, mjcalc says so and exits with status 1"
else
    cat "$work/nodisplay.out"
    fail "without a display, mjcalc exited with status $rc"
fi

# Qt's own option stands in for a display.
run_probed offscreen mjcalc -platform offscreen
expect_shown offscreen "-platform offscreen, no display" offscreen $?
grep -qxF "name mjcalc $upstream" "$work/offscreen.out" && pass "mjcalc calls itself version $upstream" ||
    fail "mjcalc does not call itself version $upstream: $(grep '^name ' "$work/offscreen.out")"

# --- On an X server -----------------------------------------------------------------------------
Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$work/xvfb.display" 2>"$work/xvfb.log" &
started+=("$!")
for _ in $(seq 100); do
    [ -s "$work/xvfb.display" ] && break
    sleep 0.1
done
[ -s "$work/xvfb.display" ] || { cat "$work/xvfb.log"; stop "Xvfb did not start"; }
display=:$(head -n1 "$work/xvfb.display")
private_dir "$work/runtime"
run_env+=(DISPLAY="$display")

# With no session bus known, as on a plain window manager or a remote X session, libdbus would
# launch one for the X display; that writes under ~/.dbus and leaves dbus-launch and dbus-daemon
# running. The processes already there are left out of the count. This run comes first on the X
# server: a bus launched for it by an earlier run would be found again, and nothing new launched.
bus_processes() { { pgrep -u "$owner" -x dbus-launch; pgrep -u "$owner" -x dbus-daemon; } | sort; }
bus_processes >"$work/buses.before"
private_dir "$work/runtime-nobus"
run_probed nobus XDG_RUNTIME_DIR="$work/runtime-nobus" mjcalc
expect_shown nobus "X11, no session bus" xcb $?
left=$(find "$work/runtime-nobus" -mindepth 1)
[ -z "$left" ] && pass "X11, no session bus: nothing written in the runtime folder" ||
    fail "X11, no session bus: mjcalc wrote $(echo "$left" | tr '\n' ' ')"
bus_processes >"$work/buses.after"
launched=$(comm -13 "$work/buses.before" "$work/buses.after")
if [ -z "$launched" ]; then
    pass "X11, no session bus: no dbus-launch or dbus-daemon left running"
else
    # shellcheck disable=SC2086 # one process id a word
    ps -o pid,args -p "$(echo $launched | tr ' ' ,)"
    fail "X11, no session bus: mjcalc left bus processes running"
    # shellcheck disable=SC2086
    kill -KILL $launched 2>/dev/null
fi

# The class of the running main window, as docks and task bars read it, against the desktop entry.
timeout 60 "${run_as[@]}" "${run_env[@]}" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" mjcalc \
    >"$work/x11.out" 2>&1 &
x11_pid=$!
window=""
for _ in $(seq 300); do
    window=$(DISPLAY=$display xwininfo -root -tree 2>/dev/null | grep -F "\"$main_title\":" | awk '{ print $1; exit }')
    [ -n "$window" ] && break
    kill -0 $x11_pid 2>/dev/null || break
    sleep 0.1
done
if [ -n "$window" ]; then
    wm_class=$(DISPLAY=$display xprop -id "$window" WM_CLASS)
    class=$(echo "$wm_class" | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
    startup=$(sed -n 's/^StartupWMClass=//p' $desktop)
    [ -n "$class" ] && [ "$class" = "$startup" ] &&
        pass "the window's class matches the desktop entry's StartupWMClass=$startup ($wm_class)" ||
        fail "the window's $wm_class does not match the desktop entry's StartupWMClass=$startup"
else
    cat "$work/x11.out"
    fail "mjcalc showed no window \"$main_title\" on the X server $display"
fi
kill $x11_pid 2>/dev/null
wait $x11_pid 2>/dev/null

# A session that has a bus keeps it: named in DBUS_SESSION_BUS_ADDRESS, or at its usual place in
# the runtime folder. Qt asks it for the accessibility bus (org.a11y.Bus), which screen readers
# use, as a bus monitor shows.
for where in variable runtime; do
    bus_dir="$work/bus-$where"
    private_dir "$bus_dir"
    "${run_as[@]}" env -i PATH=/usr/bin:/bin dbus-daemon --session --nofork \
        --address="unix:path=$bus_dir/bus" >/dev/null 2>&1 &
    bus_pid=$!
    started+=("$bus_pid")
    await "$bus_dir/bus" || { fail "the session bus in $bus_dir did not start"; continue; }
    "${run_as[@]}" env -i PATH=/usr/bin:/bin DBUS_SESSION_BUS_ADDRESS="unix:path=$bus_dir/bus" \
        dbus-monitor --session >"$work/monitor-$where.log" 2>&1 &
    monitor_pid=$!
    for _ in $(seq 100); do
        grep -q 'member=NameLost' "$work/monitor-$where.log" && break
        sleep 0.1
    done
    if [ $where = variable ]; then
        run_probed "bus-$where" DBUS_SESSION_BUS_ADDRESS="unix:path=$bus_dir/bus" \
            XDG_RUNTIME_DIR="$work/runtime" mjcalc
    else
        run_probed "bus-$where" XDG_RUNTIME_DIR="$bus_dir" mjcalc
    fi
    expect_shown "bus-$where" "X11, session bus in the $where" xcb $?
    sleep 0.5
    kill $monitor_pid $bus_pid 2>/dev/null
    wait $monitor_pid $bus_pid 2>/dev/null
    grep -q 'string "org.a11y.Bus"' "$work/monitor-$where.log" &&
        pass "X11, session bus in the $where: mjcalc asks it for the accessibility bus" ||
        fail "X11, session bus in the $where: mjcalc never asked the session bus for org.a11y.Bus"
done

# --- On a Wayland compositor with no X server beside it -------------------------------------------
private_dir "$work/wayland"
"${run_as[@]}" env -i PATH=/usr/bin:/bin HOME="$work/wayland" XDG_RUNTIME_DIR="$work/wayland" \
    weston --backend=headless-backend.so --use-pixman --socket=wayland-mjcalc --idle-time=0 \
    --no-config >"$work/weston.log" 2>&1 &
weston_pid=$!
started+=("$weston_pid")
if await "$work/wayland/wayland-mjcalc"; then
    run_env=(env -i PATH="$user_path" LANG=C.UTF-8)
    run_probed wayland XDG_RUNTIME_DIR="$work/wayland" WAYLAND_DISPLAY=wayland-mjcalc mjcalc
    expect_shown wayland "Wayland, no DISPLAY" wayland $?
else
    cat "$work/weston.log"
    fail "weston's headless compositor did not start"
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
