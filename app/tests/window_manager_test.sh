#!/usr/bin/env bash
# The real program under the test display's window manager (openbox), read back as the window
# manager sees it: utility windows off the taskbar, asking for no minimise or maximise, of the
# exact client size; a minimised screen comes back; the close box ends the program.
#
#   window_manager_test.sh PROGRAM      (the display is named in $RESHALKIN_TEST_DISPLAY_FILE)
set -uo pipefail
program=$1
# shellcheck source=../../testing/x11_drive.sh
source "$(dirname "$0")/../../testing/x11_drive.sh"
on_test_display

# Motif hints: flags, functions, decorations. Functions 0x08 and 0x10 are minimise and
# maximise; decorations 0x20 and 0x40 their buttons.
readonly kMotifMinimiseMaximise=$((0x08 | 0x10)) kMotifButtons=$((0x20 | 0x40))

property() { xprop -id "$1" "$2" 2>/dev/null; }

check_window() {
    local window=$1 width=$2 height=$3 what=$4
    [[ $(property "$window" _NET_WM_WINDOW_TYPE) == *"= _NET_WM_WINDOW_TYPE_UTILITY"* ]] ||
        fail "$what: not a utility window first: $(property "$window" _NET_WM_WINDOW_TYPE)"
    [[ $(property "$window" _NET_WM_STATE) == *_NET_WM_STATE_SKIP_TASKBAR* ]] ||
        fail "$what: not kept off the taskbar"
    local motif motif_functions motif_decorations
    read -r _ _ _ motif_functions motif_decorations _ < <(property "$window" _MOTIF_WM_HINTS | tr -d ,)
    motif=$((motif_functions & kMotifMinimiseMaximise | motif_decorations & kMotifButtons))
    [ "$motif" -eq 0 ] || fail "$what: asks for minimise or maximise ($motif_functions, $motif_decorations)"
    local allowed
    allowed=$(property "$window" _NET_WM_ALLOWED_ACTIONS)
    [[ $allowed == *MAXIMIZE* || $allowed == *_RESIZE* ]] && fail "$what: can be maximised or resized: $allowed"
    [[ $allowed == *_NET_WM_ACTION_CLOSE* ]] || fail "$what: cannot be closed"
    local geometry
    geometry=$(xwininfo -id "$window" | awk '/Width:/ {w=$2} /Height:/ {h=$2} END {print w "x" h}')
    [ "$geometry" = "${width}x${height}" ] || fail "$what: client area $geometry, not ${width}x${height}"
}

"$program" &
pid=$!
menu=$(wait_window "^$product" 10)
[ -n "$menu" ] || { kill "$pid"; echo "FAIL: the main menu never showed" >&2; exit 1; }
# shellcheck disable=SC2046  # the size is two words
check_window "$menu" $(place frm1) "main menu"

# Openbox offers minimise to every window whatever it asks; a minimised screen returns at once.
viewable() { xwininfo -id "$1" | grep -q 'IsViewable' && [[ $(property "$1" _NET_WM_STATE) != *HIDDEN* ]]; }
# The minimised state may last too short a time to be seen from here: the window is looked at
# once things have settled.
xdotool windowminimize "$menu"
sleep 1
within 10 viewable "$menu" || fail "the minimised main menu did not come back"
xdotool windowactivate --sync "$menu"

# "Открыть" beside "Калькулятор" opens the narrower calculator screen.
# shellcheck disable=SC2046  # the centre is two words
timeout 5 xdotool mousemove --sync --window "$menu" $(place frm1 'Открыть: калькулятор') click 1
calculator=$(wait_window 'Мультисистемный калькулятор' 10)
if [ -n "$calculator" ]; then
    # shellcheck disable=SC2046  # the size is two words
    check_window "$calculator" $(place frm6) "calculator"
    xdotool windowactivate --sync "$calculator" key alt+F4
else
    fail "the calculator never showed"
fi
if ! within 10 ended "$pid"; then
    fail "the program is still running after its close box"
    kill "$pid"
fi
wait "$pid" || fail "the program exited with status $?"
end_test "window manager checks"
