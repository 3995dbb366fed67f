#!/usr/bin/env bash
# Runs clang-tidy with the checks of .clang-tidy over the core, the platform and the tools,
# two files at a time; fails on the first finding. Needs a configured build folder (its
# compile_commands.json), "build" unless given: scripts/lint.sh [build folder]
set -euo pipefail
cd "$(dirname "$0")/.."
build="${1:-build}"
git ls-files 'src/core/*.cpp' 'src/platform/*.cpp' 'tools/*.cpp' |
    xargs -P2 -n8 clang-tidy -p "$build" --quiet 2>/dev/null
