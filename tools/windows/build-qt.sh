#!/usr/bin/env bash
# Builds Qt for 64-bit Windows, static, from Debian's own qt6-base source package of the very
# version the Linux build uses, and prints the folder it is installed in. The build is kept in a
# cache outside the clone, one folder per source version and recipe; it takes a quarter of an hour
# or more, so it is made once per machine.
#
#   tools/windows/build-qt.sh            builds what is missing, then prints the Qt prefix
#   MJCALC_WINDOWS_CACHE=/some/folder    keeps the cache elsewhere (default /var/cache/mjcalc)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
cache_root=${MJCALC_WINDOWS_CACHE:-/var/cache/mjcalc}
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}

say() { echo "make windows: $*" >&2; }
fail() { say "$*"; exit 1; }

host_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev 2>/dev/null) ||
  fail "qt6-base-dev is not installed, and Qt for Windows is built from the source of the same version."
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)

# Everything that decides what the build gives: the options below, this script, the toolchain
# file and the compiler. A change of any of them is another cache folder, never a reused one.
qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON
  -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  # Debian has no zstd for mingw; ICU is not needed for the program's texts.
  -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_direct2d=OFF
  # Without FreeType Qt builds no offscreen platform, and the tests run on it.
  -DFEATURE_freetype=ON -DFEATURE_system_freetype=OFF
  -DFEATURE_harfbuzz=ON -DFEATURE_system_harfbuzz=OFF
  -DFEATURE_system_zlib=OFF -DFEATURE_png=ON -DFEATURE_system_png=OFF
  -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF -DFEATURE_pcre2=ON -DFEATURE_system_pcre2=OFF
  -DFEATURE_testlib=ON -DFEATURE_widgets=ON
)
compiler=$(x86_64-w64-mingw32-g++-posix --version | head -n1)
# Raised whenever a step below changes what the cache holds.
recipe=1
key=$( { echo "recipe $recipe"; echo "$host_version"; echo "$compiler"; printf '%s\n' "${qt_options[@]}"
  cat "$here/mingw64.cmake" "$here"/qt-patches/*.patch; } | sha256sum | cut -c1-16)
entry="$cache_root/qt6-windows-${host_version//[^A-Za-z0-9.+]/_}-$key"
qt_prefix="$entry/qt"

if [ -f "$entry/complete" ]; then
  echo "$qt_prefix"
  exit 0
fi

mkdir -p "$cache_root"
for old in "$cache_root"/qt6-windows-*; do
  if [ -d "$old" ] && [ "$old" != "$entry" ] && [ "$old" != "$entry.partial" ]; then
    say "removing $old, built from another Qt version or recipe"
    rm -rf "$old"
  fi
done

# A build that was interrupted is finished from where it stopped (ninja takes up the work);
# only a source tree that was not wholly unpacked and patched is laid out again.
work="$entry.partial"
mkdir -p "$work"
cd "$work"

if [ ! -f src.ready ]; then
  rm -rf src download && mkdir -p download
  say "fetching Debian's qt6-base $host_version source package"
  # The deb-src entries are the machine's own apt sources with another type, kept in a private
  # apt state so that nothing in /etc/apt or apt's lists is added or left behind.
  apt_dir="$work/apt"
  rm -rf "$apt_dir" && mkdir -p "$apt_dir/sources.list.d" "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
  n=0
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
  apt_private=(-o Dir::Etc::SourceList=/dev/null -o Dir::Etc::SourceParts="$apt_dir/sources.list.d"
    -o Dir::State::Lists="$apt_dir/lists" -o Dir::Cache="$apt_dir/cache" -o APT::Sandbox::User=root)
  # Third-party sources without source packages fail their part of the update; whether the one
  # package needed was found is what counts.
  apt-get "${apt_private[@]}" -q update >"$work/apt-update.log" 2>&1 || true
  (cd download && apt-get "${apt_private[@]}" -q source --download-only "qt6-base=$host_version" \
    >"$work/apt-source.log" 2>&1) ||
    fail "Debian's source package qt6-base $host_version (the version of the installed qt6-base-dev) could not be fetched from the machine's apt sources; see $work/apt-source.log."
  rm -rf "$apt_dir"
  orig=$(ls download/qt6-base_*.orig.tar.xz)
  say "unpacking $(basename "$orig")"
  mkdir src && tar -xf "$orig" -C src --strip-components=1

  # The +dfsg tarball leaves out Wintab's headers, which the windows platform plugin includes for
  # pen tablets; Debian's own libwine-dev carries the same interface (LGPL-2.1).
  (cd download && apt-get -q download libwine-dev >"$work/apt-download.log" 2>&1) ||
    fail "Debian's libwine-dev, whose Wintab headers the Windows platform plugin needs, could not be fetched; see $work/apt-download.log."
  rm -rf wine && dpkg-deb -x download/libwine-dev_*.deb wine
  mkdir -p src/src/3rdparty/wintab
  cp wine/usr/include/wine/wine/windows/wintab.h wine/usr/include/wine/wine/windows/pktdef.h src/src/3rdparty/wintab/
  for p in "$here"/qt-patches/*.patch; do
    patch -s -p1 -d src <"$p"
  done
  rm -rf wine
  touch src.ready
fi

# Qt's generated toolchain file loads this one by its path, so the cache keeps its own copy and
# works for every clone.
mkdir -p "$entry"
cp "$here/mingw64.cmake" "$entry/mingw64.cmake"
say "configuring Qt for Windows in $work/build"
cmake -S src -B build -G Ninja -Wno-dev \
  -DCMAKE_TOOLCHAIN_FILE="$entry/mingw64.cmake" \
  -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$multiarch/cmake" \
  -DCMAKE_INSTALL_PREFIX="$qt_prefix" "${qt_options[@]}" >"$work/configure.log" 2>&1 ||
  fail "configuring Qt for Windows failed; see $work/configure.log."
say "building Qt for Windows ($jobs jobs; the first time takes a while)"
cmake --build build -j "$jobs" >"$work/build.log" 2>&1 ||
  fail "building Qt for Windows failed; the end of $work/build.log says why."
cmake --install build >"$work/install.log" 2>&1 || fail "installing Qt for Windows failed; see $work/install.log."

# The static program carries Qt's bundled libraries; their licences go beside it.
mkdir -p "$entry/licences"
for file in blake2/COPYING double-conversion/LICENSE easing/LICENSE freetype/LICENSE.txt \
  freetype/docs/FTL.TXT freetype/ZLIB-LICENSE.txt freetype/BDF-LICENSE.txt freetype/PCF-LICENSE.txt \
  harfbuzz-ng/COPYING icc/LICENSE.txt libpng/LICENSE md4c/LICENSE.md pcre2/LICENCE \
  pcre2/LICENCE-SLJIT pixman/LICENSE rfc6234/LICENSE sha3/BRG_ENDIAN_LICENSE sha3/CC0_LICENSE \
  tinycbor/LICENSE zlib/LICENSE; do
  cp "src/src/3rdparty/$file" "$entry/licences/$(echo "$file" | sed 's|/docs/|/|; s|/|-|')"
done
# What the licence note names as the corresponding source.
basename "$(ls download/qt6-base_*.dsc)" >"$entry/source-package"
touch "$entry/complete"
cd / && rm -rf "$work"
say "Qt for Windows is in $qt_prefix"
echo "$qt_prefix"
