#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program in its working folder
# (by default ~/Tallyfold; give another folder as the first argument).
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
"$here/scripts/install-deps.sh"
cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$here/build" -j "$(nproc)" --target tallyfold

work="${1:-$HOME/Tallyfold}"
if [ ! -d "$work" ]; then
    mkdir -p "$work"
fi
# Copy the shipped files (pictures, postal dictionary) without overwriting anything the user has.
cp -rn "$here/assets/." "$work/" 2>/dev/null || true
# The postal-code dictionary is built once from public data; without it the program still works.
"$here/scripts/build-postal-dictionary.sh" "$work" || true
cd "$work"
exec "$here/build/src/tallyfold" "$work"
