#!/usr/bin/env bash
# Builds the fuzz targets with clang (libFuzzer, address and undefined-behaviour sanitizers)
# and runs them one after another, each from its corpus: what earlier runs found, the seeds in
# tests/data/fuzz and the full, real-shaped seeds that make_fuzz_seeds builds. Every target
# gets its file's full size (or a full folder's) as -max_len.
#
#   scripts/run-fuzzers.sh [--each SECONDS | --total SECONDS] [--no-coverage] [TARGET...]
#
#   --each SECONDS    run every target that long (default 20)
#   --total SECONDS   share that time evenly among the targets (e.g. --total 3600: an hour)
#   --no-coverage     skip the coverage build and report
#   TARGET...         only these targets (names without fuzz_, e.g. change_over read_results)
#
# Prints, per target, the inputs it ran and how many per second, then the line and region
# coverage of src/store that the whole corpus reaches (a separate clang coverage build that
# replays it). Ends with status 1 when any target found a crash, a hang or a sanitizer report.
set -euo pipefail
here="$(cd "$(dirname "$0")/.." && pwd)"
each=20
total=""
coverage=1
targets=()
while [ $# -gt 0 ]; do
    case "$1" in
        --each) each="$2"; shift 2 ;;
        --total) total="$2"; shift 2 ;;
        --no-coverage) coverage=0; shift ;;
        -h|--help) sed -n '2,17p' "$0"; exit 0 ;;
        *) targets+=("$1"); shift ;;
    esac
done

"$here/scripts/install-deps.sh" --fuzz
build="$here/build-fuzz"
configure() {  # build dir, extra cmake options
    local dir="$1"; shift
    CXX=clang++ cmake -S "$here" -B "$dir" -DTALLYFOLD_FUZZ=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@" >/dev/null
    cmake --build "$dir" -j "$(nproc)" >/dev/null
}
launcher=()
command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
configure "$build" "${launcher[@]}"

seeds="$build/seeds"
rm -rf "$seeds"
"$build/fuzz/make_fuzz_seeds" "$seeds"

if [ ${#targets[@]} -eq 0 ]; then
    for t in "$build"/fuzz/fuzz_*; do
        name="$(basename "$t")"
        targets+=("${name#fuzz_}")
    done
fi
if [ -n "$total" ]; then
    each=$(( total / ${#targets[@]} ))
    [ "$each" -ge 1 ] || each=1
fi

# The corpus directories of a target: the first collects what the fuzzer finds.
corpus_of() {
    local name="$1"
    mkdir -p "$build/corpus/$name"
    local dirs=("$build/corpus/$name")
    [ -d "$here/tests/data/fuzz/$name" ] && dirs+=("$here/tests/data/fuzz/$name")
    [ -d "$seeds/$name" ] && dirs+=("$seeds/$name")
    printf '%s\n' "${dirs[@]}"
}
max_len_of() {
    awk -v t="$1" '$1 == t { print "-max_len=" $2 }' "$seeds/max_len.txt"
}

failed=0
printf '%-26s %6s %12s %10s   %s\n' target seconds inputs inputs/s "corpus coverage (edges, features)"
for name in "${targets[@]}"; do
    target="$build/fuzz/fuzz_$name"
    if [ ! -x "$target" ]; then
        printf '%-26s no such target\n' "$name"
        failed=1
        continue
    fi
    mapfile -t dirs < <(corpus_of "$name")
    log="$build/$name.log"
    # shellcheck disable=SC2046
    if (cd "$build" && "$target" $(max_len_of "$name") -max_total_time="$each" -timeout=25 -print_final_stats=1 \
            -artifact_prefix="$build/crash-$name-" "${dirs[@]}" >"$log" 2>&1); then
        runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || echo 0)"
        secs="$(grep -o 'Done [0-9]* runs in [0-9]* second' "$log" | awk '{print $5}' || true)"
        [ -n "$secs" ] && [ "$secs" -gt 0 ] || secs="$each"
        cov="$(grep -E '^#[0-9]+' "$log" | tail -1 | grep -o 'cov: [0-9]* ft: [0-9]*' || true)"
        printf '%-26s %6s %12s %10s   %s\n' "$name" "$secs" "$runs" "$(( runs / secs ))" "$cov"
    else
        failed=1
        printf '%-26s FAILED, see %s\n' "$name" "$log"
        grep -m 5 -E 'ERROR|runtime error|SUMMARY|broken promise' "$log" || true
    fi
done

if [ "$coverage" = 1 ]; then
    # Coverage of src/store reached by every corpus, replayed once by a coverage build.
    cov="$here/build-fuzz-cov"
    configure "$cov" -DTALLYFOLD_FUZZ_COVERAGE=ON "${launcher[@]}"
    rm -rf "$cov/profiles"
    mkdir -p "$cov/profiles"
    objects=()
    for name in "${targets[@]}"; do
        target="$cov/fuzz/fuzz_$name"
        [ -x "$target" ] || continue
        mapfile -t dirs < <(corpus_of "$name")
        # shellcheck disable=SC2046
        (cd "$cov" && LLVM_PROFILE_FILE="$cov/profiles/$name.profraw" "$target" $(max_len_of "$name") -runs=0 \
            "${dirs[@]}" >"$cov/$name.log" 2>&1) || true
        objects+=(-object "$target")
    done
    llvm-profdata merge -sparse "$cov"/profiles/*.profraw -o "$cov/corpus.profdata"
    # The store's .cpp files (their paths are relative to the build); the few inline functions
    # of its headers are left out, as each target's copy of them is counted apart.
    llvm-cov report -instr-profile "$cov/corpus.profdata" "${objects[@]:1}" >"$cov/coverage.txt" 2>/dev/null
    awk '$1 ~ /src\/store\/[^\/]+\.cpp$/' "$cov/coverage.txt" >"$cov/store-coverage.txt"
    echo
    awk '{ regions += $2; missedRegions += $3; lines += $8; missedLines += $9 }
         END { printf "src/store reached by the corpus: lines %d of %d (%.1f%%), regions %d of %d (%.1f%%)\n",
               lines - missedLines, lines, 100 * (lines - missedLines) / lines,
               regions - missedRegions, regions, 100 * (regions - missedRegions) / regions }' "$cov/store-coverage.txt"
    echo "per file: $cov/store-coverage.txt"
fi
exit "$failed"
