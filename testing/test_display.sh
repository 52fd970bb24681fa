#!/usr/bin/env bash
# Starts or stops the X display the GUI tests run on: Xvfb on a display number it picks itself,
# with openbox as the window manager. The state (display, process ids) lives in $2; $3 is the
# screen's size, 1280x1024 unless given.
set -euo pipefail
action=$1
state=$2
size=${3:-1280x1024}
# shellcheck source=x11_drive.sh
source "$(dirname "$0")/x11_drive.sh"

stop() {
    [ -f "$state/pids" ] || return 0
    while read -r pid; do kill "$pid" 2>/dev/null || true; done <"$state/pids"
    rm -f "$state/pids" "$state/display"
}

# The window manager is ready once it names itself on the root window of display $1.
window_manager_ready() { DISPLAY=$1 xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }

start() {
    stop
    mkdir -p "$state"
    : >"$state/display.fd"
    # -displayfd makes Xvfb choose a free display and write its number when it is ready.
    setsid Xvfb -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3>"$state/display.fd" \
        </dev/null >"$state/xvfb.log" 2>&1 &
    echo $! >"$state/pids"
    within 10 test -s "$state/display.fd" ||
        { echo "Xvfb did not start" >&2; cat "$state/xvfb.log" >&2; exit 1; }
    local display=":$(tr -d '[:space:]' <"$state/display.fd")"
    DISPLAY=$display setsid openbox --config-file "$(dirname "$0")/openbox-rc.xml" </dev/null >"$state/openbox.log" 2>&1 &
    echo $! >>"$state/pids"
    within 10 window_manager_ready "$display" || true
    echo "$display" >"$state/display"
    echo "display $display"
}

case $action in
    start) start ;;
    stop) stop ;;
    *) echo "usage: $0 start|stop STATE_DIR [WIDTHxHEIGHT]" >&2; exit 2 ;;
esac
