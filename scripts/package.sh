#!/usr/bin/env bash
# Builds what the Debian package holds and makes the package, rovik_<version>_<arch>.deb, in
# the build folder ("build" unless given): scripts/package.sh [build folder]. A build folder
# made here builds only the program and its tools; an existing one keeps its options.
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
scripts/install-deps.sh package
options=()
[ -f "$build/CMakeCache.txt" ] || options=(-DROVIK_TESTS=OFF -DROVIK_BENCH=OFF)
cmake -S . -B "$build" -G Ninja "${options[@]}" >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB >/dev/null)
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
ls "$build/rovik_${version}_$(dpkg --print-architecture).deb"
