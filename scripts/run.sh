#!/usr/bin/env bash
# Installs what is needed, builds the dashboard and starts it in the working folder run/.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build --target rovik
mkdir -p run
cd run
exec ../build/src/ui/rovik "$@"
