#!/usr/bin/env bash
# Starts the program under a virtual screen with a window manager and saves a picture of
# its window, title bar included.
#   scripts/screenshot.sh OUTPUT.png [WORKING_FOLDER] [SECONDS] [XDOTOOL KEYS...]
# With no working folder a fresh temporary one is used (a first start). Keys given after
# the seconds are typed into the window one by one before the picture is taken.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
out="$(realpath -m "${1:-screenshot.png}")"
work="${2:-$(mktemp -d)}"
wait_s="${3:-2}"
shift $(( $# < 3 ? $# : 3 ))
bin="${TALLYFOLD_BIN:-$here/build/src/tallyfold}"
[ -x "$bin" ] || { echo "build first: ./test.sh or cmake --build build" >&2; exit 1; }

display=":$((90 + RANDOM % 9))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
app=""
trap 'kill $app $xvfb 2>/dev/null || true' EXIT
sleep 1
export DISPLAY="$display"
if command -v openbox >/dev/null; then openbox >/dev/null 2>&1 & fi
(cd "$work" && exec "$bin" "$work") >/dev/null 2>&1 &
app=$!
sleep "$wait_s"
wid="$(xdotool search --onlyvisible --name '^Tallyfold' | head -n 1 || true)"
if [ -n "$wid" ] && [ $# -gt 0 ]; then
    xdotool windowactivate --sync "$wid" 2>/dev/null || xdotool windowfocus --sync "$wid" 2>/dev/null || true
    sleep 0.3
fi
for k in "$@"; do
    xdotool key --clearmodifiers "$k"
    sleep 0.3
done
sleep 0.5
# The window may still be mapping or repainting; try a few times before giving up.
for attempt in 1 2 3 4 5; do
    if [ -n "$wid" ]; then
        import -window "$wid" -frame "$out" 2>/dev/null && break
    else
        import -window root "$out" 2>/dev/null && break
    fi
    sleep 1
done
[ -s "$out" ] || { echo "could not take the picture" >&2; exit 1; }
echo "saved $out (working folder $work)"
