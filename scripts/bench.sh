#!/usr/bin/env bash
# Installs what is needed, builds the benchmarks and prints their figures: how many times a
# second each gauge kind paints, and how much of one core the dashboard uses with 40 gauges.
# Arguments go to Google Benchmark, e.g. --benchmark_filter=Cpu.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
cmake -S . -B build -G Ninja -DROVIK_BENCH=ON
cmake --build build --target ui_benchmarks
# The offscreen platform's note that it passes no size hints on says nothing about the figures.
build/bench/ui_benchmarks "$@" 2>&1 | grep -v propagateSizeHints
