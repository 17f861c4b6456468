#!/usr/bin/env bash
# `make windows`: the program and its tests cross-built for 64-bit Windows against Qt built from
# Debian's qt6-base source (build-qt.sh), then the two downloads for Windows players:
#   dist/mjcalc-<version>-windows-x86_64.zip   mjcalc.exe and the licence texts
#   dist/mjcalc-<version>-setup.exe            an installer for the current user
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${WINDOWS_BUILD_DIR:-$repo/build-windows}
dist=$repo/dist
jobs=${JOBS:-$(nproc 2>/dev/null || echo 2)}
mingw=x86_64-w64-mingw32

qt_prefix=$("$here/build-qt.sh")
qt_entry=$(dirname "$qt_prefix")

# CMake keeps the toolchain a build folder was first made with: a folder made against another Qt
# (a cache entry since replaced by a newer recipe) starts afresh.
if compgen -G "$build/CMakeFiles/*/CMakeSystem.cmake" >/dev/null &&
  ! grep -qsF "$qt_prefix/" "$build"/CMakeFiles/*/CMakeSystem.cmake; then
  echo "make windows: starting $build afresh: it was made against another Qt" >&2
  rm -rf "$build"
fi

cmake -S "$repo" -B "$build" -G Ninja \
  -DCMAKE_TOOLCHAIN_FILE="$qt_prefix/lib/cmake/Qt6/qt.toolchain.cmake" \
  -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON -DMJCALC_WARNINGS_AS_ERRORS=ON \
  -DQT_SKIP_AUTO_PLUGIN_INCLUSION=OFF \
  -DCMAKE_EXE_LINKER_FLAGS=-static >/dev/null
cmake --build "$build" -j "$jobs"

# "1.00", as the program and its version record write it.
version=$(sed -n 's/^ *VALUE "ProductVersion", "\([^"]*\)"/\1/p' "$build/resources/mjcalc.rc")
# "1.0.0.0", the four numbers of the record, for the installer's own record.
numeric_version=$(sed -n 's/^FILEVERSION \([0-9]*\),\([0-9]*\),\([0-9]*\),\([0-9]*\)\r*$/\1.\2.\3.\4/p' \
  "$build/resources/mjcalc.rc")
[ -n "$version" ] && [ -n "$numeric_version" ] ||
  { echo "make windows: no version in $build/resources/mjcalc.rc" >&2; exit 1; }

stage=$build/stage
rm -rf "$stage" && mkdir -p "$stage/licences"
"$mingw-strip" -o "$stage/mjcalc.exe" "$build/mjcalc.exe"
# Windows' own editor reads CRLF line ends.
crlf() { sed 's/$/\r/' "$1" >"$2"; }
crlf "$repo/LICENSE" "$stage/LICENSE.txt"
crlf /usr/share/common-licenses/LGPL-3 "$stage/licences/Qt-LGPL-3.txt"
crlf /usr/share/common-licenses/GPL-3 "$stage/licences/Qt-GPL-3.txt"
crlf /usr/share/common-licenses/LGPL-2.1 "$stage/licences/Wintab-LGPL-2.1.txt"
for file in "$qt_entry"/licences/*; do
  crlf "$file" "$stage/licences/Qt-3rdparty-$(basename "$file" | sed 's/\.txt$//I').txt"
done
source_package=$(cat "$qt_entry/source-package")
sed -e "s/@VERSION@/$version/g" -e "s/@QT_SOURCE@/$source_package/g" \
  -e "s/@QT_VERSION@/$(dpkg-query -W -f='${source:Version}' qt6-base-dev)/g" \
  "$repo/resources/windows/README-Windows.txt.in" | sed 's/$/\r/' >"$stage/README.txt"

mkdir -p "$dist"
zip_file=$dist/mjcalc-$version-windows-x86_64.zip
setup_file=$dist/mjcalc-$version-setup.exe
# The same build gives the same zip: every entry stamped with the commit's time, in one order.
stamp=$(git -C "$repo" log -1 --format=%ct 2>/dev/null || date +%s)
find "$stage" -exec touch -h -d "@$stamp" {} +
rm -f "$zip_file"
(cd "$stage" && find . -type f | LC_ALL=C sort | sed 's|^\./||' | zip -q -X -9 "$zip_file" -@)
echo "Wrote $zip_file ($(du -k "$zip_file" | cut -f1) kB)"

makensis -V2 -INPUTCHARSET UTF8 -DVERSION="$version" -DNUMERIC_VERSION="$numeric_version" -DSTAGE="$stage" -DOUTFILE="$setup_file" \
  -DICON="$build/resources/mjcalc.ico" "$repo/resources/windows/mjcalc.nsi"
echo "Wrote $setup_file ($(du -k "$setup_file" | cut -f1) kB)"
