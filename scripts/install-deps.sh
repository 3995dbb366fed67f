#!/usr/bin/env bash
# Installs the Debian packages the dashboard needs: with "run", only those that build and
# start it; with "package", also what makes its Debian package; otherwise also those of the
# tests, benchmarks, fuzzing, CI and the icon's drawing.
set -euo pipefail
packages=(
    cmake ninja-build g++ pkg-config
    qt6-base-dev qt6-multimedia-dev fonts-liberation
)
# CPack finds the libraries the package needs with file and dpkg-shlibdeps.
[ "${1:-}" = "run" ] || packages+=(dpkg-dev file)
if [ "${1:-}" != "run" ] && [ "${1:-}" != "package" ]; then
    packages+=(
        libgtest-dev libgmock-dev libbenchmark-dev
        clang-format clang-tidy xvfb
        # time zones, for the tests of local dates across daylight saving
        tzdata
        # libFuzzer and the sanitizer runtimes; clang only recommends the second package.
        clang libclang-rt-dev
        # the checks of the package, its desktop entry and its metadata
        desktop-file-utils appstream lintian
        # scripts/make-icons.sh
        librsvg2-bin
    )
fi
missing=()
for p in "${packages[@]}"; do
    dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
    sudo_cmd=""
    [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
    $sudo_cmd apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${missing[@]}"
fi
