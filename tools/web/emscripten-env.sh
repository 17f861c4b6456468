# Sourced by the web build's scripts: Debian's emscripten as Qt's CMake files expect to find it.
#
# Debian ships Emscripten's system libraries prebuilt, so nothing of Emscripten is compiled on first
# use. Its linker runs node with Debian's acorn from /usr/share/nodejs, which a node installed from
# elsewhere does not search.
emscripten_toolchain=/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}

# Qt reads $EMSDK/.emscripten for EMSCRIPTEN_ROOT and runs emcc from $EMSDK/<that root>; Debian
# lays Emscripten out otherwise, so a small folder of links stands in for an SDK.
make_emsdk() {
  local dir=$1 tool
  rm -rf "$dir" && mkdir -p "$dir/upstream/emscripten"
  echo "EMSCRIPTEN_ROOT = '/upstream/emscripten'" >"$dir/.emscripten"
  for tool in emcc em++ emar emranlib em-config; do
    ln -s "/usr/bin/$tool" "$dir/upstream/emscripten/$tool"
  done
}
