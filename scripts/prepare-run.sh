#!/usr/bin/env bash
# Installs what the dashboard needs, builds it and fills the working folder run/ with the
# files supplied beside the program, never overwriting the user's own.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh run
cmake -S . -B build -G Ninja -DROVIK_TESTS=OFF -DROVIK_BENCH=OFF >/dev/null
cmake --build build --target rovik rovik_box supplied_files
mkdir -p run
for file in build/supplied/*; do
    [ -e "run/$(basename "$file")" ] || cp "$file" run/
done
