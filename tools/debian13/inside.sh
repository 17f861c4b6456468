#!/usr/bin/env bash
# The part of root.sh that runs in the run's own mount and pid namespaces (unshare): it stacks an
# overlay on the root, mounts what a running system needs, and runs the command there. It stays
# the namespace's first process, so that every process the command leaves behind ends with it,
# and every mount with the namespace.
#
#   inside.sh ROOT LAYER DEBS [--bind=HOST:INSIDE]... -- COMMAND [ARG]...
set -euo pipefail
lower=$1 layer=$2 debs=$3
shift 3
binds=()
while [ "$1" != -- ]; do
    binds+=("${1#--bind=}")
    shift
done
shift
root=$layer/root

mount -t overlay overlay -o "lowerdir=$lower,upperdir=$layer/upper,workdir=$layer/work" "$root"
mount -t proc proc "$root/proc"
mount --rbind /sys "$root/sys"
mount --rbind /dev "$root/dev"
mount -t tmpfs -o mode=1777 tmpfs "$root/tmp"
mount --bind "$debs" "$root/var/cache/apt/archives"
# The machine's name resolution, so that apt inside reaches the archive as the host does.
for file in resolv.conf hosts; do
    rm -f "$root/etc/$file"
    cp -L "/etc/$file" "$root/etc/$file" 2>/dev/null || true
done

for bind in "${binds[@]}"; do
    mkdir -p "$root${bind#*:}"
    mount --bind "${bind%%:*}" "$root${bind#*:}"
done

pass=()
for name in CI JOBS MJCALC_QT_CACHE WARNINGS_AS_ERRORS DEB_BUILD_OPTIONS DEB_BUILD_PROFILES TERM http_proxy https_proxy; do
    [ -z "${!name:-}" ] || pass+=("$name=${!name}")
done
status=0
chroot "$root" /usr/bin/env -i HOME=/root LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin:/usr/games "${pass[@]}" "$@" || status=$?
exit $status
