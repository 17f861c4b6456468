#!/usr/bin/env bash
# The Debian package on Debian 13, as Debian itself would build and test it, from a Debian 12
# machine (tools/debian13/root.sh): the source package made from a clean clone; the source and
# binary packages built from it by an unprivileged user in a clean root that holds only what
# debian/control's Build-Depends name (with the tests run, as they are by default); the upload
# checked by Debian 13's lintian; and debian/tests run by Debian 13's autopkgtest in a Debian 13
# testbed. What it builds lands in dist/debian13/.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
tree=$(cd "$here/../.." && pwd)
out=$tree/dist/debian13
root() { "$here/root.sh" "$@"; }
say() { echo "debian13 package: $*"; }
step() {
    local started=$SECONDS
    say "$1"
    shift
    "$@"
    say "  took $((SECONDS - started)) s"
}

rm -rf "$out" && mkdir -p "$out/source" "$out/built"

# As a maintainer makes it for the upload; the release tarball and debian/ come from the clone.
# shellcheck disable=SC2016 # expanded inside the root
step "the source package, from a clean clone" root --bind "$out/source:/out" -- sh -ec '
    make --no-print-directory source-package >/dev/null
    cp dist/mjcalc_*.dsc dist/mjcalc_*.orig.tar.* dist/mjcalc_*.debian.tar.* /out/'

# As Debian's builders do (sbuild): a fresh buildd root, the build dependencies installed by apt,
# the build as a user of its own, no root (Rules-Requires-Root: no), the tests run in the build.
# shellcheck disable=SC2016
step "the source and binary packages, in a clean root with only the Build-Depends" \
    root --variant buildd --no-tree --bind "$out/source:/source" --bind "$out/built:/built" -- sh -ec '
        export DEBIAN_FRONTEND=noninteractive
        apt-get -q update >/dev/null || true
        apt-get -q -y --no-install-recommends build-dep /source/*.dsc >/tmp/build-dep.log 2>&1 ||
            { cat /tmp/build-dep.log; exit 1; }
        echo "builder:x:2000:2000::/build/work:/bin/sh" >>/etc/passwd
        echo "builder:x:2000:" >>/etc/group
        mkdir -p /build/work && chown builder:builder /build/work
        chroot --userspec=builder:builder / env HOME=/build/work sh -ec "
            cd /build/work && dpkg-source -x /source/*.dsc mjcalc >/dev/null && cd mjcalc
            dpkg-buildpackage -us -uc -J$(nproc) >../build.log 2>&1 || { tail -n 60 ../build.log; exit 1; }"
        cp /build/work/build.log /build/work/mjcalc_* /build/work/mjcalc-dbgsym_* /built/ 2>/dev/null || true
        ls /built/*.deb >/dev/null'

# lintian as a user, as it prefers; autopkgtest's null runner in this root, which is the Debian 13
# testbed: the package installed with apt, as on the Debian 12 machine (tests/package), it installs
# what the tests need, then runs them.
# shellcheck disable=SC2016
step "lintian and autopkgtest, Debian 13's" root --no-tree --bind "$out/built:/built" -- sh -ec '
    export DEBIAN_FRONTEND=noninteractive
    apt-get -q update >/dev/null || true
    apt-get -q -y --no-install-recommends install lintian autopkgtest >/tmp/install.log 2>&1 ||
        { cat /tmp/install.log; exit 1; }
    mkdir -p /tmp/upload && cp /built/mjcalc* /tmp/upload/ && chmod -R a+rX /tmp/upload
    changes=$(ls /tmp/upload/mjcalc_*.changes)
    echo "lintian $(lintian --version | cut -d" " -f2), as nobody, on $(basename "$changes")"
    cd /tmp/upload && setpriv --reuid=nobody --regid=nogroup --clear-groups --reset-env \
        lintian --fail-on error,warning --display-info "$changes"
    echo "lintian: clean"
    deb=$(ls /tmp/upload/mjcalc_*.deb)
    dsc=$(ls /tmp/upload/mjcalc_*.dsc)
    apt-get -q -y install "$deb" >/tmp/install.log 2>&1 || { cat /tmp/install.log; exit 1; }
    if autopkgtest -B --output-dir /tmp/autopkgtest "$dsc" -- null >/tmp/autopkgtest.log 2>&1; then
        sed "s/^/  /" /tmp/autopkgtest/summary
        echo "autopkgtest: passed"
    else
        cat /tmp/autopkgtest.log
        echo "autopkgtest: failed"
        exit 1
    fi'
built=("$out"/built/mjcalc_*.deb "$out"/built/mjcalc_*.dsc)
say "built and checked on Debian 13: ${built[*]#"$out/"}"
