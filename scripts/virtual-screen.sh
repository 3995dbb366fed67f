# Shared by the picture-taking scripts (sourced, not run): installs the X tools they use, starts a
# virtual X display and gives `start_rovik FOLDER [SWITCH...]` to run the dashboard in a folder on
# that display. Everything it started is stopped when the calling script exits.
for tool in Xvfb:xvfb import:imagemagick xdotool:xdotool; do
    if ! command -v "${tool%%:*}" >/dev/null; then
        sudo_cmd=""
        [ "$(id -u)" -ne 0 ] && sudo_cmd="sudo"
        DEBIAN_FRONTEND=noninteractive $sudo_cmd apt-get install -y -qq "${tool#*:}"
    fi
done
display=":$((90 + RANDOM % 100))"
Xvfb "$display" -screen 0 1280x800x24 -nolisten tcp &
xvfb=$!
rovik=""
rovik_dir=$PWD/build/src/ui
trap 'kill $rovik $xvfb 2>/dev/null || true' EXIT
sleep 2
export DISPLAY="$display"

start_rovik() {
    local folder=$1
    shift
    (cd "$folder" && exec "$rovik_dir/rovik" "$@") &
    rovik=$!
}
