#!/usr/bin/env bash
# Builds Qt for 64-bit Windows, static, from Debian's own qt6-base source package with Debian's
# patches (tools/qt-cache.sh), and prints the folder it is installed in. The build is kept in a
# cache outside the clone, one folder per source version and recipe; it takes a quarter of an hour
# or more, so it is made once per machine.
#
#   tools/windows/build-qt.sh            builds what is missing, then prints the Qt prefix
#   MJCALC_QT_CACHE=/some/folder         keeps the cache elsewhere (default /var/cache/mjcalc)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
qt_make="make windows"
# shellcheck source=tools/qt-cache.sh
. "$here/../qt-cache.sh"

qt_options=(
  -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=OFF -DFEATURE_static_runtime=ON
  # Qt's own batching of sources (32 to a unit): the same code, compiled in a fraction of the
  # time, which a fresh machine's first build otherwise spends mostly on headers.
  -DQT_UNITY_BUILD=ON
  -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF
  # A bill of materials describes an installed Qt, which nobody installs from here: the licences
  # of what the program carries go beside it instead (qt_finish).
  -DQT_GENERATE_SBOM=OFF
  -DINPUT_opengl=no -DFEATURE_opengl=OFF -DFEATURE_vulkan=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  # Debian has no zstd for mingw; ICU is not needed for the program's texts.
  # Direct2D stays in: Qt 6.8.2's fonts on Windows build only with DirectWrite and Direct2D both
  # (left out, either stops the build in the font database). Direct2D 1.1 only adds a second
  # platform plugin, a copy of the windows one drawing through Direct2D, which nothing loads.
  -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_direct2d1_1=OFF
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
qt_cache_entry windows "recipe $recipe" "$host_version" "$compiler" "${qt_options[@]}" \
  "$(cat "$here/mingw64.cmake" "$here"/qt-patches/*.patch)"

if [ ! -f src.ready ]; then
  qt_fetch_source
  # The +dfsg tarball leaves out Wintab's headers, which the windows platform plugin includes for
  # pen tablets; Debian's own libwine-dev carries the same interface (LGPL-2.1).
  (cd download && apt-get -q download libwine-dev >"$work/apt-download.log" 2>&1) ||
    fail "Debian's libwine-dev, whose Wintab headers the Windows platform plugin needs, could not be fetched; see $work/apt-download.log."
  rm -rf wine && dpkg-deb -x download/libwine-dev_*.deb wine
  mkdir -p src/src/3rdparty/wintab
  cp wine/usr/include/wine/wine/windows/wintab.h wine/usr/include/wine/wine/windows/pktdef.h src/src/3rdparty/wintab/
  qt_patch_source "$here"/qt-patches/*.patch
  rm -rf wine
  touch src.ready
fi

# Qt's generated toolchain file loads this one by its path, so the cache keeps its own copy and
# works for every clone.
mkdir -p "$entry"
cp "$here/mingw64.cmake" "$entry/mingw64.cmake"
qt_build "Qt for Windows" "$entry/mingw64.cmake" "${qt_options[@]}"

# Qt's graphics layer on Windows carries a Direct3D 12 memory allocator.
qt_finish D3D12MemoryAllocator/LICENSE.txt
