#!/usr/bin/env bash
# Takes the README's picture of the PID Sniffer: starts the dashboard on the demo drive in a
# virtual X display, in a scratch folder holding the supplied files, lets the drive play for a
# while, opens Advanced, PID Sniffer and saves the dialog as docs/pid-sniffer.png.
#   scripts/screenshot-sniffer.sh [seconds of playback, 40 unless told]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-40}"
scripts/prepare-run.sh
folder=$(mktemp -d)
cp build/supplied/* "$folder/"
source scripts/virtual-screen.sh
trap 'kill $rovik $xvfb 2>/dev/null || true; rm -rf "$folder"' EXIT
start_rovik "$folder" demo=demo-drive.rvk
sleep "$seconds"
# Another Rovik on the machine holds the shared value block; its notice is acknowledged first.
for notice in $(xdotool search --name '^Troubleshooting$' || true); do
    eval "$(xdotool getwindowgeometry --shell "$notice")"
    xdotool mousemove $((X + WIDTH - 52)) $((Y + HEIGHT - 24)) click 1
done
sleep 2
# Advanced, PID Sniffer, clicked where they stand on the unmanaged 1024x700 frame.
xdotool mousemove 310 8 click 1
sleep 1
xdotool mousemove 340 117 click 1
sleep 2
dialog=$(xdotool search --name '^PID Sniffer$' | head -n 1)
# Choose a line that has no parameter yet, as a user about to add one would.
xdotool windowfocus --sync "$dialog" key Home Down Down Down Down Down Down
sleep 1
mkdir -p docs
import -window "$dialog" docs/pid-sniffer.png
echo "saved docs/pid-sniffer.png"
