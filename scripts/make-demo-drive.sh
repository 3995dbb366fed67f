#!/usr/bin/env bash
# Rebuilds the box emulator and records the demo drive into data/demo-drive.rvk again. The
# recording is made in simulated time and comes out the same on every machine; the vxbsim
# tests fail when the committed file and the emulator no longer agree.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja
cmake --build build --target vxbsim
build/tools/vxbsim/vxbsim --record data/demo-drive.rvk
