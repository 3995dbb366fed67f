#!/usr/bin/env bash
# Runs the desktop launcher of an installation in a temporary prefix as the menu does, with a
# home of its own. On an empty working folder it fills the folder and the dashboard plays the
# demo drive from the installed files: the road speed it stores in the shared value block,
# which other programs read, moves. On a half-filled folder nothing of the user's changes and
# the box of SETTINGS.DAT is used. A folder that cannot be made and a file missing from the
# installation are reported and nothing starts. Usage: launcher-test.sh BUILD_FOLDER
set -euo pipefail
build="$1"
root="$(mktemp -d)"
prefix="$root/usr"
started=""
cleanup() {
    [ -z "$started" ] || kill -KILL "$started" 2>/dev/null || true
    rm -rf "$root"
}
trap cleanup EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
export HOME="$root/home" QT_QPA_PLATFORM=offscreen
unset DISPLAY WAYLAND_DISPLAY
mkdir "$HOME"
block=/dev/shm/RovikSharedMemory

fail() {
    echo "$1" >&2
    exit 1
}

# Starts the launcher and waits until it has become the dashboard.
start() {
    "$prefix/bin/rovik-start" "$@" >"$root/output" 2>&1 &
    started=$!
    for _ in $(seq 100); do
        [ "$(readlink "/proc/$started/exe")" = "$prefix/bin/rovik" ] && return
        sleep 0.1
    done
    fail "the launcher did not start the dashboard: $(cat "$root/output")"
}

# Checks the dashboard's folder and its arguments after the program's name.
expect_started() {
    local folder="$1" arguments
    arguments="$(tr '\0' ' ' <"/proc/$started/cmdline")"
    [ "$(readlink "/proc/$started/cwd")" = "$folder" ] || fail "started in $(readlink "/proc/$started/cwd")"
    [ "${arguments#* }" = "$2" ] || fail "started as: $arguments"
}

stop() {
    local status=0
    kill -TERM "$started"
    wait "$started" || status=$?
    started=""
    return "$status"
}

road_speed() {
    od -An -t f4 -j $((34816 + 84 * 4)) -N 4 "$block" | tr -d ' '
}

# The block is the dashboard's when it holds the block's lock.
expect_block_of_started() {
    for _ in $(seq 100); do
        if [ -e "$block" ] && grep -qE "FLOCK +ADVISORY +WRITE +$started +[0-9a-f]+:[0-9a-f]+:$(stat -c %i "$block") " /proc/locks; then
            return
        fi
        sleep 0.1
    done
    fail "the dashboard has not taken the shared value block (another Rovik running?)"
}

expect_road_speed_moving() {
    local first="" speed
    for _ in $(seq 180); do
        speed="$(road_speed)"
        if awk "BEGIN { exit !($speed > 0) }"; then
            [ -n "$first" ] && [ "$speed" != "$first" ] && return
            first="${first:-$speed}"
        fi
        sleep 0.5
    done
    fail "the road speed did not move (${first:-0} mph)"
}

# An empty home, and a data folder that is not absolute and so does not count.
for _ in $(seq 120); do
    [ -e "$block" ] && ! flock -n -s "$block" true || break
    sleep 0.5
done
export XDG_DATA_HOME=relative
start
folder="$HOME/.local/share/rovik"
expect_started "$folder" "demo=demo-drive.rvk "
for file in "$prefix/share/rovik"/*; do
    cmp "$file" "$folder/$(basename "$file")"
done
expect_block_of_started
expect_road_speed_moving
stop || fail "the dashboard did not end as asked: status $?"

# A folder of the user's: the parameters changed and a box chosen.
export XDG_DATA_HOME="$root/data"
folder="$XDG_DATA_HOME/rovik"
mkdir -p "$folder"
echo "my own parameters" >"$folder/PARAMTRS.DAT"
"$prefix/bin/rovik-box" "$folder/SETTINGS.DAT" --usb /dev/ttyRovikTest >/dev/null
cp "$folder/PARAMTRS.DAT" "$folder/SETTINGS.DAT" "$root"
start
expect_started "$folder" ""
cmp "$root/PARAMTRS.DAT" "$folder/PARAMTRS.DAT"
cmp "$root/SETTINGS.DAT" "$folder/SETTINGS.DAT"
cmp "$prefix/share/rovik/DEFAULT.SCR" "$folder/DEFAULT.SCR"
stop || true
start --demo
expect_started "$folder" "demo=demo-drive.rvk "
stop || true

# What keeps the dashboard from starting, and the words that must say so.
touch "$root/file"
mkdir -p "$root/taken"
touch "$root/taken/rovik"
refusals=(
    "$root/file" "cannot make its working folder $root/file/rovik: Not a directory."
    "$root/taken" "cannot use $root/taken/rovik as its working folder: it is a file"
)
for ((i = 0; i < ${#refusals[@]}; i += 2)); do
    status=0
    output="$(XDG_DATA_HOME="${refusals[i]}" "$prefix/bin/rovik-start" 2>&1)" || status=$?
    [ "$status" -eq 1 ] && grep -qF -- "${refusals[i + 1]}" <<<"$output" ||
        fail "for ${refusals[i]}: status $status, \"$output\""
done
rm "$prefix/share/rovik/DEFAULT.SCR"
status=0
output="$("$prefix/bin/rovik-start" 2>&1)" || status=$?
[ "$status" -eq 1 ] && grep -qF "missing: $prefix/share/rovik/DEFAULT.SCR." <<<"$output" ||
    fail "without DEFAULT.SCR: status $status, \"$output\""
