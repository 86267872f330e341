#!/usr/bin/env bash
# Installs the Debian packages that the build, the tests and the screenshots need.
# Safe to run again: only what is missing is installed. With --fuzz it also installs clang
# with libFuzzer and the sanitizer run-times, and llvm-profdata and llvm-cov for the coverage
# report, for scripts/run-fuzzers.sh.
set -euo pipefail

packages=(
    cmake g++ make pkg-config
    qt6-base-dev libgl1-mesa-dev qt6-translations-l10n
    libgtest-dev libgmock-dev libbenchmark-dev
    libjpeg62-turbo-dev
    fonts-ipafont-gothic fonts-ipafont-mincho fontconfig
    xvfb xdotool imagemagick poppler-utils x11-utils openbox
    desktop-file-utils python3
)
if [ "${1:-}" = "--fuzz" ]; then
    packages+=(clang libclang-rt-dev llvm)
fi
# npm fetches the public postal-code data; any npm will do, so Debian's is added only when none is there.
if ! command -v npm >/dev/null 2>&1; then
    packages+=(npm)
fi

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

sudo=""
if [ "$(id -u)" -ne 0 ]; then
    sudo="sudo"
fi
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
