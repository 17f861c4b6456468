# Sourced by the cross builds' Qt scripts (tools/windows/build-qt.sh, tools/web/build-qt.sh): Qt
# built from Debian's own qt6-base source package with Debian's patch series, of the version the
# installed qt6-base-dev has (Debian 13's: both cross builds run on Debian 13, or in the Debian 13
# root on Debian 12, as the Makefile arranges), and kept in a cache outside the clone, one folder per platform, source version and recipe. A build
# takes a quarter of an hour or more, so it is made once per machine; a folder is used only once
# its build finished, and a folder of another version or recipe is removed, never reused.
#
#   MJCALC_QT_CACHE=/some/folder    keeps the cache elsewhere (default /var/cache/mjcalc)
#
# The caller sets qt_make (the make target named in messages) before sourcing this file, then:
#   qt_cache_entry PLATFORM KEY-INPUT...   sets entry, qt_prefix and work; exits printing the
#                                          prefix when that entry is complete
#   qt_fetch_source                        unpacks the source into $work/src, once
#   qt_build NAME TOOLCHAIN OPTION...      configures, builds and installs it
#   qt_finish                              records the licences and the source, marks complete

cache_root=${MJCALC_QT_CACHE:-/var/cache/mjcalc}
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

say() { echo "$qt_make: $*" >&2; }
fail() { say "$*"; exit 1; }

host_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null) ||
  fail "qt6-base-dev is not installed, and Qt for the cross build is made from the source of the same version."
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)

# The key covers everything that decides what the build gives; a change of any of it is another
# folder.
qt_cache_entry() {
  local platform=$1 key
  shift
  key=$(printf '%s\n' "$@" | sha256sum | cut -c1-16)
  entry="$cache_root/qt6-$platform-${host_version//[^A-Za-z0-9.+]/_}-$key"
  qt_prefix="$entry/qt"
  work="$entry.partial"
  if [ -f "$entry/complete" ]; then
    echo "$qt_prefix"
    exit 0
  fi
  mkdir -p "$cache_root"
  local old
  for old in "$cache_root/qt6-$platform"-*; do
    if [ -d "$old" ] && [ "$old" != "$entry" ] && [ "$old" != "$work" ]; then
      say "removing $old, built from another Qt version or recipe"
      rm -rf "$old"
    fi
  done
  # A build that was interrupted is finished from where it stopped (ninja takes up the work);
  # only a source tree that was not wholly unpacked and patched is laid out again.
  mkdir -p "$work"
  cd "$work"
}

# The source package is fetched once for both cross builds and kept beside them, in a folder of
# its own that is complete or absent. The deb-src entries are the machine's own apt sources with
# another type, kept in a private apt state so that nothing in /etc/apt or apt's lists is added or
# left behind. The caller patches $work/src afterwards and then touches $work/src.ready.
qt_fetch_source() {
  local source_dir="$cache_root/qt6-base-source-${host_version//[^A-Za-z0-9.+]/_}" old
  for old in "$cache_root"/qt6-base-source-*; do
    if [ -d "$old" ] && [ "$old" != "$source_dir" ]; then
      say "removing $old, the source of another Qt version"
      rm -rf "$old"
    fi
  done
  if [ ! -f "$source_dir/complete" ]; then
    say "fetching Debian's qt6-base $host_version source package"
    local apt_dir="$work/apt" n=0 f
    rm -rf "$apt_dir" "$source_dir" && mkdir -p "$source_dir"
    mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    for f in /etc/apt/sources.list.d/*.sources; do
      [ -f "$f" ] || continue
      n=$((n + 1))
      sed -E 's/^Types:.*/Types: deb-src/' "$f" >"$apt_dir/sources.list.d/$n.sources"
    done
    for f in /etc/apt/sources.list /etc/apt/sources.list.d/*.list; do
      [ -f "$f" ] || continue
      n=$((n + 1))
      sed -nE 's/^[[:space:]]*deb([[:space:]])/deb-src\1/p' "$f" >"$apt_dir/sources.list.d/$n.list"
    done
    local apt_private=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
      -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache" -o APT::Sandbox::User=root)
    # Third-party sources without source packages fail their part of the update; whether the one
    # package needed was found is what counts.
    apt-get "${apt_private[@]}" -q update >"$work/apt-update.log" 2>&1 || true
    (cd "$source_dir" && apt-get "${apt_private[@]}" -q source --download-only "qt6-base=$host_version" \
      >"$work/apt-source.log" 2>&1) ||
      fail "Debian's source package qt6-base $host_version (the version of the installed qt6-base-dev) could not be fetched from the machine's apt sources; see $work/apt-source.log."
    rm -rf "$apt_dir"
    compgen -G "$source_dir/qt6-base_*.orig.tar.xz" >/dev/null && compgen -G "$source_dir/qt6-base_*.dsc" >/dev/null ||
      fail "the download of qt6-base $host_version holds no .orig.tar.xz and .dsc; see $work/apt-source.log."
    touch "$source_dir/complete"
  fi
  rm -rf src download && mkdir -p download
  cp "$source_dir"/qt6-base_* download/
  local orig
  orig=$(ls download/qt6-base_*.orig.tar.xz)
  say "unpacking $(basename "$orig")"
  mkdir src && tar -xf "$orig" -C src --strip-components=1
  qt_debian_patches
}

# Debian's own patch series, as dpkg-source applies it for Debian's build: its fixes (security
# fixes among them) reach the cross builds too. Every patch of the series is applied; the ones
# that concern other systems or Debian's packaging (processors Debian supports, build paths, the
# default to skip plugin packages, which build.sh sets back) change nothing a cross build uses,
# or are undone where they would.
qt_debian_patches() {
  rm -rf debian && tar -xf download/qt6-base_*.debian.tar.xz
  local series=debian/patches/series p
  [ -f "$series" ] || fail "Debian's qt6-base $host_version source holds no patch series."
  : >applied-patches
  for p in $(sed -e 's/#.*//' -e '/^[[:space:]]*$/d' "$series" | awk '{ print $1 }'); do
    patch -s -p1 -d src <"debian/patches/$p" ||
      fail "Debian's patch $p does not apply to the qt6-base $host_version source."
    echo "$p" >>applied-patches
  done
  say "applied Debian's $(wc -l <applied-patches) patches"
}

# Applies the patches given, each a unified diff against the source's top folder.
qt_patch_source() {
  local p
  for p in "$@"; do
    patch -s -p1 -d src <"$p" || fail "the patch $p does not apply to qt6-base $host_version."
  done
}

# Configures, builds and installs $work/src into $qt_prefix: NAME names this Qt in messages ("Qt
# for Windows"), TOOLCHAIN is CMake's toolchain file, the rest are Qt's configure options.
qt_build() {
  local name=$1 toolchain=$2
  shift 2
  say "configuring $name in $work/build"
  cmake -S src -B build -G Ninja -Wno-dev \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" \
    -DCMAKE_INSTALL_PREFIX="$qt_prefix" "$@" >"$work/configure.log" 2>&1 ||
    fail "configuring $name failed; see $work/configure.log."
  say "building $name ($jobs jobs; the first time takes a while)"
  cmake --build build -j "$jobs" >"$work/build.log" 2>&1 ||
    fail "building $name failed; the end of $work/build.log says why."
  cmake --install build >"$work/install.log" 2>&1 || fail "installing $name failed; see $work/install.log."
}
# The static programs carry Qt's bundled libraries; their licences go beside them (those given
# here besides the ones every build links), and the notes on the source name the source package
# and the patches applied to it.
qt_finish() {
  mkdir -p "$entry/licences"
  local file
  for file in "$@" blake2/COPYING double-conversion/LICENSE easing/LICENSE freetype/LICENSE.txt \
    freetype/docs/FTL.TXT freetype/ZLIB-LICENSE.txt freetype/BDF-LICENSE.txt freetype/PCF-LICENSE.txt \
    harfbuzz-ng/COPYING icc/LICENSE.txt libpng/LICENSE md4c/LICENSE.md pcre2/LICENCE \
    pcre2/LICENCE-SLJIT pixman/LICENSE rfc6234/LICENSE sha3/BRG_ENDIAN_LICENSE sha3/CC0_LICENSE \
    tinycbor/LICENSE zlib/LICENSE; do
    cp "src/src/3rdparty/$file" "$entry/licences/$(echo "$file" | sed 's|/docs/|/|; s|/|-|')"
  done
  basename "$(ls download/qt6-base_*.dsc)" >"$entry/source-package"
  cp applied-patches "$entry/debian-patches"
  touch "$entry/complete"
  cd / && rm -rf "$work"
  say "Qt is in $qt_prefix"
  echo "$qt_prefix"
}
