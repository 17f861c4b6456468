#!/usr/bin/env bash
# Builds Qt for WebAssembly, static, with Asyncify (which modal dialogs need), from Debian's own
# qt6-base source package with Debian's patches (tools/qt-cache.sh), with Debian's emscripten, and
# prints the folder it is installed in. Kept in the same cache as Qt for Windows, under the same
# rules (tools/qt-cache.sh); the first build takes a quarter of an hour or more.
#
#   tools/web/build-qt.sh                builds what is missing, then prints the Qt prefix
#   MJCALC_QT_CACHE=/some/folder         keeps the cache elsewhere (default /var/cache/mjcalc)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
qt_make="make web"
# shellcheck source=tools/qt-cache.sh
. "$here/../qt-cache.sh"
# shellcheck source=tools/web/emscripten-env.sh
. "$here/emscripten-env.sh"

qt_options=(
  # Optimised for size: a page downloads every byte, and the windows need no more speed.
  -DCMAKE_BUILD_TYPE=MinSizeRel -DBUILD_SHARED_LIBS=OFF
  -DQT_QMAKE_TARGET_MKSPEC=wasm-emscripten
  # Asyncify lets QDialog::exec() wait for the player without blocking the browser.
  -DQT_QMAKE_DEVICE_OPTIONS=QT_EMSCRIPTEN_ASYNCIFY=1
  -DQT_BUILD_TESTS=OFF -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_BENCHMARKS=OFF
  # A bill of materials describes an installed Qt, which nobody installs from here: the licences
  # of what the program carries go beside it instead (qt_finish).
  -DQT_GENERATE_SBOM=OFF
  -DFEATURE_sql=OFF -DFEATURE_network=OFF -DFEATURE_dbus=OFF
  -DFEATURE_printsupport=OFF -DFEATURE_concurrent=OFF -DFEATURE_xml=OFF
  -DFEATURE_zstd=OFF -DFEATURE_icu=OFF -DFEATURE_jpeg=OFF -DFEATURE_gif=OFF
  -DFEATURE_system_freetype=OFF -DFEATURE_system_harfbuzz=OFF -DFEATURE_system_zlib=OFF
  -DFEATURE_png=ON -DFEATURE_system_png=OFF -DFEATURE_pcre2=ON -DFEATURE_system_pcre2=OFF
  -DFEATURE_testlib=ON -DFEATURE_widgets=ON
  # The program keeps no settings. In a browser Qt's would go into the page's local storage, where
  # the colour dialog would keep the player's custom colours: without settings it keeps nothing.
  -DFEATURE_settings=OFF
  # Widgets and formats the program never shows, which a page would still download: code the
  # windows reach (graphics views, docks of main windows, the Windows style) and what a static
  # link leaves out anyway, so that the build is quicker too. (Qt 6.4 cannot leave out tool bars.)
  -DFEATURE_graphicsview=OFF -DFEATURE_graphicseffect=OFF -DFEATURE_dockwidget=OFF
  -DFEATURE_mdiarea=OFF -DFEATURE_statusbar=OFF -DFEATURE_style_windows=OFF
  -DFEATURE_toolbox=OFF -DFEATURE_wizard=OFF -DFEATURE_splashscreen=OFF -DFEATURE_lcdnumber=OFF
  -DFEATURE_dial=OFF -DFEATURE_calendarwidget=OFF -DFEATURE_datetimeedit=OFF
  -DFEATURE_fontcombobox=OFF -DFEATURE_fontdialog=OFF -DFEATURE_filedialog=OFF
  -DFEATURE_inputdialog=OFF -DFEATURE_progressdialog=OFF -DFEATURE_errormessage=OFF
  -DFEATURE_undoview=OFF -DFEATURE_columnview=OFF -DFEATURE_datawidgetmapper=OFF
  -DFEATURE_keysequenceedit=OFF -DFEATURE_commandlinkbutton=OFF -DFEATURE_syntaxhighlighter=OFF
  -DFEATURE_textbrowser=OFF -DFEATURE_tabwidget=OFF -DFEATURE_pdf=OFF -DFEATURE_textodfwriter=OFF
  -DFEATURE_movie=OFF -DFEATURE_textmarkdownreader=OFF -DFEATURE_textmarkdownwriter=OFF
  -DFEATURE_systemtrayicon=OFF
)
# The sans-serif family the platform plugin compiles in, the sheets' own (see qt-patches/05-*), from
# fonts-liberation2, whose folder Debian 13 renamed.
for liberation in /usr/share/fonts/truetype/liberation2 /usr/share/fonts/truetype/liberation; do
  [ -f "$liberation/LiberationSans-Regular.ttf" ] && break
done
faces=("$liberation/LiberationSans-Regular.ttf" "$liberation/LiberationSans-Bold.ttf")
for face in "${faces[@]}"; do
  [ -f "$face" ] || fail "$face is missing: fonts-liberation2 brings it"
done
# Raised whenever a step below changes what the cache holds.
recipe=1
qt_cache_entry web "recipe $recipe" "$host_version" "$(emcc --version | head -n1)" "${qt_options[@]}" \
  "$(cat "$here/emscripten-env.sh" "$here"/qt-patches/*.patch)" "$(cat "${faces[@]}" | sha256sum)"

if [ ! -f src.ready ]; then
  qt_fetch_source
  qt_patch_source "$here"/qt-patches/*.patch
  cp "${faces[@]}" src/src/3rdparty/wasm/
  touch src.ready
fi

# Qt's CMake files find Emscripten through $EMSDK, for Qt's build and for every program built
# against it; the stand-in stays beside Qt in the cache.
mkdir -p "$entry"
make_emsdk "$entry/emsdk"
export EMSDK="$entry/emsdk"
qt_build "Qt for WebAssembly" "$emscripten_toolchain" "${qt_options[@]}"

# The platform plugin compiles DejaVu Sans Mono in; Liberation's licence goes beside the page
# from fonts-liberation2 (build.sh).
qt_finish wasm/DEJAVU-LICENSE
