#!/usr/bin/env bash
# Runs a command on Debian 13 from a Debian 12 machine: in a Debian 13 root that mmdebstrap makes
# from the machine's own Debian archive, on a clean clone of this tree (its committed state, as
# make dist takes it).
#
#   tools/debian13/root.sh [OPTION]... -- COMMAND [ARG]...
#
#   --variant apt|buildd|cross
#                          what the root holds besides Debian 13's essential packages and apt:
#                          apt (default) adds make and git, the set-up a newcomer starts from;
#                          buildd adds build-essential, the root Debian's builders build in;
#                          cross is apt with the packages --packages names installed once, for
#                          the cross builds, whose toolchains take minutes to install
#   --packages "P..."      the packages of the cross root (the Makefile's lists)
#   --bind HOST:INSIDE     makes the host folder HOST (created if missing) appear at INSIDE
#   --no-tree              runs COMMAND in /root without cloning the tree
#   --in-place             runs COMMAND in this very tree, at its own path, with the cache at its
#                          own path too: what COMMAND builds stays in the tree and the cache, where
#                          the host's own tools find it (the cross builds, make web and make
#                          windows)
#
# The root is kept in the cache beside the cross builds' Qt (MJCALC_QT_CACHE, /var/cache/mjcalc),
# one folder per variant and recipe; it is made in a .partial folder and renamed once complete,
# and made again when the archive has updates for a package it holds, so that security updates
# reach it. Every run starts from the root as it was made: what COMMAND changes is written to an
# overlay that is thrown away at the end. Downloaded packages are kept in the cache for the next
# run. All mounts live in a mount namespace of their own, so nothing stays mounted once the run
# ends, however it ends. Besides the cache, the host gains only the Debian packages this script
# needs (mmdebstrap, git).
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
tree=$(cd "$here/../.." && pwd)
cache_root=${MJCALC_QT_CACHE:-/var/cache/mjcalc}
release=trixie
say() { echo "debian13: $*" >&2; }
fail() { say "$*"; exit 1; }

variant=apt binds=() with_tree=1 in_place=0 packages=""
while [ $# -gt 0 ]; do
    case $1 in
    --variant) variant=$2; shift 2 ;;
    --packages) packages=$2; shift 2 ;;
    --bind) binds+=("$2"); shift 2 ;;
    --no-tree) with_tree=0; shift ;;
    --in-place) with_tree=0 in_place=1; shift ;;
    --) shift; break ;;
    *) fail "unknown option $1 (see the comment at the top of $0)" ;;
    esac
done
[ $# -gt 0 ] || fail "no command given: $0 [OPTION]... -- COMMAND [ARG]..."
case $variant in
apt) include=make,git,ca-certificates ;;
buildd) include=ca-certificates ;;
cross)
    [ -n "$packages" ] || fail "--variant cross needs --packages"
    # shellcheck disable=SC2086 # split on any blanks, one word per package
    include=make,git,ca-certificates,$(echo $packages | tr ' ' ',') ;;
*) fail "--variant is apt, buildd or cross, not $variant" ;;
esac
[ "$(id -u)" = 0 ] || fail "run as root: making a root and mounting in it needs root (sudo $0 ...)"

missing=""
for tool in mmdebstrap:mmdebstrap git:git unshare:util-linux; do
    command -v "${tool%%:*}" >/dev/null || missing="$missing ${tool#*:}"
done
if [ -n "$missing" ]; then
    say "installing Debian packages:$missing"
    # shellcheck disable=SC2086 # one word per package
    { DEBIAN_FRONTEND=noninteractive apt-get install -y -q --no-install-recommends $missing >/dev/null ||
        { apt-get update -q >/dev/null; DEBIAN_FRONTEND=noninteractive apt-get install -y -q \
            --no-install-recommends $missing >/dev/null; }; } || fail "could not install$missing"
fi

# The machine's own archive, for the same suites of the next release: the address it takes
# bookworm from serves trixie, and the one of bookworm-security serves trixie-security.
apt_uri() {
    local suite=$1
    # shellcheck disable=SC2016 # apt's own placeholders
    apt-get indextargets --format '$(REPO_URI) $(RELEASE)' 2>/dev/null | awk -v s="$suite" '$2 == s { print $1; exit }'
}
mirror=$(apt_uri bookworm)
security=$(apt_uri bookworm-security)
if [ -z "$mirror" ]; then
    mirror=$(sed -n 's/^URIs:[[:space:]]*//p' /etc/apt/sources.list.d/*.sources 2>/dev/null | grep -v security | head -n1)
fi
mirror=${mirror:-http://deb.debian.org/debian/}
security=${security:-${mirror%/debian/}/debian-security/}
sources=("deb ${mirror%/}/ $release main" "deb ${mirror%/}/ $release-updates main"
    "deb ${security%/}/ $release-security main")

# What the root holds follows from these alone; they name its folder.
mmdebstrap_options=(--variant="${variant/cross/apt}" --include="$include" --skip=cleanup/apt/lists)
recipe=$(printf '%s\n' "$release" "${mmdebstrap_options[@]}" "${sources[@]}")
key=$(echo "$recipe" | sha256sum | cut -c1-16)
entry="$cache_root/debian13-$variant-$key"
debs="$cache_root/debian13-debs"
mkdir -p "$cache_root" "$debs/partial"

# Each suite's InRelease, fetched on the host, tells whether the archive changed since the root
# was made; only then is the root asked whether it has updates, which takes longer.
release_files() {
    local out=$1 line uri suite
    mkdir -p "$out"
    for line in "${sources[@]}"; do
        read -r _ uri suite _ <<<"$line"
        /usr/lib/apt/apt-helper download-file "${uri}dists/$suite/InRelease" "$out/$suite" >/dev/null 2>&1 || return 1
    done
}
release_sum() { cat "$1"/* | sha256sum | cut -c1-64; }

run_dir=$(mktemp -d "${TMPDIR:-/var/tmp}/mjcalc-debian13.XXXXXX")
trap 'rm -rf "$run_dir"' EXIT

# Runs "$@" inside $1 (a root folder) with an overlay over it, in namespaces of its own: the mount
# namespace takes every mount away with it, the pid namespace every process COMMAND left behind.
in_overlay() {
    local lower=$1
    shift
    local layer status
    layer=$(mktemp -d "$run_dir/layer.XXXXXX")
    mkdir -p "$layer/upper" "$layer/work" "$layer/root"
    unshare --mount --propagation private --pid --fork --kill-child -- \
        "$here/inside.sh" "$lower" "$layer" "$debs" "${overlay_binds[@]/#/--bind=}" -- "$@" ||
        status=$?
    rm -rf "$layer"
    return "${status:-0}"
}

# The new root is made beside the old one, which goes only once its successor is complete.
make_root() {
    local partial="$entry.partial" old
    rm -rf "$partial" && mkdir -p "$partial"
    say "making a Debian 13 root ($variant) in $partial from ${mirror}"
    local started=$SECONDS
    release_files "$run_dir/release" || fail "the archive at $mirror does not answer for $release"
    mmdebstrap "${mmdebstrap_options[@]}" --aptopt='Acquire::Retries "3"' \
        "$release" "$partial/root" "${sources[@]}" \
        >"$cache_root/debian13-$variant.log" 2>&1 ||
        fail "mmdebstrap failed; see $cache_root/debian13-$variant.log"
    release_sum "$run_dir/release" >"$partial/archive"
    echo "$recipe" >"$partial/recipe"
    for old in "$cache_root/debian13-$variant"-*; do
        if [ ! -e "$old" ] || [ "$old" = "$partial" ]; then continue; fi
        say "removing $old, a root of another recipe or out of date"
        rm -rf "$old"
    done
    mv "$partial" "$entry"
    say "made the root in $((SECONDS - started)) s"
}

if [ ! -d "$entry/root" ]; then
    make_root
elif ! release_files "$run_dir/release"; then
    say "the archive does not answer; using the root made $(date -r "$entry/archive" +%F) as it is"
elif [ "$(release_sum "$run_dir/release")" != "$(cat "$entry/archive")" ]; then
    say "the archive changed since the root was made; asking it for updates"
    overlay_binds=()
    updates=$(in_overlay "$entry/root" sh -c \
        'apt-get -q update >/dev/null && apt-get -s -o Debug::NoLocking=1 dist-upgrade | grep -c "^Inst" || true')
    if [ "${updates:-0}" != 0 ]; then
        say "$updates of its packages have updates"
        make_root
    else
        release_sum "$run_dir/release" >"$entry/archive"
    fi
fi

workdir=/root
if [ "$in_place" = 1 ]; then
    binds+=("$tree:$tree" "$cache_root:$cache_root")
    workdir=$tree
    export MJCALC_QT_CACHE=$cache_root
elif [ "$with_tree" = 1 ]; then
    git -C "$tree" diff --quiet HEAD -- 2>/dev/null ||
        say "the changes not yet committed are left out; the clone holds commit $(git -C "$tree" rev-parse --short HEAD)"
    git clone -q --no-hardlinks "$tree" "$run_dir/tree"
    binds+=("$run_dir/tree:/build/mjcalc")
    workdir=/build/mjcalc
fi
for bind in "${binds[@]}"; do mkdir -p "${bind%%:*}"; done
overlay_binds=("${binds[@]}")
in_overlay "$entry/root" env -C "$workdir" "$@"
