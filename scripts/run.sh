#!/usr/bin/env bash
# Builds the dashboard and starts it in the working folder run/.
#   scripts/run.sh                  plays the recorded demo drive
#   scripts/run.sh demo=FILE.rvk    plays another recording
#   scripts/run.sh --box            talks to the box named in run/SETTINGS.DAT
set -euo pipefail
here="$PWD"
cd "$(dirname "$0")/.."
scripts/prepare-run.sh
args=()
if [ "${1:-}" = "--box" ]; then
    shift
    args=("$@")
elif [ $# -eq 0 ]; then
    args=(demo=demo-drive.rvk)
else
    for arg in "$@"; do
        # The program runs in run/, so a recording named from elsewhere gets its full path.
        case "$arg" in
            demo=/*) ;;
            demo=*) arg="demo=$here/${arg#demo=}" ;;
        esac
        args+=("$arg")
    done
fi
cd run
exec ../build/src/ui/rovik "${args[@]}"
