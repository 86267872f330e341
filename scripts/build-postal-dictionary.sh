#!/usr/bin/env bash
# Builds the national postal-code dictionary into WORKFOLDER/Zip/ when it is missing.
#   scripts/build-postal-dictionary.sh WORKFOLDER
#   scripts/build-postal-dictionary.sh --fetch-only     (only fill the cache; the tests use it)
#
# The data is the npm package jquery-jpostal-ja (MIT licence) at a pinned version, fetched
# through the npm registry into a cache folder and checked against its known checksum
# before use. The program works without a dictionary, so every failure here prints a
# message and ends with exit status 0.
set -uo pipefail

here="$(cd "$(dirname "$0")/.." && pwd)"
package=jquery-jpostal-ja
version=2.14.73
integrity="sha512-yuys0Np34p7WsmvVMcwQbkum6njYXdM8Ta22LGpa8xdjMpa/zxmda2Jtowk0T0uuuQSUXfaICACNAOd8dxCM7g=="
cache="${TALLYFOLD_CACHE:-${XDG_CACHE_HOME:-$HOME/.cache}/tallyfold}"
tarball="$cache/$package-$version.tgz"
unpacked="$cache/$package-$version"

give_up() {
    echo "The postal-code dictionary was not built: $1" >&2
    echo "The program works without it; run this script again later to add it." >&2
    exit 0
}

case "${1:-}" in
    "") echo "usage: $0 WORKFOLDER | --fetch-only" >&2; exit 0 ;;
    --fetch-only) work="" ;;
    *) work="$1" ;;
esac

if [ -n "$work" ] && [ -s "$work/Zip/ZipNo.txt" ] && [ -s "$work/Zip/ZipNo.idx" ] && [ -s "$work/Zip/ZipKana.idx" ]; then
    exit 0
fi

checksum_of() {
    if command -v node >/dev/null 2>&1; then
        node -e 'const c=require("crypto"),fs=require("fs");
                 process.stdout.write("sha512-"+c.createHash("sha512").update(fs.readFileSync(process.argv[1])).digest("base64"))' "$1"
    elif command -v openssl >/dev/null 2>&1; then
        printf 'sha512-%s' "$(openssl dgst -sha512 -binary "$1" | base64 -w0)"
    fi
}

if [ ! -d "$unpacked/package/json" ]; then
    mkdir -p "$cache" || give_up "cannot make the cache folder $cache"
    if [ ! -f "$tarball" ] || [ "$(checksum_of "$tarball")" != "$integrity" ]; then
        command -v npm >/dev/null 2>&1 || give_up "npm is not installed"
        echo "Fetching $package@$version from the npm registry..."
        scratch="$(mktemp -d "$cache/fetch.XXXXXX")" || give_up "cannot write into $cache"
        trap 'rm -rf "$scratch"' EXIT
        if ! (cd "$scratch" && timeout 600 npm pack "$package@$version" --silent --fetch-retries=1 \
                --fetch-timeout=60000 >/dev/null 2>&1); then
            give_up "the npm registry could not be reached"
        fi
        [ -f "$scratch/$package-$version.tgz" ] || give_up "npm did not deliver $package-$version.tgz"
        mv -f "$scratch/$package-$version.tgz" "$tarball" || give_up "cannot write into $cache"
    fi
    if [ "$(checksum_of "$tarball")" != "$integrity" ]; then
        rm -f "$tarball"
        give_up "$package-$version.tgz does not have the expected checksum"
    fi
    rm -rf "$unpacked.part"
    mkdir -p "$unpacked.part" && tar -xzf "$tarball" -C "$unpacked.part" package/json \
        || { rm -rf "$unpacked.part"; give_up "cannot unpack $tarball"; }
    rm -rf "$unpacked" && mv "$unpacked.part" "$unpacked" || give_up "cannot write into $cache"
fi
[ -n "$work" ] || exit 0

tool="$here/build/tools/postal-dictionary"
if [ ! -f "$here/build/CMakeCache.txt" ]; then
    cmake -S "$here" -B "$here/build" -DCMAKE_BUILD_TYPE=Release >/dev/null || give_up "the build could not be set up"
fi
cmake --build "$here/build" -j "$(nproc)" --target postal_dictionary >/dev/null \
    || give_up "the dictionary builder did not compile"
mkdir -p "$work" || give_up "cannot make the folder $work"
echo "Building the postal-code dictionary in $work/Zip (this happens once)..."
"$tool" --json "$unpacked/package/json" "$work" || give_up "the dictionary builder failed"
