#!/usr/bin/env bash
# `make web`: the program and its rule tests built for the browser against Qt for WebAssembly built
# from Debian's qt6-base source (build-qt.sh), then the page players open:
#   dist/mjcalc-<version>-web/       a static folder any web server can host, from any sub-path
#   dist/mjcalc-<version>-web.zip    the same folder
# The folder holds brotli and gzip copies of the large files beside them, the licences, and the
# corresponding source: the program's release tarball (with the Qt patches and this recipe) and
# Debian's qt6-base source package.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${WEB_BUILD_DIR:-$repo/build-web}
dist=$repo/dist
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
say() { echo "make web: $*" >&2; }

qt_prefix=$("$here/build-qt.sh")
qt_entry=$(dirname "$qt_prefix")
# shellcheck source=tools/web/emscripten-env.sh
. "$here/emscripten-env.sh"
export EMSDK="$qt_entry/emsdk"

# CMake keeps the toolchain a build folder was first made with: a folder made against another Qt
# (a cache entry since replaced by a newer recipe) starts afresh.
if compgen -G "$build/CMakeFiles/*/CMakeSystem.cmake" >/dev/null &&
  ! grep -qsF "$qt_prefix/" "$build"/CMakeFiles/*/CMakeSystem.cmake; then
  say "starting $build afresh: it was made against another Qt"
  rm -rf "$build"
fi

cmake -S "$repo" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DQT_CHAINLOAD_TOOLCHAIN_FILE="$emscripten_toolchain" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DMJCALC_WARNINGS_AS_ERRORS=ON \
  -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF >/dev/null
say "building the program and its rule tests (each link takes minutes)"
cmake --build "$build" -j "$jobs"

version=$(cat "$build/version.txt")
name=mjcalc-$version-web
stage=$dist/$name
rm -rf "$stage" && mkdir -p "$stage/icons" "$stage/licences" "$stage/source"

cp "$build/app/mjcalc.js" "$build/app/mjcalc.wasm" "$repo/resources/web/start.js" \
  "$repo/resources/web/manifest.webmanifest" "$stage/"
for size in 16 32 64 128 256; do
  cp "$repo/resources/icons/mjcalc-$size.png" "$stage/icons/"
done
sed -e "s/@VERSION@/$version/g" -e "s/@PROGRAM_BYTES@/$(stat -c %s "$stage/mjcalc.wasm")/g" \
  "$repo/resources/web/index.html" >"$stage/index.html"
# What the service worker keeps: everything the page loads, and nothing else.
files=$(cd "$stage" && find . -maxdepth 2 -type f ! -name '*.br' ! -name '*.gz' | LC_ALL=C sort |
  sed 's|^\./||' | awk 'BEGIN { printf "\x27./\x27" } { printf ", \x27%s\x27", $0 }')
cache_key=$version-$(cd "$stage" && cat index.html start.js mjcalc.js mjcalc.wasm | sha256sum | cut -c1-12)
sed -e "s/@CACHE_KEY@/$cache_key/" -e "s|@FILES@|$files, 'sw.js'|" "$repo/resources/web/sw.js" >"$stage/sw.js"

# A host that sends compressed files sends these instead: 5 MB rather than 19.
for file in mjcalc.wasm mjcalc.js; do
  brotli -q 11 -k -f "$stage/$file"
  gzip -9 -n -k -f "$stage/$file"
done

# The licences. Qt's platform plugin for the browser is under the GPL-3 only, so the page goes out
# under the GPL-3 as a whole; the program's own code stays under the MIT licence, which allows it.
licences=$stage/licences
cp "$repo/LICENSE" "$licences/MJ-Calculator-MIT.txt"
cp /usr/share/common-licenses/GPL-3 "$licences/GPL-3.txt"
cp /usr/share/common-licenses/LGPL-3 "$licences/Qt-LGPL-3.txt"
for file in "$qt_entry"/licences/*; do
  cp "$file" "$licences/Qt-3rdparty-$(basename "$file" | sed 's/\.txt$//I').txt"
done
cp /usr/share/doc/emscripten/copyright "$licences/Emscripten-runtime-copyright.txt"
cp /usr/share/emscripten/system/lib/libc/musl/COPYRIGHT "$licences/musl-COPYRIGHT.txt"
cp /usr/share/common-licenses/Apache-2.0 "$licences/Apache-2.0.txt"
cp /usr/share/doc/fonts-liberation2/copyright "$licences/Liberation-fonts-OFL-1.1.txt"
source_package=$(cat "$qt_entry/source-package")
qt_version=$(dpkg-query -W -f='${source:Version}' qt6-base-dev)
sed -e "s/@VERSION@/$version/g" -e "s/@QT_SOURCE@/$source_package/g" -e "s/@QT_VERSION@/$qt_version/g" \
  "$repo/resources/web/licences.html" >"$licences/index.html"

# The corresponding source, where the page is.
make -s -C "$repo" dist >/dev/null
cp "$repo/dist/mjcalc-$version.tar.xz" "$stage/source/"
source_dir=$(dirname "$qt_entry")/qt6-base-source-${qt_version//[^A-Za-z0-9.+]/_}
cp "$source_dir"/qt6-base_* "$stage/source/"
cp "$here"/qt-patches/*.patch "$stage/source/"
patches=$(cd "$here/qt-patches" && for p in *.patch; do printf '<a href="%s">%s</a> ' "$p" "$p"; done)
sed -e "s/@VERSION@/$version/g" -e "s/@QT_SOURCE@/$source_package/g" -e "s/@QT_VERSION@/$qt_version/g" \
  -e "s|@PATCHES@|$patches|" "$repo/resources/web/source.html" >"$stage/source/index.html"

# The same build gives the same zip: every entry stamped with the commit's time, in one order.
zip_file=$dist/$name.zip
stamp=$(git -C "$repo" log -1 --format=%ct 2>/dev/null || date +%s)
find "$stage" -exec touch -h -d "@$stamp" {} +
rm -f "$zip_file"
(cd "$dist" && find "$name" -type f | LC_ALL=C sort | zip -q -X -9 "$zip_file" -@)
say "wrote $stage ($(du -sk "$stage" | cut -f1) kB) and $zip_file ($(du -k "$zip_file" | cut -f1) kB)"
