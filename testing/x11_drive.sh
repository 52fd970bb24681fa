# Sourced by the shell tests that drive a program on an X display with xdotool and xclip:
# failures counted, bounded waits, windows found by name, keys to a window, a field read through
# the clipboard, the controls' tab order on the screens, and the end of the program the test
# started (whose process id the test keeps in app).
# shellcheck shell=bash

# A test counts its failures and goes on; a count from before sourcing is kept.
: "${failures:=0}"
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

# Ends the test: passed when nothing failed.
end_test() {  # what was checked
    [[ $failures -eq 0 ]] && echo "$1 passed"
    exit $((failures > 0))
}

# The tests that ctest starts run on its test display, named in $RESHALKIN_TEST_DISPLAY_FILE. The
# product's name, which starts the main menu's title and is an error box's whole title, comes in
# $RESHALKIN_PRODUCT.
on_test_display() {
    DISPLAY=$(cat "${RESHALKIN_TEST_DISPLAY_FILE:?}")
    export DISPLAY QT_QPA_PLATFORM=xcb
    # shellcheck disable=SC2034 # read by the test
    product=${RESHALKIN_PRODUCT:?}
}

# Where the screen tables put a control (its centre) or how large a screen is: "x y".
place() { "${RESHALKIN_CONTROL_PLACE:?}" "$@"; }

# Runs the command $2... every fifth of a second until it succeeds, for up to $1 seconds; with
# 0, once.
within() {
    local tries=$(($1 * 5))
    shift
    until "$@"; do
        ((tries-- > 0)) || return 1
        sleep 0.2
    done
}

# The id of a visible window whose name matches $1, if there is one.
visible_window() { xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 | grep .; }
no_visible_window() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }

# Waits up to $2 seconds for a visible window whose name matches $1; prints its id.
wait_window() { within "$2" visible_window "$1"; }

# Waits up to $2 seconds until no visible window's name matches $1; with 0, none is shown now.
wait_gone() { within "$2" no_visible_window "$1"; }

# Keys to the window $1, which is first brought to the front.
keys() {
    local window=$1
    shift
    timeout 10 xdotool windowactivate --sync "$window" >/dev/null 2>&1 || true
    xdotool key --delay 60 "$@"
}

# Copies what has the focus in the active window (Ctrl+A, Ctrl+C) until the clipboard holds
# text matching $2, for up to 10 seconds: the sweep runs before each compute.
clipboard_matches() {
    local window=$1 pattern=$2 text=''
    for _ in $(seq 20); do
        keys "$window" ctrl+a ctrl+c
        sleep 0.3
        text=$(timeout 5 xclip -o -selection clipboard 2>/dev/null) || true
        [[ "$text" =~ $pattern ]] && return 0
    done
    echo "the clipboard holds: $text" >&2
    return 1
}

# Waits up to 20 seconds for the started program to end; checks its status.
ended() { ! kill -0 "$1" 2>/dev/null; }
expect_clean_exit() {
    if ! within 20 ended "$app"; then
        fail "$1 did not end when its main menu closed"
        return
    fi
    local status=0
    wait "$app" || status=$?
    app=''
    [[ $status -eq 0 ]] || fail "$1 ended with status $status"
}

# The controls of the screens the tests use, in their tab order, as the screens' tables number
# them; the menu's by what they open.
# shellcheck disable=SC2034 # read by focus, through the screen's name
{
    menu_tabs=(triangle circle cylinder cone calculator)
    triangle_tabs=(first_leg second_leg hypotenuse area compute main_menu solution)
    circle_tabs=(radius compute length area main_menu solution)
    cylinder_tabs=(radius height compute lateral total main_menu solution)
    cone_tabs=(radius height compute lateral total main_menu solution)
    calculator_tabs=(first_decimal second_decimal decimal_result times second_octal octal_result plus
        first_octal minus divide first_hex second_hex hex_result main_menu solution)
}

# The keys that move the focus on screen $1 from control $2 to control $3: Tab forwards,
# shift+Tab back.
focus() {
    local -n tabs=${1}_tabs
    local i from='' to='' key=Tab
    for i in "${!tabs[@]}"; do
        [[ ${tabs[i]} == "$2" ]] && from=$i
        [[ ${tabs[i]} == "$3" ]] && to=$i
    done
    [[ -n "$from" && -n "$to" ]] || { echo "focus: no control $2 or $3 on $1" >&2; return 1; }
    local steps=$((to - from))
    if ((steps < 0)); then key=shift+Tab steps=$((-steps)); fi
    for ((i = 0; i < steps; i++)); do echo "$key"; done
}
