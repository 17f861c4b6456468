#!/usr/bin/env bash
# `make web-check`: what `make web` built, tried as players and hosts meet it:
#   - the rule tests built for the browser, under node;
#   - the page in Debian's chromium, headless, driven by playwright-core (tools/web/check, pinned
#     by its lock file): served from a sub-path on 127.0.0.1 by a host that sends the brotli
#     copies, used by keyboard, mouse and touch as a player would, started again offline, and
#     checked for requests outside its folder, console errors and anything kept in the browser.
#     It leaves screenshots in build-web/check/.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${WEB_BUILD_DIR:-$repo/build-web}
status=0
fail() { echo "FAIL: $*"; status=1; }

version=$(cat "$build/version.txt" 2>/dev/null) || { echo "FAIL: $build holds no web build; run make web first"; exit 1; }
folder=mjcalc-$version-web
[ -f "$repo/dist/$folder/index.html" ] || { echo "FAIL: dist/$folder is missing; run make web first"; exit 1; }

echo "The rule tests, built for the browser, under node:"
(cd "$build" && ctest --output-on-failure) || fail "the rule tests under node (above)"
echo "Left out of the browser build, and why:"
sed 's/^/  /' "$build/tests/web-left-out.txt"

(cd "$here/check" && npm ci --no-audit --no-fund --loglevel=error >/dev/null) ||
  { echo "FAIL: npm ci in tools/web/check could not install playwright-core"; exit 1; }
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
log=$build/check/server.log
mkdir -p "$build/check"
python3 "$here/serve.py" "$repo/dist" "$port" >"$log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null' EXIT
for _ in $(seq 50); do
  grep -q Serving "$log" && break
  sleep 0.1
done
node "$here/check/check.js" "http://127.0.0.1:$port/$folder/" "$build/check" || fail "the page in chromium (above)"
[ $status = 0 ] && echo "web-check: all passed" || echo "web-check: some checks failed"
exit $status
