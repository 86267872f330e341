#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test headless.
# With TALLYFOLD_FUZZ=1 it also builds the fuzzers with clang and runs each for
# TALLYFOLD_FUZZ_SECONDS (default 20) seconds.
set -euo pipefail
cd "$(dirname "$0")"
./scripts/install-deps.sh
# The postal data for the full-country tests (they are skipped when it cannot be fetched).
./scripts/build-postal-dictionary.sh --fetch-only || true
cmake -S . -B build -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build -j "$(nproc)"
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure -j "$(nproc)"

if [ "${TALLYFOLD_FUZZ:-0}" = "1" ]; then
    ./scripts/run-fuzzers.sh --each "${TALLYFOLD_FUZZ_SECONDS:-20}"
fi
