#!/usr/bin/env bash
# Installs the build into a temporary prefix and checks the tree, then runs the desktop
# launcher from there as the menu does, with a home of its own: on an empty working folder it
# copies in the supplied files and the dashboard plays the demo drive from them (the road speed
# it stores in the shared value block, which other programs read, moves); on a half-filled
# folder nothing of the user's changes and the box of SETTINGS.DAT is used; a file in the way
# and a file missing from the installation are reported and nothing starts.
# Usage: install-test.sh BUILD_FOLDER
set -euo pipefail
build="$1"
root="$(mktemp -d)"
prefix="$root/usr"
started=""
trap '[ -z "$started" ] || kill -KILL "$started"; rm -rf "$root"' EXIT
fail() {
    echo "$1" >&2
    exit 1
}
cmake --install "$build" --prefix "$prefix" >/dev/null
cd "$prefix"
ls bin/{rovik,rovik-box,rovik-start,vxbsim} share/man/man1/{rovik,rovik-box,rovik-start,vxbsim}.1.gz \
    share/{applications,metainfo}/com.norvane.rovik.* share/icons/hicolor/scalable/apps/rovik.svg >/dev/null
for file in "$build"/supplied/*; do
    cmp "$file" "share/rovik/${file##*/}"
done

# Usage and version need no display; 3.1.2 is shown as "3.1 Build 2".
version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
[ "$(bin/rovik --version)" = "Rovik Version ${version%.*} Build ${version##*.}" ] || fail "rovik --version"
grep -qF "demo=FILE.rvk" <<<"$(bin/rovik --help)" || fail "rovik --help"

# Runs the launcher with SWITCH, waits until it has become the dashboard and checks that this
# runs in FOLDER with ARGUMENTS: start FOLDER ARGUMENTS [SWITCH]
start() {
    bin/rovik-start ${3:-} >"$root/output" 2>&1 &
    started=$!
    for _ in $(seq 100); do
        [ "$(readlink "/proc/$started/exe")" = "$prefix/bin/rovik" ] && break || sleep 0.1
    done
    local run="$(readlink "/proc/$started/cwd"): $(tr '\0' ' ' <"/proc/$started/cmdline")"
    [ "$run" = "$1: $prefix/bin/rovik ${2:+$2 }" ] || fail "started $run; $(cat "$root/output")"
}
stop() {
    kill -TERM "$started"
    wait "$started" || true
    started=""
}

# An empty home; a data folder that is not absolute does not count. Another Rovik on this
# machine may hold the shared value block for a while.
export HOME="$root/home" QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=relative
mkdir "$HOME"
block=/dev/shm/RovikSharedMemory
for _ in $(seq 120); do
    [ -e "$block" ] && ! flock -n -s "$block" true || break
    sleep 0.5
done
folder="$HOME/.local/share/rovik"
start "$folder" "demo=demo-drive.rvk"
for file in share/rovik/*; do
    cmp "$file" "$folder/${file##*/}"
done
speeds=""
for _ in $(seq 180); do
    # Only the block this dashboard holds locked counts.
    if grep -qE "FLOCK +ADVISORY +WRITE +$started .*:$(stat -c %i "$block" 2>/dev/null) " /proc/locks; then
        speeds+=" $(od -An -t f4 -j $((34816 + 84 * 4)) -N 4 "$block" | tr -d ' ')"
        [ "$(tr ' ' '\n' <<<"$speeds" | grep -v '^0*$' | sort -u | wc -l)" -ge 2 ] && break
    fi
    sleep 0.5
done
[ "$(tr ' ' '\n' <<<"$speeds" | grep -v '^0*$' | sort -u | wc -l)" -ge 2 ] || fail "the road speed did not move:$(tr " " "\n" <<<"$speeds" | sort -u | tr "\n" " ")"
stop

# A folder of the user's: the parameters changed and a box chosen.
export XDG_DATA_HOME="$root/data"
folder="$XDG_DATA_HOME/rovik"
mkdir -p "$folder"
echo "my own parameters" >"$folder/PARAMTRS.DAT"
bin/rovik-box "$folder/SETTINGS.DAT" --usb /dev/ttyRovikTest >/dev/null
cp "$folder/PARAMTRS.DAT" "$folder/SETTINGS.DAT" "$root"
start "$folder" ""
for file in "$root/PARAMTRS.DAT" "$root/SETTINGS.DAT" share/rovik/DEFAULT.SCR; do
    cmp "$file" "$folder/${file##*/}"
done
stop
start "$folder" "demo=demo-drive.rvk" --demo
stop

# What keeps the dashboard from starting, and the words that must say so.
refused() {
    local output
    output="$(XDG_DATA_HOME="$1" bin/rovik-start 2>&1)" && fail "started for $1"
    grep -qF -- "$2" <<<"$output" || fail "for $1: $output"
}
touch "$root/file" "$root/rovik"
refused "$root/file" "cannot make its working folder $root/file/rovik: Not a directory."
refused "$root" "cannot use $root/rovik as its working folder: it is a file"
rm share/rovik/DEFAULT.SCR
refused "$root/data" "missing: $prefix/share/rovik/DEFAULT.SCR."
