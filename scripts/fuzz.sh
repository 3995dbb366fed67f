#!/usr/bin/env bash
# Builds the fuzz targets with clang and runs each for a bounded time, starting from its seed
# corpus; fails when one of them finds a crash. Usage: scripts/fuzz.sh [seconds per target]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-30}
scripts/install-deps.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DROVIK_FUZZ=ON -DROVIK_UI=OFF \
    -DROVIK_TESTS=OFF
cmake --build build-fuzz
mkdir -p build-fuzz/artifacts
targets=(screen_file_fuzzer settings_file_fuzzer maintenance_file_fuzzer tire_layout_file_fuzzer
    alarms_file_fuzzer message_file_fuzzer binary_framing_fuzzer text_framing_fuzzer
    j1587_decoder_fuzzer j1939_decoder_fuzzer)
for target in "${targets[@]}"; do
    # What the fuzzer learns goes to a folder of its own, so the checked-in seeds stay small.
    mkdir -p "build-fuzz/corpus/$target"
    log="build-fuzz/$target.log"
    if ! "build-fuzz/fuzz/$target" -max_total_time="$seconds" -rss_limit_mb=1024 \
        -artifact_prefix="build-fuzz/artifacts/$target-" \
        "build-fuzz/corpus/$target" "fuzz/corpus/$target" >"$log" 2>&1; then
        tail -n 60 "$log"
        echo "$target failed; the input that did it is in build-fuzz/artifacts/" >&2
        exit 1
    fi
    echo "$target: $(tail -n 1 "$log")"
done
