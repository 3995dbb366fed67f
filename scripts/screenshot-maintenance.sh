#!/usr/bin/env bash
# Takes the README's picture of Maintenance Tracking: starts the dashboard in a virtual X
# display, in a scratch folder whose maintenance.rvk holds items that are due, nearly due and
# not yet due today, opens Maintenance and saves the dialog as docs/maintenance-tracking.png.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/prepare-run.sh
folder=$(mktemp -d)
cp build/supplied/PARAMTRS.DAT build/supplied/DEFAULT.SCR "build/supplied/Caterpillar 3126 250" \
    "$folder/"
distance=48210.3
# The vehicle's total distance, engine hours and fuel used, as doubles.
python3 -c "import struct,sys; sys.stdout.buffer.write(struct.pack('<3d', $distance, 2150.5, 7410.2))" \
    >"$folder/ODOMETER.DAT"

day() { date -d "$1 days" +%m/%d/%Y; }
miles() { awk "BEGIN { printf \"%.1f\", $1 }"; }
# name, service items (|-separated), time only, note, months, miles, days ago, miles ago
item() {
    local span=$(($5 * 30))
    [ "$span" -ge 360 ] && span=$((span / 360 * 365))
    IFS='|' read -ra lines <<<"$2"
    printf 'Name: %s\r\nServiceItems: %d\r\n' "$1" "${#lines[@]}"
    [ ${#lines[@]} -gt 0 ] && printf '%s\r\n' "${lines[@]}"
    printf 'TimeOnly: %d\r\n%s\r\nMonthInterval: %d\r\nMileageInterval: %s\r\n' "$3" "$4" "$5" \
        "$(miles "$6")"
    printf 'DueTime: %s\r\nDueMileage: %s\r\n' "$(day $((span - $7)))" "$(miles "$distance - $8 + $6")"
    printf 'LastInstanceTime: %s\r\nLastInstanceMileage: %s\r\nInstanceCount: 0\r\n\r\n' \
        "$(day "-$7")" "$(miles "$distance - $8")"
}
record() {
    printf 'Name: %s\r\nTimeInterval: %d\r\nMileageInterval: %s\r\nDoneTime: %s\r\n' "$1" "$2" \
        "$(miles "$3")" "$(day "-$4")"
    printf 'DoneMileage: %s\r\nServiceItems: 1\r\n%s\r\n\r\n' "$(miles "$distance - $5")" "$6"
}
{
    printf 'RVK PC Maintenance file v1.0\r\n\r\nItemCount = 5\r\nHistoryCount = 3\r\n\r\n'
    item "Brake inspection" "Check lining thickness|Adjust slack adjusters" 0 "" 3 15000 130 16500
    item "Oil and filter change" "Filter LF9009|11 gal 15W-40" 0 "" 6 10000 200 10950
    item "Fuel filters" "Primary FS1000|Secondary FF5320" 0 "" 12 15000 300 9000
    item "Coolant test" "Test strips" 0 "" 12 25000 100 8000
    item "Annual DOT inspection" "" 1 "Form 396" 12 0 60 0
    record "Oil and filter change" 6 10000 380 21300 "Filter LF9009"
    record "Annual DOT inspection" 12 0 425 24800 "Form 396 filed"
    record "Brake inspection" 3 15000 130 16500 "Adjust slack adjusters"
} >"$folder/maintenance.rvk"

source scripts/virtual-screen.sh
trap 'kill $rovik $xvfb 2>/dev/null || true; rm -rf "$folder"' EXIT
start_rovik "$folder"
sleep 4
frame=$(xdotool search --name '^Rovik' | head -n 1)
xdotool windowfocus --sync "$frame" key alt+m
sleep 2
dialog=$(xdotool search --name '^Maintenance Tracking$' | head -n 1)
# Select the fuel filters, so their service items show.
xdotool windowfocus --sync "$dialog" key Down Down
sleep 1
mkdir -p docs
import -window "$dialog" docs/maintenance-tracking.png
echo "saved docs/maintenance-tracking.png"
