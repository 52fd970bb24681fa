#!/usr/bin/env bash
# The real program started for a projector on desktops of its own (Xvfb with openbox): `--scale
# fit` takes 1,5 on 1024x768 and 2 on 1920x1080; a bad value is told on standard error and the
# program starts at its normal size.
#
#   projector_test.sh PROGRAM WORK_DIR
set -uo pipefail
program=$1 work=$2
display_script=$(dirname "$0")/../../testing/test_display.sh

failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Starts the program with the given arguments on a desktop of the given size and prints the main
# menu's client width; the program's standard error goes to $work/stderr.
menu_width() {  # size, arguments...
    local size=$1 state=$work/display-$1
    shift
    "$display_script" start "$state" "$size" >/dev/null || { echo 0; return; }
    DISPLAY=$(cat "$state/display") QT_QPA_PLATFORM=xcb "$program" "$@" 2>"$work/stderr" &
    local pid=$! window
    window=$(DISPLAY=$(cat "$state/display") timeout 10 xdotool search --sync --onlyvisible \
        --name "^${RESHALKIN_PRODUCT:?} " 2>/dev/null | head -1)
    DISPLAY=$(cat "$state/display") xwininfo -id "$window" 2>/dev/null | awk '/Width:/ {print $2}'
    kill "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    "$display_script" stop "$state"
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

[ "$failures" -eq 0 ] && echo "projector checks passed"
exit $((failures > 0))
