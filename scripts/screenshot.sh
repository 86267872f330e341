#!/usr/bin/env bash
# Starts the program under a virtual screen and saves a picture of its window.
#   scripts/screenshot.sh OUTPUT.png [WORKING_FOLDER] [SECONDS]
# With no working folder a fresh temporary one is used (a first start).
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-screenshot.png}")"
work="${2:-$(mktemp -d)}"
wait_s="${3:-2}"
bin="${TALLYFOLD_BIN:-$here/build/src/tallyfold}"
[ -x "$bin" ] || { echo "build first: ./test.sh or cmake --build build" >&2; exit 1; }

display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
(cd "$work" && DISPLAY="$display" "$bin") &
app=$!
sleep "$wait_s"
DISPLAY="$display" import -window root -crop 1000x700+140+50 "$out" 2>/dev/null || DISPLAY="$display" import -window root "$out"
echo "saved $out (working folder $work)"
