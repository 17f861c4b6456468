#!/usr/bin/env bash
# `make web-check`: what `make web` built, tried as players and hosts meet it:
#   - the rule tests built for the browser, under node;
#   - the page in three engines, one after the other (tools/web/check, its npm packages pinned
#     by the lock file): Debian's chromium, headless, driven by playwright-core; Debian's
#     firefox-esr driven by puppeteer-core over WebDriver BiDi, and WebKitGTK's MiniBrowser driven
#     by WebKitWebDriver, both as real windows on an Xvfb display, whose clipboard xclip reads.
#     The page is served from a sub-path on 127.0.0.1 by a host that sends the brotli copies, used
#     by keyboard, mouse and touch as a player would, started again offline, and checked for
#     requests outside its folder, console errors and anything kept in the browser.
#     It leaves screenshots in build-web/check/ (WEB_CHECK_DIR elsewhere).
# WEB_CHECK_ENGINES=chromium,firefox,webkit (the default) names the engines to drive.
set -uo pipefail

here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
build=${WEB_BUILD_DIR:-$repo/build-web}
out=${WEB_CHECK_DIR:-$build/check}
engines=${WEB_CHECK_ENGINES:-chromium,firefox,webkit}
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
  { echo "FAIL: npm ci in tools/web/check could not install playwright-core and puppeteer-core"; exit 1; }
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
log=$out/server.log
mkdir -p "$out"
python3 "$here/serve.py" "$repo/dist" "$port" >"$log" 2>&1 &
server=$!
trap 'kill $server 2>/dev/null' EXIT
for _ in $(seq 50); do
  grep -q Serving "$log" && break
  sleep 0.1
done
# One display for firefox and webkit, which take turns on it and so on its clipboard; chromium
# runs headless beside it.
started=$(date +%s)
xvfb-run -a -s "-screen 0 1600x1200x24 -nolisten tcp" \
  node "$here/check/check.js" "http://127.0.0.1:$port/$folder/" "$out" "$engines" ||
  fail "the page in the browsers (above)"
echo "The page's checks took $(( $(date +%s) - started )) s"
[ $status = 0 ] && echo "web-check: all passed" || echo "web-check: some checks failed"
exit $status
