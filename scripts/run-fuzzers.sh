#!/usr/bin/env bash
# Builds the file-reader fuzzers with clang and runs each for SECONDS seconds (default 20),
# starting from the seed corpus in tests/data/fuzz. Prints how many inputs each ran; ends
# with status 1 when any target found a crash or a sanitizer report.
#   scripts/run-fuzzers.sh [SECONDS]
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
seconds="${1:-20}"
"$here/scripts/install-deps.sh" --fuzz
CXX=clang++ cmake -S "$here" -B "$here/build-fuzz" -DTALLYFOLD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$here/build-fuzz" -j "$(nproc)"

failed=0
for target in "$here"/build-fuzz/fuzz/fuzz_*; do
    name="$(basename "$target")"
    name="${name#fuzz_}"
    corpus="$here/build-fuzz/corpus/$name"
    mkdir -p "$corpus"
    cp -n "$here/tests/data/fuzz/$name/"* "$corpus/" 2>/dev/null || true
    log="$here/build-fuzz/$name.log"
    if (cd "$here/build-fuzz" && "$target" -max_total_time="$seconds" -print_final_stats=1 \
            -artifact_prefix="$here/build-fuzz/crash-$name-" "$corpus" >"$log" 2>&1); then
        runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo '?')"
        printf '%-24s %10s inputs, no crash, no sanitizer report\n' "$name" "$runs"
    else
        failed=1
        printf '%-24s FAILED, see %s\n' "$name" "$log"
        grep -m 5 -E 'ERROR|runtime error|SUMMARY' "$log" || true
    fi
done
exit "$failed"
