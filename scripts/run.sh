#!/usr/bin/env bash
# Installs what is needed, builds the dashboard and starts it in the working folder run/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build --target rovik supplied_files
mkdir -p run
# The files supplied beside the program, without overwriting the user's own.
for file in build/supplied/*; do
    [ -e "run/$(basename "$file")" ] || cp "$file" run/
done
cd run
exec ../build/src/ui/rovik "$@"
