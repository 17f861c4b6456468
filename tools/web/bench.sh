#!/usr/bin/env bash
# `make web-bench`: the page's start-up in headless chromium against bench/plainsheet.cpp built the
# same way and started by the same page, and the sizes of what the page loads. Run on a quiet
# machine: the figures are times.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${WEB_BUILD_DIR:-$repo/build-web}
version=$(cat "$build/version.txt" 2>/dev/null) || { echo "make web-bench: run make web first" >&2; exit 1; }
folder=$repo/dist/mjcalc-$version-web

# Built where make web builds (with --build), measured here.
if [ "${1:-}" = --build ]; then
  qt_prefix=$("$here/build-qt.sh")
  # shellcheck source=tools/web/emscripten-env.sh
  . "$here/emscripten-env.sh"
  export EMSDK="$(dirname "$qt_prefix")/emsdk"
  cmake --build "$build" --target plainsheet
  exit 0
fi

# The page's folder, with the plain sheet beside the program and a page that starts it.
pages=$build/bench-pages
rm -rf "$pages" && cp -r "$folder" "$pages"
cp "$build/bench/plainsheet.js" "$build/bench/plainsheet.wasm" "$pages/"
for file in plainsheet.wasm plainsheet.js; do
  brotli -q 11 -k -f "$pages/$file"
  gzip -9 -n -k -f "$pages/$file"
done
sed -e 's/data-program-bytes="[0-9]*"/data-program="plainsheet"/' "$folder/index.html" >"$pages/plainsheet.html"

echo "What the page loads (the program's files, its page, manifest and icons):"
loaded=(index.html start.js sw.js manifest.webmanifest mjcalc.js mjcalc.wasm)
for icon in "$folder"/icons/*.png; do
  loaded+=("icons/$(basename "$icon")")
done
raw=0 gz=0 br=0
for file in "${loaded[@]}"; do
  size=$(stat -c %s "$folder/$file")
  raw=$((raw + size))
  if [ -f "$folder/$file.br" ]; then
    gz=$((gz + $(stat -c %s "$folder/$file.gz")))
    br=$((br + $(stat -c %s "$folder/$file.br")))
  else
    gz=$((gz + $(gzip -9 -c "$folder/$file" | wc -c)))
    br=$((br + $(brotli -q 11 -c "$folder/$file" | wc -c)))
  fi
done
printf '  raw %.1f MB, gzip %.1f MB, brotli %.1f MB\n' "$(echo "$raw / 1000000" | bc -l)" \
  "$(echo "$gz / 1000000" | bc -l)" "$(echo "$br / 1000000" | bc -l)"

(cd "$here/check" && npm ci --no-audit --no-fund --loglevel=error >/dev/null)
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
python3 "$here/serve.py" "$pages" "$port" >"$build/bench-server.log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null' EXIT
sleep 1
node "$here/check/bench.js" "http://127.0.0.1:$port/" "${MJCALC_BENCH_ROUNDS:-9}"
