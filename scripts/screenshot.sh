#!/usr/bin/env bash
# Takes the README's picture: starts the dashboard on the demo drive in a virtual X display,
# lets the drive play for a while and saves the window as docs/demo-dashboard.png.
#   scripts/screenshot.sh [seconds of playback, 75 unless told]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-75}"
scripts/prepare-run.sh
source scripts/virtual-screen.sh
start_rovik run demo=demo-drive.rvk
sleep "$seconds"
mkdir -p docs
import -window Rovik docs/demo-dashboard.png
echo "saved docs/demo-dashboard.png"
