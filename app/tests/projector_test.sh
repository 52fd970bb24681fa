#!/usr/bin/env bash
# The real program started for a projector on desktops of its own (Xvfb with openbox): `--scale
# fit` takes 1,5 on 1024x768 and 2 on 1920x1080; a bad value is told on standard error and the
# program starts at its normal size.
#
#   projector_test.sh PROGRAM WORK_DIR
set -uo pipefail
program=$1 work=$2
testing=$(dirname "$0")/../../testing
# shellcheck source=../../testing/x11_drive.sh
source "$testing/x11_drive.sh"

# Starts the program with the given arguments on a desktop of the given size and prints the main
# menu's client width; the program's standard error goes to $work/stderr.
menu_width() {  # size, arguments...
    local size=$1 state=$work/display-$1
    shift
    "$testing/test_display.sh" start "$state" "$size" >/dev/null || { echo 0; return; }
    local -x DISPLAY QT_QPA_PLATFORM=xcb
    DISPLAY=$(cat "$state/display")
    "$program" "$@" 2>"$work/stderr" &
    local pid=$! window
    window=$(wait_window "^${RESHALKIN_PRODUCT:?} " 10)
    xwininfo -id "$window" 2>/dev/null | awk '/Width:/ {print $2}'
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    "$testing/test_display.sh" stop "$state"
}

rm -rf "$work" && mkdir -p "$work"
while read -r size line; do
    arguments=${line% *} width=${line##* }
    # shellcheck disable=SC2086  # the arguments are words
    got=$(menu_width "$size" $arguments)
    [ "$got" = "$width" ] || fail "$arguments on $size: the main menu is ${got:-not} shown ${got:+pixels wide}, not $width"
done <<'CASES'
1024x768 --scale fit 900
1920x1080 --scale fit 1200
1024x768 --scale=1,75 1050
1024x768 --scale 5 600
CASES
grep -q '^Масштаб «5» не подходит: нужно число от 1 до 3' "$work/stderr" ||
    fail "a bad value is not told in Russian: $(cat "$work/stderr")"

end_test "projector checks"
