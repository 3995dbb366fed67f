#!/usr/bin/env bash
# Takes the README's picture: starts the dashboard on the demo drive in a virtual X display,
# lets the drive play for a while and saves the window as docs/demo-dashboard.png.
#   scripts/screenshot.sh [seconds of playback, 75 unless told]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-75}"
scripts/prepare-run.sh
for tool in Xvfb:xvfb import:imagemagick; do
    if ! command -v "${tool%%:*}" >/dev/null; then
        sudo_cmd=""
        [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
        DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${tool#*:}"
    fi
done
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
trap 'kill $rovik $xvfb 2>/dev/null || true' EXIT
sleep 2
(cd run && DISPLAY="$display" exec ../build/src/ui/rovik demo=demo-drive.rvk) &
rovik=$!
sleep "$seconds"
mkdir -p docs
DISPLAY="$display" import -window Rovik docs/demo-dashboard.png
echo "saved docs/demo-dashboard.png"
